// Subclassing plumbing of bound controls: the link to the object ends at WM_NCDESTROY or with the object, and
// exceptions never leave the window procedure.
#include "fw/control.h"

#include <commctrl.h>

namespace fw {

bool ReflectDrawItem(LPARAM drawItem) {
    const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(drawItem);
    if (item == nullptr || item->CtlType == ODT_MENU)
        return false;
    return ::SendMessageW(item->hwndItem, kReflectedDrawItem, 0, drawItem) != 0;
}

Control::~Control() {
    UnsubclassWindow();
}

bool Control::SubclassDlgItem(int id, HWND parent) {
    return SubclassWindow(::GetDlgItem(parent, id));
}

bool Control::SubclassWindow(HWND hwnd) {
    if (hwnd == nullptr || Handle() != nullptr)
        return false;
    if (!::SetWindowSubclass(hwnd, &SubclassProc, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this))) {
        return false;
    }
    Attach(hwnd);
    return true;
}

void Control::UnsubclassWindow() {
    if (Handle() == nullptr)
        return;
    ::RemoveWindowSubclass(Handle(), &SubclassProc, reinterpret_cast<UINT_PTR>(this));
    Detach();
}

LRESULT CALLBACK Control::SubclassProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                       DWORD_PTR self) {
    auto* control = reinterpret_cast<Control*>(self);
    LRESULT result = 0;
    bool handled = false;
    try {
        handled = control->OnMessage(message, wParam, lParam, result);
    } catch (...) {
        handled = false;
    }
    if (message == WM_NCDESTROY) {
        control->UnsubclassWindow();
        return ::DefSubclassProc(hwnd, message, wParam, lParam);
    }
    return handled ? result : ::DefSubclassProc(hwnd, message, wParam, lParam);
}

}  // namespace fw
