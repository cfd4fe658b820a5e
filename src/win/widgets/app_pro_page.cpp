// Colours, background and keyboard of the content pages.
#include "widgets/app_pro_page.h"

namespace aerowisp {

CAppProPage::CAppProPage(int templateId)
    : fw::Dialog(templateId), m_brushBk(::CreateSolidBrush(kPageColour)) {}

void CAppProPage::RestartPageTimer(UINT_PTR timerId, UINT periodMs) {
    KillPageTimer();
    m_nPageTimer = ::SetTimer(Handle(), timerId, periodMs, nullptr);
}

void CAppProPage::KillPageTimer() {
    if (m_nPageTimer == 0)
        return;
    ::KillTimer(Handle(), m_nPageTimer);
    m_nPageTimer = 0;
}

bool CAppProPage::OnCommand(int id, int, HWND) {
    return id == IDOK || id == IDCANCEL;
}

bool CAppProPage::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        // Edit fields and list boxes keep the system's colours.
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return false;
        // Everything else, read-only edits included (they ask as statics), is black on the page colour.
        case WM_CTLCOLORMSGBOX:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLORDLG:
        case WM_CTLCOLORSCROLLBAR:
        case WM_CTLCOLORSTATIC: {
            const HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, RGB(0, 0, 0));
            ::SetBkMode(dc, TRANSPARENT);
            result = reinterpret_cast<LRESULT>(m_brushBk.Get());
            return true;
        }
        // The main window's background shows wherever no control paints.
        case WM_ERASEBKGND:
            result = TRUE;
            return true;
        // The page's own timer; every timer message then goes on to the default processing.
        case WM_TIMER:
            if (m_nPageTimer != 0 && wParam == m_nPageTimer && m_pRequests != nullptr)
                m_pRequests->OnPageTimer(wParam);
            return false;
        default:
            return false;
    }
}

}  // namespace aerowisp
