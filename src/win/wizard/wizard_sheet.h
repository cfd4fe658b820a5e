// The setup wizard's sheet: five pages over a banner across the top, with the heading fonts and
// brushes every page draws with.
#pragma once

#include <windows.h>

#include <optional>

#include "core/lang/language_texts.h"
#include "core/wizard/wizard_session.h"
#include "fw/gdi.h"
#include "fw/property_sheet.h"
#include "wizard/wizard_pages.h"

namespace aerowisp {

class CWizardSheet final : public fw::WizardSheet {
  public:
    CWizardSheet(WizardSession& session, const LanguageTexts& language);
    CWizardSheet(const CWizardSheet&) = delete;
    CWizardSheet& operator=(const CWizardSheet&) = delete;

    // Runs the wizard modally; true when the user pressed Finish.
    bool Run(HWND parent);

    WizardSession& Session() const { return m_session; }
    const LanguageTexts& Language() const { return m_language; }
    static int TemplateOf(WizardPage page);

    // The heading fonts, made by the mode page from the fonts of its two headings.
    void CreateHeadingFonts(HWND titleControl, HWND textControl);
    HFONT TitleFont() const { return m_fontTitle.Get(); }
    HFONT TextFont() const { return m_fontText.Get(); }
    // The stock hollow brush for page and text backgrounds; the button face for the radio buttons.
    HBRUSH HollowBrush() const { return m_brushHollow; }
    HBRUSH FaceBrush() const { return m_brushFace; }

  protected:
    void OnInitialized() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    void OnEraseBkgnd(HDC dc);

    WizardSession& m_session;
    const LanguageTexts& m_language;
    CWizardOpModePage m_opModePage;
    CWizardAPSetPage m_apSetPage;
    CWizardAPSecurityPage m_apSecurityPage;
    CWizardICS m_icsPage;
    CWizardFinishPage m_finishPage;

    HBRUSH m_brushHollow;
    HBRUSH m_brushFace;
    fw::Bitmap m_bmpBanner;
    SIZE m_bannerSize{};
    fw::Font m_fontTitle;
    fw::Font m_fontText;
    RECT m_rcClient{};
    // Made when the sheet initialises, compatible with its client area.
    std::optional<fw::MemoryDC> m_dcMem;
};

}  // namespace aerowisp
