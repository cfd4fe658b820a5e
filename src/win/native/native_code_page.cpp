// NativeAnsiCodePage: each conversion asks for the size first, then converts into a buffer of that size.
#include "native/native_code_page.h"

#include <windows.h>

#include <climits>

namespace aerowisp {

std::string NativeAnsiCodePage::WideToAnsi(std::u16string_view text) {
    // The platform counts in int; text beyond that cannot be converted in one call and is refused.
    if (text.empty() || text.size() > INT_MAX)
        return {};
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(CP_ACP, 0, wide, length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return {};
    std::string result(static_cast<size_t>(bytes), '\0');
    const int written =
        ::WideCharToMultiByte(CP_ACP, 0, wide, length, result.data(), bytes, nullptr, nullptr);
    result.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return result;
}

std::optional<std::string> NativeAnsiCodePage::WideToAnsiExactly(std::u16string_view text) {
    if (text.empty())
        return std::string();
    if (text.size() > INT_MAX)
        return std::nullopt;
    const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int bytes =
        ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, nullptr, 0, nullptr, &usedDefault);
    if (bytes <= 0 || usedDefault)
        return std::nullopt;
    std::string result(static_cast<size_t>(bytes), '\0');
    const int written = ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, wide, length, result.data(),
                                              bytes, nullptr, &usedDefault);
    if (written != bytes || usedDefault)
        return std::nullopt;
    return result;
}

std::u16string NativeAnsiCodePage::AnsiToWide(std::string_view bytes) {
    if (bytes.empty() || bytes.size() > INT_MAX)
        return {};
    const int length = static_cast<int>(bytes.size());
    const int characters = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length, nullptr, 0);
    if (characters <= 0)
        return {};
    std::u16string result(static_cast<size_t>(characters), u'\0');
    const int written = ::MultiByteToWideChar(CP_ACP, 0, bytes.data(), length,
                                              reinterpret_cast<wchar_t*>(result.data()), characters);
    result.resize(written > 0 ? static_cast<size_t>(written) : 0);
    return result;
}

}  // namespace aerowisp
