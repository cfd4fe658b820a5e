// Conversions between the core's UTF-16 text and the Win32 wide strings (the same 16-bit units on Windows).
#pragma once

#include <string>
#include <string_view>

namespace aerowisp {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 code units");

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

}  // namespace aerowisp
