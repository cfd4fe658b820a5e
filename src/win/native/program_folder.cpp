// ProgramFolder over GetModuleFileNameW.
#include "native/program_folder.h"

#include <windows.h>

#include <array>
#include <string_view>

#include "fw/wide_text.h"

namespace aerowisp {
namespace {

constexpr DWORD kModulePathChars = 520;

}  // namespace

std::u16string ProgramFolder() {
    std::array<wchar_t, kModulePathChars> path{};
    const DWORD length = ::GetModuleFileNameW(nullptr, path.data(), kModulePathChars);
    // A path cut to fit the buffer would name another folder.
    if (length == 0 || length >= kModulePathChars)
        return {};
    const std::wstring_view full(path.data(), length);
    const size_t separator = full.find_last_of(L'\\');
    if (separator == std::wstring_view::npos)
        return {};
    return fw::FromWide(full.substr(0, separator + 1));
}

}  // namespace aerowisp
