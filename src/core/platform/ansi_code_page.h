// Port: conversions between the program's wide text and the system's ANSI code page.
// Implementations: NativeAnsiCodePage (src/win/native, WideCharToMultiByte / MultiByteToWideChar with
// CP_ACP), IconvCodePage (tests/core/support, a chosen code page such as CP1252, GBK or BIG5).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

class AnsiCodePage {
  public:
    virtual ~AnsiCodePage() = default;

    // WideCharToMultiByte(CP_ACP, 0, ...) with no terminator in the result. A character the code
    // page lacks becomes a similar one where the platform has a best-fit mapping (U+0100 gives "A"),
    // else the code page's default character ('?').
    virtual std::string WideToAnsi(std::u16string_view text) = 0;
    // The ANSI form of `text` when every character has one of its own, with no best-fit mapping and no
    // default character (WideCharToMultiByte with WC_NO_BEST_FIT_CHARS, lpUsedDefaultChar not set);
    // nothing otherwise. Empty text converts to empty bytes.
    virtual std::optional<std::string> WideToAnsiExactly(std::u16string_view text) = 0;
    // MultiByteToWideChar(CP_ACP, 0, ...) with no terminator in the result. A byte sequence the code
    // page does not define becomes U+003F or the platform's replacement, never an error.
    virtual std::u16string AnsiToWide(std::string_view bytes) = 0;
};

}  // namespace aerowisp
