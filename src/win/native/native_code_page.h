// The system's ANSI code page of the real machine: WideCharToMultiByte / MultiByteToWideChar with CP_ACP.
#pragma once

#include "core/platform/ansi_code_page.h"

namespace aerowisp {

class NativeAnsiCodePage final : public AnsiCodePage {
  public:
    std::string WideToAnsi(std::u16string_view text) override;
    std::optional<std::string> WideToAnsiExactly(std::u16string_view text) override;
    std::u16string AnsiToWide(std::string_view bytes) override;
};

}  // namespace aerowisp
