// The please-wait window.
#include "ics/msg_dialog.h"

#include "core/resource.h"

namespace aerowisp {

CMsgDialog::CMsgDialog() : fw::Dialog(IDD_MSG_DIALOG) {}

void CMsgDialog::ShowMessage(const std::wstring& text) {
    Show(SW_SHOW);
    SetItemText(IDC_MSG_TEXT, text);
    RECT desktop{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    const int x = desktop.left + ((desktop.right - desktop.left) - (window.right - window.left)) / 2;
    const int y = desktop.top + ((desktop.bottom - desktop.top) - (window.bottom - window.top)) / 2;
    ::SetWindowPos(Handle(), HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
    // The text control paints too, not only the frame: the calls that follow block the message loop.
    ::RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace aerowisp
