// The five pages of the setup wizard. Each draws its texts over the sheet's banner and background and
// asks the wizard's session where Next and Back lead.
#pragma once

#include <windows.h>

#include "core/wizard/wizard_session.h"
#include "fw/property_sheet.h"

namespace aerowisp {

class CWizardSheet;

// What every page shares: the sheet, the language texts, the turn to another page and the colours.
class CWizardPage : public fw::PropertyPage {
  public:
    CWizardPage(CWizardSheet& sheet, int templateId, WizardPage page)
        : fw::PropertyPage(templateId), sheet_(sheet), page_(page) {}

  protected:
    // The framework's initialisation with the language file's control texts.
    BOOL OnInitDialog() override;
    // Asks for the page's wizard buttons.
    void OnSetActive() override;
    LRESULT OnWizardBack() override { return Turn(Session().Back(page_)); }
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

    // The brush a control of the page is painted with; null keeps the framework's colours.
    virtual HBRUSH ControlBrush(int controlId) const;

    WizardSession& Session() const;
    CWizardSheet& Parent() const { return sheet_; }
    // The template of the turn's page; or, staying, the turn's message and focus, and kStayOnPage.
    LRESULT Turn(const WizardTurn& turn);
    void SetFont(int controlId, HFONT font) const;

  private:
    CWizardSheet& sheet_;
    WizardPage page_;
};

// Page 0 (template 201): create an access point or join a network; makes the heading fonts.
class CWizardOpModePage final : public CWizardPage {
  public:
    explicit CWizardOpModePage(CWizardSheet& sheet);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    LRESULT OnWizardNext() override { return Turn(Session().Next(WizardPage::kOpMode)); }
    HBRUSH ControlBrush(int controlId) const override;
};

// Page 1 (template 203): the network name and the fixed security type.
class CWizardAPSetPage final : public CWizardPage {
  public:
    explicit CWizardAPSetPage(CWizardSheet& sheet);

  protected:
    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    HBRUSH ControlBrush(int controlId) const override;
};

// Page 2 (template 208): the key and its confirmation; Next applies name and key to the network.
class CWizardAPSecurityPage final : public CWizardPage {
  public:
    explicit CWizardAPSecurityPage(CWizardSheet& sheet);

  protected:
    BOOL OnInitDialog() override;
    LRESULT OnWizardNext() override;
    HBRUSH ControlBrush(int controlId) const override;
};

// Page 3 (template 204): the connection to share, listed afresh each time the page shows.
class CWizardICS final : public CWizardPage {
  public:
    explicit CWizardICS(CWizardSheet& sheet);

  protected:
    BOOL OnInitDialog() override;
    void OnSetActive() override;
    LRESULT OnWizardNext() override;
};

// Page 4 (template 202): the summary, or the join hint, and Finish.
class CWizardFinishPage final : public CWizardPage {
  public:
    explicit CWizardFinishPage(CWizardSheet& sheet);

  protected:
    BOOL OnInitDialog() override;
    void OnSetActive() override;
    HBRUSH ControlBrush(int controlId) const override;

  private:
    // The window colour's system brush: not created, so never deleted.
    HBRUSH m_brushWindow;
};

}  // namespace aerowisp
