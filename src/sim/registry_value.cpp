// Registry values of the simulated settings store.
#include "sim/registry_value.h"

namespace aerowisp {
namespace {

RegistryValue TextValue(RegistryValueType type, std::u16string_view text) {
    RegistryValue value{type, {}};
    value.data.reserve((text.size() + 1) * 2);
    for (char16_t c : text) {
        value.data.push_back(static_cast<uint8_t>(c & 0xFF));
        value.data.push_back(static_cast<uint8_t>(c >> 8));
    }
    value.data.push_back(0);
    value.data.push_back(0);
    return value;
}

}  // namespace

RegistryValue RegistryValue::Dword(uint32_t value) {
    return {RegistryValueType::kDword,
            {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8), static_cast<uint8_t>(value >> 16),
             static_cast<uint8_t>(value >> 24)}};
}

RegistryValue RegistryValue::Sz(std::u16string_view text) {
    return TextValue(RegistryValueType::kSz, text);
}

RegistryValue RegistryValue::ExpandSz(std::u16string_view text) {
    return TextValue(RegistryValueType::kExpandSz, text);
}

RegistryValue RegistryValue::Binary(std::vector<uint8_t> bytes) {
    return {RegistryValueType::kBinary, std::move(bytes)};
}

std::string_view RegistryTypeName(RegistryValueType type) {
    switch (type) {
        case RegistryValueType::kSz:
            return "REG_SZ";
        case RegistryValueType::kExpandSz:
            return "REG_EXPAND_SZ";
        case RegistryValueType::kBinary:
            return "REG_BINARY";
        case RegistryValueType::kDword:
            return "REG_DWORD";
        case RegistryValueType::kNone:
            break;
    }
    return "REG_NONE";
}

std::u16string RegistryDataAsText(const std::vector<uint8_t>& data) {
    std::u16string text;
    text.reserve(data.size() / 2);
    for (size_t i = 0; i + 1 < data.size(); i += 2) {
        text.push_back(static_cast<char16_t>(data[i] | (data[i + 1] << 8)));
    }
    return text;
}

}  // namespace aerowisp
