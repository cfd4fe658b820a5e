// A 128-bit interface or connection identifier in the platform's layout, with its text form.
#pragma once

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    friend auto operator<=>(const Guid&, const Guid&) = default;
};

// The form UuidToStringW gives: 36 lower-case hex digits and dashes, no braces.
std::u16string GuidToString(const Guid& guid);

// Accepts what UuidFromStringW accepts (either case, no braces); nothing for anything else.
std::optional<Guid> GuidFromString(std::u16string_view text);

}  // namespace aerowisp
