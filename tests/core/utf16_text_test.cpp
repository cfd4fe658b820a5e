// UTF-16 text: cuts that keep surrogate pairs whole, and the UTF-8 forms both ways.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

const std::u16string kKey = u"\U0001F511";  // one character, a surrogate pair
const std::u16string kLoneHigh(1, char16_t{0xD800});
const std::u16string kLoneLow(1, char16_t{0xDC00});

TEST(CutWithoutSplittingPairs, KeepsAtMostTheUnitsAndNeverHalfAPair) {
    struct Case {
        std::u16string text;
        size_t maxUnits;
        std::u16string cut;
    };
    const Case cases[] = {
        {u"abc", 5, u"abc"},
        {u"abc", 3, u"abc"},
        {u"abc", 0, u""},
        {u"ab" + kKey, 3, u"ab"},         // the pair would be split: it goes whole
        {u"ab" + kKey, 4, u"ab" + kKey},  // it fits exactly
        {kKey + u"c", 1, u""},
        {u"a" + kLoneHigh, 2, u"a" + kLoneHigh},  // nothing is cut, so a lone unit stays as it was
        {u"a" + kLoneLow + u"b", 2, u"a" + kLoneLow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(CutWithoutSplittingPairs(c.text, c.maxUnits), c.cut);
    }
}

TEST(Utf8Forms, EncodeEveryUnitAndDecodeOnlyWellFormedText) {
    struct Case {
        std::u16string utf16;
        std::string utf8;
        bool decodesBack;  // false: the UTF-8 holds U+FFFD where the UTF-16 had an unpaired surrogate
    };
    const Case cases[] = {
        {u"", "", true},
        {u"A\u00e9\u0800\uffff", "A\xc3\xa9\xe0\xa0\x80\xef\xbf\xbf", true},
        {kKey, "\xf0\x9f\x94\x91", true},
        {u"a" + kLoneHigh + u"b",
         "a\xef\xbf\xbd"
         "b",
         false},
        {kLoneLow + kLoneHigh, "\xef\xbf\xbd\xef\xbf\xbd", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(Utf16ToUtf8(c.utf16), c.utf8);
        if (c.decodesBack) {
            EXPECT_EQ(Utf8ToUtf16(c.utf8), c.utf16);
        }
    }

    const std::string malformed[] = {
        "\x80",              // a continuation byte first
        "\xc3",              // cut short
        "\xe4\xb8",          // cut short
        "\xc3\x28",          // no continuation byte
        "\xc0\xaf",          // overlong
        "\xf0\x80\x80\xaf",  // overlong
        "\xed\xb0\x80",      // a surrogate
        "\xf4\x90\x80\x80",  // above U+10FFFF
        "\xf8\x88\x80\x80\x80",
    };
    for (const std::string& text : malformed) {
        SCOPED_TRACE(testing::PrintToString(text));
        EXPECT_EQ(Utf8ToUtf16(text), std::nullopt);
    }
}

}  // namespace
}  // namespace aerowisp
