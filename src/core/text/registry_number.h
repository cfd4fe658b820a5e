// The rule by which a registry value stored as text reads as a 32-bit number.
#pragma once

#include <cstdint>
#include <string_view>

namespace aerowisp {

// Signed decimal, like the C run-time's wcstol: leading white space and one sign are accepted,
// parsing stops at the first non-digit, text that does not begin with a number gives 0, and a
// number beyond the 32-bit range is clamped to it. The result is the DWORD's bit pattern.
uint32_t ParseRegistryNumber(std::u16string_view text);

}  // namespace aerowisp
