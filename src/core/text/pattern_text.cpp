// Filling "%s" places.
#include "core/text/pattern_text.h"

namespace aerowisp {

std::u16string FillPattern(std::u16string_view pattern, std::initializer_list<std::u16string_view> values) {
    constexpr std::u16string_view kPlace = u"%s";
    std::u16string text;
    for (std::u16string_view value : values) {
        const size_t place = pattern.find(kPlace);
        if (place == std::u16string_view::npos)
            break;
        text.append(pattern.substr(0, place)).append(value);
        pattern.remove_prefix(place + kPlace.size());
    }
    return text.append(pattern);
}

}  // namespace aerowisp
