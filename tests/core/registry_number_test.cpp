// The rule by which registry text reads as a number, and the text form of identifiers.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/platform/guid.h"
#include "core/text/registry_number.h"

namespace aerowisp {
namespace {

TEST(ParseRegistryNumber, ReadsLikeWcstol) {
    struct Case {
        std::u16string text;
        uint32_t expected;
    };
    const Case cases[] = {
        {u"1", 1},
        {u"0", 0},
        {u" 12abc", 12},
        {u"\t\n 42", 42},
        {u"abc", 0},
        {u"", 0},
        {u"-", 0},
        {u"+7", 7},
        {u"-1", 0xFFFFFFFF},
        {u"- 5", 0},
        {u"++5", 0},
        {u"0x10", 0},
        {u"2147483647", 2147483647},
        {u"2147483648", 2147483647},
        {u"99999999999999999999", 2147483647},
        {u"-2147483648", 0x80000000},
        {u"-99999999999999999999", 0x80000000},
        {u"007", 7},
        {u"12 34", 12},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.text.begin(), c.text.end()));
        EXPECT_EQ(ParseRegistryNumber(c.text), c.expected);
    }
}

TEST(Guid, TextRoundTripsInLowerCase) {
    const auto guid = GuidFromString(u"3B5F8C21-9a4e-4D7B-b0c6-2E1F7A9D4C58");
    ASSERT_TRUE(guid.has_value());
    EXPECT_EQ(guid->data1, 0x3b5f8c21u);
    EXPECT_EQ(guid->data2, 0x9a4e);
    EXPECT_EQ(guid->data3, 0x4d7b);
    EXPECT_EQ(guid->data4[0], 0xb0);
    EXPECT_EQ(guid->data4[7], 0x58);
    EXPECT_EQ(GuidToString(*guid), u"3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58");
    EXPECT_EQ(GuidFromString(GuidToString(*guid)), guid);
}

TEST(Guid, RejectsWhatTheRpcRuntimeRejects) {
    const std::u16string bad[] = {
        u"",
        u"{3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58}",
        u"3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c5",
        u"3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c588",
        u"3b5f8c21x9a4e-4d7b-b0c6-2e1f7a9d4c58",
        u"3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c5g",
        u"3b5f8c2-19a4e-4d7b-b0c6-2e1f7a9d4c58",
    };
    for (const std::u16string& text : bad) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        EXPECT_FALSE(GuidFromString(text).has_value());
    }
}

}  // namespace
}  // namespace aerowisp
