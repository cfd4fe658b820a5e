// Dialog procedure plumbing: `this` is stored at WM_INITDIALOG and unlinked at WM_NCDESTROY, so no
// handler runs on a half-destroyed object; exceptions never leave the dialog procedure.
#include "fw/dialog.h"

#include <cstring>
#include <vector>

#include "fw/control.h"

namespace fw {

Dialog::~Dialog() {
    if (IsCreated() && !modal_) {
        ::SetWindowLongPtrW(Handle(), DWLP_USER, 0);
        ::DestroyWindow(Handle());
    }
}

// The modal run shows the dialog the first time its message queue runs empty, whatever the template
// says. A template's WS_VISIBLE would show it earlier as well, at creation, and a hide decided between
// the two (at the first frame paint, or by a command already queued) would be undone by the second;
// so the dialog is created from a copy of its template without WS_VISIBLE and appears once, then.
INT_PTR Dialog::DoModal(HWND parent) {
    modal_ = true;
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(templateId_), RT_DIALOG);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const void* bytes = loaded != nullptr ? ::LockResource(loaded) : nullptr;
    const DWORD size = found != nullptr ? ::SizeofResource(module, found) : 0;
    constexpr DWORD kExtendedStyleOffset = 12;  // DLGTEMPLATEEX: dlgVer, signature, helpID, exStyle, style
    // Far beyond any template of ours; a resource this odd goes to the dialog manager as it is.
    constexpr DWORD kLargestTemplate = 0x10000;
    if (bytes == nullptr || size < kExtendedStyleOffset + sizeof(DWORD) || size > kLargestTemplate)
        return ::DialogBoxParamW(module, MAKEINTRESOURCEW(templateId_), parent, &DialogProc,
                                 reinterpret_cast<LPARAM>(this));
    std::vector<DWORD> copy((size + sizeof(DWORD) - 1) / sizeof(DWORD));  // templates are DWORD-aligned
    std::memcpy(copy.data(), bytes, size);
    const auto* words = reinterpret_cast<const WORD*>(copy.data());
    const bool extended = words[0] == 1 && words[1] == 0xFFFF;
    copy[extended ? kExtendedStyleOffset / sizeof(DWORD) : 0] &= ~static_cast<DWORD>(WS_VISIBLE);
    return ::DialogBoxIndirectParamW(module, reinterpret_cast<LPCDLGTEMPLATEW>(copy.data()), parent,
                                     &DialogProc, reinterpret_cast<LPARAM>(this));
}

bool Dialog::Create(HWND parent) {
    modal_ = false;
    return ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(templateId_), parent,
                                &DialogProc, reinterpret_cast<LPARAM>(this)) != nullptr;
}

void Dialog::EndDialog(INT_PTR result) {
    ::EndDialog(Handle(), result);
}

void Dialog::Destroy() {
    if (IsCreated())
        ::DestroyWindow(Handle());
}

void Dialog::CenterOnOwner() {
    if ((::GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_CHILD) != 0)
        return;
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
    Dialog* created = message == WM_INITDIALOG ? reinterpret_cast<Dialog*>(lParam) : nullptr;
    return RouteDialogMessage(hwnd, message, wParam, lParam, created, &Dialog::Dispatch);
}

INT_PTR Dialog::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const BOOL result = OnInitDialog();
            if (modal_)
                CenterOnOwner();
            return result;
        }
        case WM_COMMAND:
            return OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)) ? TRUE : FALSE;
        case WM_DRAWITEM:
            // Owner-drawn controls bound to objects draw themselves; the others are left to OnMessage.
            if (ReflectDrawItem(lParam))
                return TRUE;
            [[fallthrough]];
        default: {
            LRESULT result = 0;
            if (!OnMessage(message, wParam, lParam, result))
                return FALSE;
            return HandledDialogMessage(Handle(), message, result);
        }
    }
}

}  // namespace fw
