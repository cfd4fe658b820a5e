// UTF-16 text as Windows keeps it: surrogate pairs, cuts that keep pairs whole, and UTF-8 forms.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

constexpr bool IsHighSurrogate(char16_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
constexpr bool IsLowSurrogate(char16_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// At most `maxUnits` code units of `text`, one fewer when the cut would leave half a surrogate pair.
std::u16string CutWithoutSplittingPairs(std::u16string_view text, size_t maxUnits);

// Walks UTF-16 text as code points, unpaired surrogates as U+FFFD.
template <typename Visit>
void ForEachCodePoint(std::u16string_view text, Visit visit) {
    for (size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            ++i;
        } else if (IsHighSurrogate(text[i]) || IsLowSurrogate(text[i])) {
            c = kReplacementCharacter;
        }
        visit(c);
    }
}

void AppendUtf8(std::string& out, char32_t codePoint);
// Unpaired surrogates become U+FFFD.
std::string Utf16ToUtf8(std::u16string_view text);
// Nothing when `text` is not well-formed UTF-8.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

}  // namespace aerowisp
