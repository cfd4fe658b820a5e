// Small pieces of text shared by the log, the lease file and the settings reader.
#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace aerowisp::dhcp {

// Two lower-case hexadecimal digits per byte, `separator` between bytes unless it is '\0'.
std::string HexText(std::span<const uint8_t> bytes, char separator = '\0');

}  // namespace aerowisp::dhcp
