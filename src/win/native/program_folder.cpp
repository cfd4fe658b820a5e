// ProgramPath and ProgramFolder over GetModuleFileNameW.
#include "native/program_folder.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "fw/wide_text.h"

namespace aerowisp {
namespace {

constexpr DWORD kModulePathChars = 520;

}  // namespace

std::wstring ProgramPath() {
    std::array<wchar_t, kModulePathChars> path{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), kModulePathChars);
    if (length == 0 || length >= kModulePathChars)
        return {};
    return std::wstring(path.data(), length);
}

std::u16string ProgramFolder() {
    const std::wstring full = ProgramPath();
    const size_t separator = full.find_last_of(L'\\');
    if (separator == std::wstring::npos)
        return {};
    return fw::FromWide(std::wstring_view(full).substr(0, separator + 1));
}

}  // namespace aerowisp
