// A non-owning wrapper of a window handle with the few operations the program's windows use.
#pragma once

#include <windows.h>

#include <string>

namespace fw {

class Window {
  public:
    Window() = default;
    explicit Window(HWND hwnd) : hwnd_(hwnd) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND Handle() const { return hwnd_; }
    bool IsCreated() const { return hwnd_ != nullptr && ::IsWindow(hwnd_); }

    HWND Item(int id) const { return ::GetDlgItem(hwnd_, id); }
    void SetText(const std::wstring& text) const { ::SetWindowTextW(hwnd_, text.c_str()); }
    std::wstring Text() const { return TextOf(hwnd_); }
    void SetItemText(int id, const std::wstring& text) const { ::SetDlgItemTextW(hwnd_, id, text.c_str()); }
    std::wstring ItemText(int id) const { return TextOf(Item(id)); }
    void Show(int command) const { ::ShowWindow(hwnd_, command); }
    bool IsVisible() const { return ::IsWindowVisible(hwnd_) != FALSE; }
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(hwnd_, message, wParam, lParam);
    }
    bool Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(hwnd_, message, wParam, lParam) != FALSE;
    }

    static std::wstring TextOf(HWND hwnd);

  protected:
    void Attach(HWND hwnd) { hwnd_ = hwnd; }
    void Detach() { hwnd_ = nullptr; }

    // What a dialog procedure returns for a message handled with `result`: the value itself for the
    // messages that return it directly, else TRUE with `result` in DWLP_MSGRESULT.
    static INT_PTR HandledDialogMessage(HWND dialog, UINT message, LRESULT result);

    // The part of a dialog procedure that dialogs and property pages share: the object, given with
    // WM_INITDIALOG as `created`, is kept in DWLP_USER, answers every message through `dispatch` (an
    // exception answers "not handled" rather than crossing the system's frames), and lets go of the window
    // on WM_NCDESTROY.
    template <class Owner>
    static INT_PTR RouteDialogMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, Owner* created,
                                      INT_PTR (Owner::*dispatch)(UINT, WPARAM, LPARAM)) {
        Owner* self = created;
        if (message == WM_INITDIALOG && self != nullptr) {
            ::SetWindowLongPtrW(hwnd, DWLP_USER, reinterpret_cast<LONG_PTR>(self));
            self->Attach(hwnd);
        } else {
            self = reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, DWLP_USER));
        }
        if (self == nullptr)
            return FALSE;
        INT_PTR handled = FALSE;
        try {
            handled = (self->*dispatch)(message, wParam, lParam);
        } catch (...) {
            handled = FALSE;
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, DWLP_USER, 0);
            self->Detach();
        }
        return handled;
    }

  private:
    HWND hwnd_ = nullptr;
};

}  // namespace fw
