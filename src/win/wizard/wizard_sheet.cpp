// The setup wizard's sheet.
#include "wizard/wizard_sheet.h"

#include "core/resource.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// The heading fonts: the dialog font in Times New Roman, the title bold.
constexpr LONG kTitleFontHeight = -16;
constexpr LONG kTextFontHeight = -15;
constexpr wchar_t kHeadingFace[] = L"Times New Roman";

fw::Font HeadingFont(HWND control, LONG height, bool bold) {
    LOGFONTW font{};
    auto current = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    if (current == nullptr || ::GetObjectW(current, sizeof(font), &font) == 0)
        ::GetObjectW(::GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    font.lfHeight = height;
    if (bold)
        font.lfWeight = FW_BOLD;
    ::lstrcpynW(font.lfFaceName, kHeadingFace, LF_FACESIZE);
    return fw::Font(::CreateFontIndirectW(&font));
}

}  // namespace

CWizardSheet::CWizardSheet(WizardSession& session, const LanguageTexts& language)
    : fw::WizardSheet(fw::ToWide(kWizardWindowTitle)),
      m_session(session),
      m_language(language),
      m_opModePage(*this),
      m_apSetPage(*this),
      m_apSecurityPage(*this),
      m_icsPage(*this),
      m_finishPage(*this),
      m_brushHollow(static_cast<HBRUSH>(::GetStockObject(HOLLOW_BRUSH))),
      m_brushFace(::GetSysColorBrush(COLOR_BTNFACE)),
      m_bmpBanner(
          static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_WIZARD_BANNER),
                                            IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    BITMAP banner{};
    if (m_bmpBanner && ::GetObjectW(m_bmpBanner.Get(), sizeof(banner), &banner) != 0)
        m_bannerSize = {banner.bmWidth, banner.bmHeight};
    AddPage(m_opModePage);
    AddPage(m_apSetPage);
    AddPage(m_apSecurityPage);
    AddPage(m_icsPage);
    AddPage(m_finishPage);
}

bool CWizardSheet::Run(HWND parent) {
    return DoModal(parent) == kFinished;
}

int CWizardSheet::TemplateOf(WizardPage page) {
    switch (page) {
        case WizardPage::kOpMode:
            return IDD_WIZARD_OP_MODE;
        case WizardPage::kApSet:
            return IDD_WIZARD_AP_SET;
        case WizardPage::kApSecurity:
            return IDD_WIZARD_AP_SECURITY;
        case WizardPage::kIcs:
            return IDD_WIZARD_ICS;
        case WizardPage::kFinish:
            break;
    }
    return IDD_WIZARD_FINISH;
}

void CWizardSheet::CreateHeadingFonts(HWND titleControl, HWND textControl) {
    m_fontTitle = HeadingFont(titleControl, kTitleFontHeight, true);
    m_fontText = HeadingFont(textControl, kTextFontHeight, false);
}

void CWizardSheet::OnInitialized() {
    ::GetClientRect(Handle(), &m_rcClient);
    const fw::ClientDC client(Handle());
    m_dcMem.emplace(client.Get());
}

bool CWizardSheet::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (message != WM_ERASEBKGND)
        return false;
    OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
    result = TRUE;
    return true;
}

// The banner is stretched across the width the sheet had when it was laid out, at its own height; its
// last column and row are left out of the copy.
void CWizardSheet::OnEraseBkgnd(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, m_brushFace);
    if (!m_dcMem || !*m_dcMem || !m_bmpBanner)
        return;
    const fw::SelectObjectGuard selected(m_dcMem->Get(), m_bmpBanner.Get());
    ::StretchBlt(dc, 0, 0, m_rcClient.right - m_rcClient.left, m_bannerSize.cy, m_dcMem->Get(), 0, 0,
                 m_bannerSize.cx - 1, m_bannerSize.cy - 1, SRCCOPY);
}

}  // namespace aerowisp
