// Conversions between the core's UTF-16 text, UTF-8 bytes and the Win32 wide strings (the same 16-bit units
// on Windows).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace fw {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "Win32 wide characters are UTF-16 code units");

inline std::wstring ToWide(std::u16string_view text) {
    return std::wstring(text.begin(), text.end());
}

inline std::u16string FromWide(std::wstring_view text) {
    return std::u16string(text.begin(), text.end());
}

// Bytes that are not UTF-8 become U+FFFD, so text from a damaged file still reaches the user.
inline std::wstring WideFromUtf8(std::string_view utf8) {
    if (utf8.empty())
        return {};
    const int length = static_cast<int>(utf8.size());
    const int wideLength = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (wideLength <= 0)
        return {};
    std::wstring wide(static_cast<size_t>(wideLength), L'\0');
    ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

}  // namespace fw
