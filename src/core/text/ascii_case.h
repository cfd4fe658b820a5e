// Text comparison that ignores the case of the letters A-Z only, the program's one notion of "ignoring case".
#pragma once

#include <string_view>

namespace aerowisp {

// 'a'-'z' become 'A'-'Z'; every other code unit, accented letters included, stays as it is.
constexpr char16_t UpperCaseAZ(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - (u'a' - u'A')) : c;
}

// Equal when the texts have the same length and each pair of code units is equal after UpperCaseAZ.
bool EqualsIgnoringCaseAZ(std::u16string_view a, std::u16string_view b);

}  // namespace aerowisp
