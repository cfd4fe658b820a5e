// Dialog procedure plumbing: `this` is stored at WM_INITDIALOG and unlinked at WM_NCDESTROY, so no
// handler runs on a half-destroyed object; exceptions never leave the dialog procedure.
#include "fw/dialog.h"

#include "fw/control.h"

namespace fw {

Dialog::~Dialog() {
    if (IsCreated() && !modal_) {
        ::SetWindowLongPtrW(Handle(), DWLP_USER, 0);
        ::DestroyWindow(Handle());
    }
}

INT_PTR Dialog::DoModal(HWND parent) {
    modal_ = true;
    return ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, &DialogProc,
                             reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent, &DialogProc,
                                reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(Handle(), result);
}

void Dialog::Destroy() {
    if (IsCreated()) ::DestroyWindow(Handle());
}

void Dialog::CenterOnOwner() {
    if ((::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) != 0) return;
    RECT area{};
    HWND owner = ::GetWindow(Handle(), GW_OWNER);
    if (owner != nullptr && ::IsWindowVisible(owner) && !::IsIconic(owner)) {
        ::GetWindowRect(owner, &area);
    } else {
        MONITORINFO monitor{};
        monitor.cbSize = sizeof(monitor);
        ::GetMonitorInfoW(::MonitorFromWindow(Handle(), MONITOR_DEFAULTTOPRIMARY), &monitor);
        area = monitor.rcWork;
    }
    RECT window{};
    ::GetWindowRect(Handle(), &window);
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    const int x = area.left + ((area.right - area.left) - width) / 2;
    const int y = area.top + ((area.bottom - area.top) - height) / 2;
    ::SetWindowPos(Handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Dialog::OnCommand(int id, int, HWND) {
    if (modal_ && (id == IDOK || id == IDCANCEL)) {
        EndDialog(id);
        return true;
    }
    return false;
}

bool Dialog::OnMessage(UINT, WPARAM, LPARAM, LRESULT&) {
    return false;
}

INT_PTR CALLBACK Dialog::DialogProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    Dialog* self = nullptr;
    if (message == WM_INITDIALOG) {
        self = reinterpret_cast<Dialog*>(lParam);
        ::SetWindowLongPtrW(hwnd, DWLP_USER, lParam);
        self->Attach(hwnd);
    } else {
        self = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
    }
    if (self == nullptr) return FALSE;
    INT_PTR handled = FALSE;
    try {
        handled = self->Dispatch(message, wParam, lParam);
    } catch (...) {
        handled = FALSE;
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
        self->Detach();
    }
    return handled;
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const BOOL result = OnInitDialog();
            if (modal_) CenterOnOwner();
            return result;
        }
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_DRAWITEM:
            // Owner-drawn controls bound to objects draw themselves; the others are left to OnMessage.
            if (ReflectDrawItem(lParam)) return TRUE;
            [[fallthrough]];
        default: {
            LRESULT result = 0;
            if (!OnMessage(message, wParam, lParam, result)) return FALSE;
            // Messages that return a value directly rather than through DWLP_MSGRESULT.
            switch (message) {
                case WM_CTLCOLORMSGBOX:
                case WM_CTLCOLOREDIT:
                case WM_CTLCOLORLISTBOX:
                case WM_CTLCOLORBTN:
                case WM_CTLCOLORDLG:
                case WM_CTLCOLORSCROLLBAR:
                case WM_CTLCOLORSTATIC:
                case WM_COMPAREITEM:
                case WM_VKEYTOITEM:
                case WM_CHARTOITEM:
                case WM_QUERYDRAGICON:
                case WM_INITDIALOG:
                    return static_cast<INT_PTR>(result);
                default:
                    ::SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, result);
                    return TRUE;
            }
        }
    }
}

}  // namespace fw
