// Loading of the running program's own resources.
#include "fw/module_resources.h"

namespace fw {

std::wstring LoadResourceString(UINT id) {
    const wchar_t* text = nullptr;
    // With a zero buffer size LoadStringW hands back a read-only pointer into the resource.
    const int length = ::LoadStringW(::GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
    return length > 0 && text != nullptr ? std::wstring(text, static_cast<size_t>(length)) : std::wstring();
}

// As a DIB section the bitmap keeps its own format: a face with a palette stays a quarter of the size
// a copy in the screen's 32-bit format would take, and draws the same.
Bitmap LoadBitmapResource(UINT id) {
    if (id == 0)
        return {};
    return Bitmap(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

Icon LoadIconResource(UINT id) {
    if (id == 0)
        return {};
    // Width and height 0 without LR_DEFAULTSIZE: the icon keeps the size of the resource's image.
    return Icon(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON, 0, 0, LR_DEFAULTCOLOR)));
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
