// What the parser fuzz targets share: the input as bytes or as text, and the check that traps on a broken
// rule so libFuzzer keeps the input.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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

// The command-line arguments in the input, separated by zero bytes, each widened.
inline std::vector<std::u16string> Arguments(std::string_view bytes) {
    std::vector<std::u16string> arguments;
    for (size_t start = 0; start <= bytes.size();) {
        const size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments.push_back(Widen(bytes.substr(start, end - start)));
        start = end + 1;
    }
    return arguments;
}

inline void Require(bool holds) {
    if (!holds)
        __builtin_trap();
}

}  // namespace aerowisp::fuzz
