// A registry value as the registry holds it: a type and raw bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp {

// The registry's own type numbers.
enum class RegistryValueType : uint32_t { kNone = 0, kSz = 1, kExpandSz = 2, kBinary = 3, kDword = 4 };

struct RegistryValue {
    RegistryValueType type = RegistryValueType::kNone;
    std::vector<uint8_t> data;

    static RegistryValue Dword(uint32_t value);
    // Text values are stored as UTF-16LE with their terminating zero, as RegSetValueExW stores them.
    static RegistryValue Sz(std::u16string_view text);
    static RegistryValue ExpandSz(std::u16string_view text);
    static RegistryValue Binary(std::vector<uint8_t> bytes);

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;
};

// "REG_DWORD" and the like.
std::string_view RegistryTypeName(RegistryValueType type);

// The UTF-16 text of a value's bytes as they are (an odd last byte is dropped), zeros included.
std::u16string RegistryDataAsText(const std::vector<uint8_t>& data);

}  // namespace aerowisp
