// Loading of the running program's own resources.
#include "fw/module_resources.h"

namespace fw {

std::wstring LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands back a read-only pointer into the resource.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

namespace {

// The artwork is drawn for 96 pixels per logical inch.
constexpr int kArtworkDpi = 96;

int ReadScreenDpi() {
    const ClientDC screen(nullptr);
    if (screen.Get() == nullptr)
        return kArtworkDpi;
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSX);
    return dpi > 0 ? dpi : kArtworkDpi;
}

// The system's DPI is fixed for the logon session, so it is asked for once: every picture of the main
// window is loaded through here, and each screen DC costs a round trip to the window system.
int ScreenDpi() {
    static const int dpi = ReadScreenDpi();
    return dpi;
}

int Scaled(LONG pixels, int dpi) {
    return ::MulDiv(static_cast<int>(pixels), dpi, kArtworkDpi);
}

}  // namespace

// As a DIB section the bitmap keeps its own format: a face with a palette stays a quarter of the size
// a copy in the screen's 32-bit format would take, and draws the same. The dialogs grow with the
// screen's DPI, so the pictures in them grow alike.
Bitmap LoadBitmapResource(UINT id) {
    if (id == 0)
        return {};
    Bitmap loaded(static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                    IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    const int dpi = ScreenDpi();
    BITMAP info{};
    if (!loaded || dpi == kArtworkDpi || ::GetObjectW(loaded.Get(), sizeof(info), &info) == 0)
        return loaded;
    Bitmap scaled(static_cast<HBITMAP>(::CopyImage(loaded.Get(), IMAGE_BITMAP, Scaled(info.bmWidth, dpi),
                                                   Scaled(info.bmHeight, dpi), LR_CREATEDIBSECTION)));
    return scaled ? std::move(scaled) : std::move(loaded);
}

Icon LoadIconResource(UINT id) {
    if (id == 0)
        return {};
    // Width and height 0 without LR_DEFAULTSIZE: the icon keeps the size of the resource's image.
    Icon natural(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
    const int dpi = ScreenDpi();
    if (!natural || dpi == kArtworkDpi)
        return natural;
    const SIZE size = IconDrawSize(natural.Get());
    Icon scaled(
        static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                        Scaled(size.cx, dpi), Scaled(size.cy, dpi), LR_DEFAULTCOLOR)));
    return scaled ? std::move(scaled) : std::move(natural);
}

SIZE IconDrawSize(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info))
        return {0, 0};
    // GetIconInfo hands over copies of the icon's bitmaps.
    const Bitmap mask(info.hbmMask);
    const Bitmap color(info.hbmColor);
    return {static_cast<LONG>(2 * info.xHotspot), static_cast<LONG>(2 * info.yHotspot)};
}

}  // namespace fw
