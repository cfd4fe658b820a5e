// QR code symbols: capacities, the version and level chosen, refusals, and symbols that a real reader
// (zbarimg of Debian's zbar-tools) decodes back to their text.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "core/hostednet/join_code.h"
#include "core/qr/qr_code.h"
#include "core/qr/reed_solomon.h"

namespace aerowisp::qr {
namespace {

using enum ErrorCorrection;

// Blocks of published examples of version 1-M symbols with their error correction codewords.
TEST(ReedSolomonRemainder, GivesThePublishedErrorCorrectionCodewords) {
    struct Case {
        std::vector<uint8_t> data;
        std::vector<uint8_t> ec;
    };
    const Case cases[] = {
        {{0x20, 0x5B, 0x0B, 0x78, 0xD1, 0x72, 0xDC, 0x4D, 0x43, 0x40, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11},
         {0xC4, 0x23, 0x27, 0x77, 0xEB, 0xD7, 0xE7, 0xE2, 0x5D, 0x17}},
        {{0x10, 0x20, 0x0C, 0x56, 0x61, 0x80, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11, 0xEC, 0x11},
         {0xA5, 0x24, 0xD4, 0xC1, 0xED, 0x36, 0xC7, 0x87, 0x2C, 0x55}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "case " << (&c - cases));
        EXPECT_EQ(ReedSolomonRemainder(c.data, 10), c.ec);
    }
}

TEST(QrCode, ByteCapacityFollowsTheVersionAndLevel) {
    struct Case {
        int version;
        ErrorCorrection level;
        int bytes;
    };
    const Case cases[] = {{1, kLow, 17},    {1, kMedium, 14},   {1, kQuartile, 11},  {1, kHigh, 7},
                          {2, kMedium, 26}, {7, kQuartile, 86}, {10, kLow, 271},     {10, kMedium, 213},
                          {5, kHigh, 44},   {40, kLow, 2953},   {40, kMedium, 2331}, {40, kHigh, 1273},
                          {0, kMedium, 0},  {41, kMedium, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "version " << c.version << " level " << static_cast<int>(c.level));
        EXPECT_EQ(ByteCapacity(c.version, c.level), c.bytes);
    }
}

TEST(QrCode, TakesTheSmallestVersionAndTheStrongestLevelItHolds) {
    struct Case {
        size_t length;
        ErrorCorrection level;
        int maxVersion;
        int version;  // 0: refused
        ErrorCorrection chosen;
        char fill = 'a';  // beyond ASCII, the text is marked UTF-8 at the cost of 12 bits
    };
    const Case cases[] = {
        {0, kMedium, 40, 1, kHigh},
        {7, kMedium, 40, 1, kHigh},
        {8, kMedium, 40, 1, kQuartile},
        {14, kMedium, 40, 1, kMedium},
        {15, kMedium, 40, 2, kQuartile},
        {213, kMedium, 40, 10, kMedium},
        {271, kLow, 10, 10, kLow},
        {272, kLow, 10, 0, kLow},
        {2331, kMedium, 40, 40, kMedium},
        {2332, kMedium, 40, 0, kLow},
        {5, kMedium, 0, 0, kLow},
        {5, kMedium, 41, 0, kLow},
        {13, kMedium, 40, 1, kMedium, '\xc3'},
        {14, kMedium, 40, 2, kQuartile, '\xc3'},
        {2331, kMedium, 40, 0, kLow, '\xc3'},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "length " << c.length << " up to version " << c.maxVersion);
        const std::optional<QrCode> code = EncodeUtf8(std::string(c.length, c.fill), c.level, c.maxVersion);
        ASSERT_EQ(code.has_value(), c.version != 0);
        if (!code)
            continue;
        EXPECT_EQ(code->Version(), c.version);
        EXPECT_EQ(code->Size(), 17 + 4 * c.version);
        EXPECT_EQ(code->Level(), c.chosen);
    }
}

// The symbol as a PGM picture, 3 pixels a module with the quiet zone, read by zbarimg; its text.
std::string Decoded(const QrCode& code, const std::string& name) {
    constexpr int kScale = 3;
    const int side = (code.Size() + 2 * kQuietZoneModules) * kScale;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("aerowisp-qr-" + name + "-" + std::to_string(::getpid()) + ".pgm");
    {
        std::ofstream picture(path, std::ios::binary);
        picture << "P5\n" << side << ' ' << side << "\n255\n";
        for (int py = 0; py < side; ++py) {
            for (int px = 0; px < side; ++px) {
                const bool dark =
                    code.IsDark(px / kScale - kQuietZoneModules, py / kScale - kQuietZoneModules);
                picture.put(static_cast<char>(dark ? 0 : 255));
            }
        }
    }
    std::string text;
    if (FILE* reader = ::popen(
            ("zbarimg --raw -q -Sdisable -Sqrcode.enable '" + path.string() + "' 2>/dev/null").c_str(),
            "r")) {
        char buffer[4096];
        for (size_t n; (n = std::fread(buffer, 1, sizeof(buffer), reader)) > 0;)
            text.append(buffer, n);
        ::pclose(reader);
    }
    std::filesystem::remove(path);
    if (!text.empty() && text.back() == '\n')
        text.pop_back();
    return text;
}

TEST(QrCode, ZbarimgReadsTheWifiJoinTexts) {
    ASSERT_EQ(std::system("command -v zbarimg >/dev/null"), 0) << "zbarimg is missing: run scripts/bootstrap";
    const std::u16string longSsid(32, u'\u00e9');
    const std::u16string escapedKey = u"\\;,:\"" + std::u16string(58, u';');
    const std::u16string hexKey = u"0123456789abcdefABCDEF0123456789abcdefABCDEF0123456789abcdef0123";
    const std::string payloads[] = {
        WifiJoinPayload(u"DuvaDI", u"12345678"),
        WifiJoinPayload(u"a\\b;c,d:e\"f", u"k\\e;y,s:\"!"),
        WifiJoinPayload(u"Caf\u00e9 \u0100", u"pass word"),
        WifiJoinPayload(longSsid, escapedKey),
        WifiJoinPayload(std::u16string(32, u':'), hexKey),
        WifiJoinPayload(longSsid, std::u16string(63, u'\u4e2d')),
    };
    for (const std::string& payload : payloads) {
        SCOPED_TRACE(payload);
        const std::optional<QrCode> code = EncodeUtf8(payload, kMedium);
        ASSERT_TRUE(code.has_value());
        EXPECT_EQ(Decoded(*code, "wifi-" + std::to_string(&payload - payloads)), payload);
    }
}

// Full symbols of every version, at the four levels in turn: blocks, alignment and version information.
TEST(QrCode, ZbarimgReadsFullSymbolsOfEveryVersion) {
    ASSERT_EQ(std::system("command -v zbarimg >/dev/null"), 0) << "zbarimg is missing: run scripts/bootstrap";
    for (int version = kMinVersion; version <= kMaxVersion; ++version) {
        const auto level = static_cast<ErrorCorrection>(version % 4);
        std::string text;
        for (int i = 0; static_cast<int>(text.size()) < ByteCapacity(version, level); ++i)
            text.push_back(static_cast<char>('!' + (i * 7 + version) % 90));
        SCOPED_TRACE(testing::Message() << "version " << version);
        const std::optional<QrCode> code = EncodeUtf8(text, level);
        ASSERT_TRUE(code.has_value());
        ASSERT_EQ(code->Version(), version);
        EXPECT_EQ(Decoded(*code, "v" + std::to_string(version)), text);
    }
}

}  // namespace
}  // namespace aerowisp::qr
