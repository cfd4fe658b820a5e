// Resources of the running program (strings, bitmaps, icons) addressed by number.
#pragma once

#include <windows.h>

#include <string>

#include "fw/gdi.h"

namespace fw {

// The string-table entry `id`, or empty text when there is none.
std::wstring LoadResourceString(UINT id);
// Pictures are drawn for 96 DPI; on a screen of another DPI both loaders scale them by the screen's DPI
// over 96, as the dialogs around them grow with the system font.
// Bitmap resource `id`; empty when `id` is 0 or there is no such bitmap.
Bitmap LoadBitmapResource(UINT id);
// Icon resource `id` at the size of its first image, scaled; empty when `id` is 0 or there is no such icon.
Icon LoadIconResource(UINT id);
// The size an icon is drawn at: twice its hot spot, which for an icon is its centre. 0 x 0 for no icon.
SIZE IconDrawSize(HICON icon);

}  // namespace fw
