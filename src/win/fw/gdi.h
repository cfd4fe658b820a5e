// Owners of GDI and user-interface handles: one small class per kind of release, so nothing is freed by hand.
#pragma once

#include <windows.h>

#include "base/handle.h"

namespace fw {

namespace detail {
inline void DeleteGdiObject(HGDIOBJ object) {
    ::DeleteObject(object);
}
inline void DestroyIconHandle(HICON icon) {
    ::DestroyIcon(icon);
}
inline void DeleteDeviceContext(HDC dc) {
    ::DeleteDC(dc);
}
inline void DestroyMenuHandle(HMENU menu) {
    ::DestroyMenu(menu);
}
inline void UnregisterDeviceNotificationHandle(HDEVNOTIFY notification) {
    ::UnregisterDeviceNotification(notification);
}
}  // namespace detail

using Bitmap = base::OwnedHandle<HBITMAP, detail::DeleteGdiObject>;
using Font = base::OwnedHandle<HFONT, detail::DeleteGdiObject>;
using Brush = base::OwnedHandle<HBRUSH, detail::DeleteGdiObject>;
using Icon = base::OwnedHandle<HICON, detail::DestroyIconHandle>;
using Menu = base::OwnedHandle<HMENU, detail::DestroyMenuHandle>;
using DeviceNotification = base::OwnedHandle<HDEVNOTIFY, detail::UnregisterDeviceNotificationHandle>;

// A memory device context compatible with `dc` (the screen when null), deleted with DeleteDC.
class MemoryDC {
  public:
    explicit MemoryDC(HDC dc) : dc_(::CreateCompatibleDC(dc)) {}
    HDC Get() const { return dc_.Get(); }
    explicit operator bool() const { return static_cast<bool>(dc_); }

  private:
    base::OwnedHandle<HDC, detail::DeleteDeviceContext> dc_;
};

// The client-area device context of a window, given back with ReleaseDC.
class ClientDC {
  public:
    explicit ClientDC(HWND hwnd) : hwnd_(hwnd), dc_(::GetDC(hwnd)) {}
    ~ClientDC() {
        if (dc_ != nullptr)
            ::ReleaseDC(hwnd_, dc_);
    }
    ClientDC(const ClientDC&) = delete;
    ClientDC& operator=(const ClientDC&) = delete;

    HDC Get() const { return dc_; }

  private:
    HWND hwnd_;
    HDC dc_;
};

// The device context of a WM_PAINT handler: BeginPaint on construction, EndPaint on destruction.
class PaintDC {
  public:
    explicit PaintDC(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &paint_)) {}
    ~PaintDC() { ::EndPaint(hwnd_, &paint_); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;

    HDC Get() const { return dc_; }
    const PAINTSTRUCT& Paint() const { return paint_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// Selects an object into a device context and puts the previous one back, so the object can be deleted.
class SelectObjectGuard {
  public:
    SelectObjectGuard(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectObjectGuard() {
        if (previous_ != nullptr && previous_ != HGDI_ERROR)
            ::SelectObject(dc_, previous_);
    }
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace fw
