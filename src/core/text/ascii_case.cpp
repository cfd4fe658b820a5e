// Text comparison that ignores the case of the letters A-Z only.
#include "core/text/ascii_case.h"

#include <algorithm>

namespace aerowisp {

bool EqualsIgnoringCaseAZ(std::u16string_view a, std::u16string_view b) {
    return std::ranges::equal(a, b, [](char16_t x, char16_t y) { return UpperCaseAZ(x) == UpperCaseAZ(y); });
}

}  // namespace aerowisp
