// Numbers and hardware addresses as the pages show them.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace aerowisp {

// "%d".
std::u16string DecimalText(int64_t value);

// "0x%08X", as HRESULTs are written.
std::u16string HexCodeText(uint32_t value);

// The value of a hexadecimal digit in either case; -1 for any other character.
int HexDigitValue(char16_t c);

// "%02X-%02X-%02X-%02X-%02X-%02X": upper-case hexadecimal, hyphens.
std::u16string MacAddressText(const std::array<uint8_t, 6>& address);

}  // namespace aerowisp
