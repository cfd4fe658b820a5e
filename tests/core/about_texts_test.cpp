// The About page's rules: which web addresses an elevated program may hand to the shell, and the version
// and date texts from the program's version resource and file time.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "core/lang/language_strings.h"
#include "core/widgets/about_texts.h"

namespace aerowisp {
namespace {

const std::u16string kBuiltIn(kMakerWebAddress.englishDefault);

TEST(WebAddress, OnlyAbsoluteHttpAddressesAreOpened) {
    const std::u16string longPath(2000 - 20, u'a');
    const std::u16string tooLong(kMaxWebAddressLength - 19, u'a');
    struct Case {
        std::u16string languageText;
        std::u16string opened;
    };
    const Case cases[] = {
        {u"http://example.com/", u"http://example.com/"},
        {u"HTTPS://example.com/a?b=c#d\r\n", u"HTTPS://example.com/a?b=c#d"},
        {u"  https://example.com/\t\r\n", u"https://example.com/"},
        {u"https://例子.中国/", u"https://例子.中国/"},
        {u"https://example.com/" + longPath, u"https://example.com/" + longPath},  // 2,000 characters
        {u"https://example.com/" + tooLong, kBuiltIn},
        {u"", kBuiltIn},
        {u"\r\n", kBuiltIn},
        {u"file:///C:/Windows/System32/calc.exe", kBuiltIn},
        {u"C:\\Windows\\System32\\calc.exe", kBuiltIn},
        {u"cmd.exe", kBuiltIn},
        {u"cmd.exe /c calc", kBuiltIn},
        {u"\\\\server\\share\\setup.exe", kBuiltIn},
        {u"//server/share", kBuiltIn},
        {u"https://example.com/a b", kBuiltIn},
        {u"https://example.com/\"--flag", kBuiltIn},
        {u"https://example.com/\\..\\x", kBuiltIn},
        {u"https://exam\tple.com/", kBuiltIn},
        {u"https://example.com/\x85", kBuiltIn},
        {u"https://example.com/\u3000", kBuiltIn},
        {u"http://", kBuiltIn},
        {u"https:///etc/passwd", kBuiltIn},
        {u"http:/example.com", kBuiltIn},
        {u"ftp://example.com/", kBuiltIn},
        {u"javascript:alert(1)", kBuiltIn},
        {u"mailto:someone@example.com", kBuiltIn},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.languageText.begin(),
                                 c.languageText.begin() + std::min<size_t>(c.languageText.size(), 40)));
        EXPECT_EQ(WebAddressToOpen(c.languageText), c.opened);
    }
    EXPECT_TRUE(IsOpenableWebAddress(kBuiltIn));
}

// A VS_VERSIONINFO root block: header, key, padding, VS_FIXEDFILEINFO (52 bytes), then children.
std::vector<uint8_t> VersionBlock(uint32_t ms, uint32_t ls, uint32_t signature = 0xFEEF04BD,
                                  std::u16string key = u"VS_VERSION_INFO") {
    std::vector<uint8_t> block;
    auto word = [&](uint32_t value) {
        block.push_back(static_cast<uint8_t>(value));
        block.push_back(static_cast<uint8_t>(value >> 8));
    };
    auto dword = [&](uint32_t value) {
        word(value & 0xFFFF);
        word(value >> 16);
    };
    word(0);   // wLength, set below
    word(52);  // wValueLength
    word(0);   // wType
    for (char16_t c : key)
        word(c);
    word(0);
    while (block.size() % 4 != 0)
        block.push_back(0);
    dword(signature);
    dword(0x00010000);
    dword(ms);
    dword(ls);
    for (int i = 0; i < 9; ++i)
        dword(0);
    block.resize(block.size() + 40, 0);  // the StringFileInfo child, as far as this reader cares
    block[0] = static_cast<uint8_t>(block.size());
    block[1] = static_cast<uint8_t>(block.size() >> 8);
    return block;
}

TEST(FileVersionText, ComesFromTheFixedFileInfoOfAWholeBlock) {
    const std::vector<uint8_t> good = VersionBlock(0x00020000, 0x00010003);
    std::vector<uint8_t> overlong = good;
    overlong[0] = static_cast<uint8_t>(good.size() + 2);
    std::vector<uint8_t> shortValue = good;
    shortValue[2] = 51;
    struct Case {
        const char* name;
        std::vector<uint8_t> block;
        std::u16string text;
    };
    const Case cases[] = {
        {"2.0.1.3", good, u"2.0.1.3\n"},
        {"largest parts", VersionBlock(0xFFFFFFFF, 0x0000FFFF), u"65535.65535.0.65535\n"},
        {"no resource", {}, u""},
        {"cut before the fixed part ends", std::vector<uint8_t>(good.begin(), good.begin() + 91), u""},
        {"longer than the block", overlong, u""},
        {"value shorter than the fixed part", shortValue, u""},
        {"wrong signature", VersionBlock(0x00020000, 0x00010003, 0xFEEF04BC), u""},
        {"another key", VersionBlock(0x00020000, 0x00010003, 0xFEEF04BD, u"VS_VERSION_INFX"), u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(FileVersionText(c.block), c.text);
    }
}

TEST(FileDateText, FormatsCalendarDaysOnly) {
    struct Case {
        CalendarDate date;
        std::u16string text;
    };
    const Case cases[] = {
        {{2011, 6, 30}, u"06-30-2011"},
        {{2024, 2, 29}, u"02-29-2024"},
        {{1601, 1, 1}, u"01-01-1601"},
        {{9999, 12, 31}, u"12-31-9999"},
        {{2023, 2, 29}, u""},
        {{1900, 2, 29}, u""},
        {{2000, 2, 29}, u"02-29-2000"},
        {{2011, 4, 31}, u""},
        {{2011, 13, 1}, u""},
        {{2011, 0, 1}, u""},
        {{2011, 1, 0}, u""},
        {{1600, 12, 31}, u""},
        {{10000, 1, 1}, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.year * 10000 + c.date.month * 100 + c.date.day);
        EXPECT_EQ(FileDateText(c.date), c.text);
    }
}

}  // namespace
}  // namespace aerowisp
