// The A-Z-only case rule, the input rules of the hosted network's name and key, and the forms the name
// and key take for the WLAN service and netsh.exe.
#include <gtest/gtest.h>

#include <string>

#include "core/hostednet/ap_input_rules.h"
#include "core/hostednet/service_text.h"
#include "core/text/ascii_case.h"
#include "support/iconv_code_page.h"

namespace aerowisp {
namespace {

std::u16string Repeat(std::u16string_view unit, size_t times) {
    std::u16string text;
    for (size_t i = 0; i < times; ++i)
        text += unit;
    return text;
}

TEST(EqualsIgnoringCaseAZ, FoldsOnlyTheLettersAToZ) {
    struct Case {
        std::u16string a;
        std::u16string b;
        bool equal;
    };
    const Case cases[] = {
        {u"DuvaDI", u"duvadi", true},
        {u"AZaz", u"azAZ", true},
        {u"", u"", true},
        {u"abc", u"abcd", false},
        {u"caf\u00e9", u"CAF\u00c9", false},  // é and É differ
        {u"\u00e4", u"\u00c4", false},
        {u"[", u"{", false},  // 0x5B and 0x7B are 0x20 apart but not letters
        {u"@", u"`", false},
        {u"key 1", u"KEY 1", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(EqualsIgnoringCaseAZ(c.a, c.b), c.equal);
        EXPECT_EQ(EqualsIgnoringCaseAZ(c.b, c.a), c.equal);
    }
}

TEST(ValidateApInput, ChecksSsidThenKeyThenConfirmation) {
    test::IconvCodePage cp1252("CP1252");
    test::IconvCodePage cp1257("CP1257");  // Baltic: has U+0100
    test::IconvCodePage gbk("GBK");
    const std::u16string hex64 = Repeat(u"0123456789abcdEF", 4);
    const std::u16string printable = u" !\"#$%&'()*+,-./0123456789:;<=>?@AZ[\\]^_`az{|}~";
    struct Case {
        const char* label;
        std::u16string ssid;
        std::u16string key;
        std::u16string confirmation;
        ApInputFault fault;
        test::IconvCodePage* codePage = nullptr;  // CP1252 when not given
    };
    const Case cases[] = {
        {"plain", u"DuvaDI", u"12345678", u"12345678", ApInputFault::kNone},
        {"empty ssid", u"", u"12345678", u"12345678", ApInputFault::kInvalidSsid},
        {"ssid of 32", Repeat(u"s", 32), u"12345678", u"12345678", ApInputFault::kNone},
        {"ssid of 33", Repeat(u"s", 33), u"12345678", u"12345678", ApInputFault::kInvalidSsid},
        {"ssid with U+0100 where the code page has it", u"a\u0100", u"12345678", u"12345678",
         ApInputFault::kNone, &cp1257},
        {"ssid with U+0100 only by best fit", u"a\u0100", u"12345678", u"12345678",
         ApInputFault::kInvalidSsid},
        {"ssid with U+0101", u"a\u0101", u"12345678", u"12345678", ApInputFault::kInvalidSsid, &cp1257},
        {"ssid with CJK", u"\u7f51\u7edc", u"12345678", u"12345678", ApInputFault::kInvalidSsid, &gbk},
        {"ssid of 16 accented letters in GBK", Repeat(u"\u00e9", 16), u"12345678", u"12345678",
         ApInputFault::kNone, &gbk},
        {"ssid of 17 accented letters: 34 bytes in GBK", Repeat(u"\u00e9", 17), u"12345678", u"12345678",
         ApInputFault::kInvalidSsid, &gbk},
        {"key of 7", u"n", u"1234567", u"1234567", ApInputFault::kInvalidKey},
        {"key of 8", u"n", u"1234567 ", u"1234567 ", ApInputFault::kNone},
        {"every printable ASCII character", u"n", printable, printable, ApInputFault::kNone},
        {"key of 63 quotes", u"n", Repeat(u"\"", 63), Repeat(u"\"", 63), ApInputFault::kNone},
        {"Cyrillic key", u"n", u"\u043f\u0430\u0440\u043e\u043b\u044c12",
         u"\u043f\u0430\u0440\u043e\u043b\u044c12", ApInputFault::kInvalidKey},
        {"accented key", u"n", u"S\u00e9cret12", u"S\u00e9cret12", ApInputFault::kInvalidKey},
        {"key with a tab", u"n", u"secret\t12", u"secret\t12", ApInputFault::kInvalidKey},
        {"key with DEL", u"n", u"secret\x7f12", u"secret\x7f12", ApInputFault::kInvalidKey},
        {"key of 64 hex", u"n", hex64, hex64, ApInputFault::kNone},
        {"key of 64 with g", u"n", Repeat(u"g", 64), Repeat(u"g", 64), ApInputFault::kInvalidKey},
        {"key of 64 with space", u"n", hex64.substr(0, 63) + u" ", hex64.substr(0, 63) + u" ",
         ApInputFault::kInvalidKey},
        {"key of 65", u"n", Repeat(u"k", 65), Repeat(u"k", 65), ApInputFault::kInvalidKey},
        {"confirmation differs in A-Z case", u"n", u"Secret12", u"sECRET12", ApInputFault::kKeyMismatch},
        {"hex confirmation differs in case", u"n", hex64, Repeat(u"0123456789ABCDEF", 4),
         ApInputFault::kKeyMismatch},
        {"confirmation differs", u"n", u"Secret12", u"Secret13", ApInputFault::kKeyMismatch},
        {"both bad: ssid reported", u"", u"short", u"other", ApInputFault::kInvalidSsid},
        {"key and confirmation bad: key reported", u"n", u"short", u"other", ApInputFault::kInvalidKey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(ValidateApInput(c.ssid, c.key, c.confirmation, c.codePage ? *c.codePage : cp1252), c.fault);
    }
}

TEST(IsUsableStoredApInput, RefusesWhatTypedInputCouldNotHold) {
    test::IconvCodePage cp1252("CP1252");
    test::IconvCodePage gbk("GBK");
    struct Case {
        const char* label;
        std::u16string ssid;
        std::u16string key;
        test::IconvCodePage& codePage;
        bool usable;
    };
    const Case cases[] = {
        {"plain", u"DuvaDI", u"12345678", cp1252, true},
        {"64 hex digits", u"DuvaDI", Repeat(u"ab", 32), cp1252, true},
        {"64 characters with a space", u"DuvaDI", Repeat(u"ab", 31) + u"a ", cp1252, false},
        {"Cyrillic key", u"DuvaDI", u"\u043f\u0430\u0440\u043e\u043b\u044c12", cp1252, false},
        {"name without an exact ANSI form", u"a\u0100", u"12345678", cp1252, false},
        {"key of 65", u"DuvaDI", Repeat(u"k", 65), cp1252, false},
        {"key of 300", u"DuvaDI", Repeat(u"k", 300), cp1252, false},
        {"ssid of 33", Repeat(u"s", 33), u"12345678", cp1252, false},
        {"key of 7", u"DuvaDI", u"1234567", cp1252, false},
        // é is one byte in CP1252 but two in GBK.
        {"16 accented letters in GBK", Repeat(u"\u00e9", 16), u"12345678", gbk, true},
        {"17 accented letters in GBK", Repeat(u"\u00e9", 17), u"12345678", gbk, false},
        {"17 accented letters in CP1252", Repeat(u"\u00e9", 17), u"12345678", cp1252, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(IsUsableStoredApInput(c.ssid, c.key, c.codePage), c.usable);
    }
}

std::string SsidBytes(const Dot11Ssid& ssid) {
    return std::string(reinterpret_cast<const char*>(ssid.ssid.data()), ssid.length);
}

TEST(SsidForService, KeepsWholeCharactersWithinThe32ByteField) {
    test::IconvCodePage cp1252("CP1252");
    test::IconvCodePage gbk("GBK");
    test::IconvCodePage big5("BIG5");
    const std::string gbkE = "\xa8\xa6";  // é in GBK
    struct Case {
        const char* label;
        std::u16string ssid;
        test::IconvCodePage& codePage;
        std::string bytes;
    };
    const Case cases[] = {
        {"ascii", u"DuvaDI", cp1252, "DuvaDI"},
        {"latin in CP1252", u"Caf\u00e9", cp1252, "Caf\xe9"},
        {"no ANSI form: default character", u"a\u4e00", cp1252, "a?"},
        {"32 bytes in GBK", Repeat(u"\u00e9", 16), gbk,
         [&] {
             std::string s;
             for (int i = 0; i < 16; ++i)
                 s += gbkE;
             return s;
         }()},
        {"34 bytes in GBK: cut after 16", Repeat(u"\u00e9", 17), gbk,
         [&] {
             std::string s;
             for (int i = 0; i < 16; ++i)
                 s += gbkE;
             return s;
         }()},
        {"33 bytes in GBK: the split character goes", u"a" + Repeat(u"\u00e9", 16), gbk,
         [&] {
             std::string s = "a";
             for (int i = 0; i < 15; ++i)
                 s += gbkE;
             return s;
         }()},
        {"CJK in BIG5", u"\u4e00\u4e8c", big5, "\xa4\x40\xa4\x47"},
        {"ascii of 40 in CP1252", Repeat(u"x", 40), cp1252, std::string(32, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Dot11Ssid ssid = SsidForService(c.ssid, c.codePage);
        EXPECT_EQ(SsidBytes(ssid), c.bytes);
        EXPECT_TRUE(
            std::all_of(ssid.ssid.begin() + ssid.length, ssid.ssid.end(), [](uint8_t b) { return b == 0; }));
    }
}

TEST(ConnectionSettingsFor, AdmitsTwentyStations) {
    test::IconvCodePage cp1252("CP1252");
    HostedNetworkConnectionSettings settings = ConnectionSettingsFor(u"DuvaDI", cp1252);
    EXPECT_EQ(settings.maxNumberOfPeers, 20u);
    EXPECT_EQ(settings.ssid.length, 6u);
}

TEST(NetshKeyParameters, PutsTheKeyAfterKeyEquals) {
    EXPECT_EQ(NetshKeyParameters(u"00ff"), u"wlan set hostednetwork key=00ff");
}

}  // namespace
}  // namespace aerowisp
