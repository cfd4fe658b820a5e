// What the parser fuzz targets share: the input as bytes or as text, and the check that traps on a broken
// rule so libFuzzer keeps the input.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace aerowisp::fuzz {

inline std::string_view Bytes(const uint8_t* data, size_t size) {
    return {reinterpret_cast<const char*>(data), size};
}

// Each byte as one UTF-16 unit, so every input is some text.
inline std::u16string Widen(std::string_view bytes) {
    std::u16string text;
    for (char c : bytes)
        text += static_cast<char16_t>(static_cast<unsigned char>(c));
    return text;
}

inline void Require(bool holds) {
    if (!holds)
        __builtin_trap();
}

}  // namespace aerowisp::fuzz
