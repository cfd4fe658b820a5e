// Files as editors save them, log lines fit for the log, and the log's pace under repeated failures.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "dhcp/core/config.h"
#include "dhcp/core/log_policy.h"
#include "dhcp/core/text.h"

namespace aerowisp::dhcp {
namespace {

std::string Fixture(const char* name) {
    std::ifstream file(std::string(DHCP_FIXTURES_DIR "/") + name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), {});
}

TEST(DhcpTextTest, ReadsSettingsInEveryEncodingNotepadSaves) {
    struct Case {
        std::string bytes;
        uint32_t lease;  // the default when the file is ignored
        size_t problems;
    };
    const uint32_t defaultLease = Config{}.leaseSeconds;
    const Case cases[] = {
        {Fixture("notepad-ansi.ini"), 3600, 0},
        {Fixture("notepad-utf8.ini"), 3600, 0},
        {Fixture("notepad-unicode.ini"), 3600, 0},
        {Fixture("notepad-unicode-be.ini"), 3600, 0},
        {"[DhcpServer]\rLeaseTime=3600\rDNS=1.1.1.1", 3600, 0},
        {"[DhcpServer]\n\rLeaseTime=3600\r\n", 3600, 0},
        {std::string("[\0D\0h\0c\0p\0", 10), defaultLease, 1},
        {"\xFF\xFE[\0D", defaultLease, 1},
        {std::string("\xFF\xFE\x00\xDC", 4), defaultLease, 1},
        {std::string("\xFE\xFF\xD8\x00\x00\x41", 6), defaultLease, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(LogSafe(c.bytes));
        ASSERT_FALSE(c.bytes.empty());
        const ConfigResult result = ReadConfig(c.bytes);
        EXPECT_EQ(result.config.leaseSeconds, c.lease);
        EXPECT_EQ(result.problems.size(), c.problems);
        if (c.problems > 0) {
            EXPECT_TRUE(result.problems[0].starts_with("DhcpServer.ini ")) << result.problems[0];
        }
    }
    EXPECT_EQ(*DecodeFileText(Fixture("notepad-unicode-be.ini")).text,
              *DecodeFileText(Fixture("notepad-utf8.ini")).text);
}

TEST(DhcpTextTest, LogLinesAreEscapedAndCut) {
    const std::string longest(kMaxLogLineBytes, 'k');
    const struct {
        std::string line;
        std::string logged;
    } cases[] = {
        {"plain line", "plain line"},
        {std::string("nul\0tab\tdel\x7f\r\n", 14), "nul\\x00tab\\x09del\\x7f\\x0d\\x0a"},
        {"UTF-8 \xE5\x8A\x9E stays", "UTF-8 \xE5\x8A\x9E stays"},
        {longest, longest},
        {longest + "k", std::string(kMaxLogLineBytes - 3, 'k') + "..."},
        {std::string(kMaxLogLineBytes - 4, 'k') + "\x01", std::string(kMaxLogLineBytes - 4, 'k') + "\\x01"},
        {std::string(kMaxLogLineBytes - 3, 'k') + "\x01", std::string(kMaxLogLineBytes - 3, 'k') + "..."},
        {std::string(1 << 20, '\x01'),
         [] {
             std::string cut;
             while (cut.size() + 4 <= kMaxLogLineBytes - 3)
                 cut += "\\x01";
             return cut + "...";
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        EXPECT_EQ(LogSafe(c.line), c.logged);
    }
}

TEST(DhcpTextTest, RepeatedFailuresAreLoggedAtGrowingIntervals) {
    FailureStreak streak;
    std::vector<uint64_t> logged;
    for (uint64_t now = 5000; now <= 5000 + 200'000; now += 1000) {
        if (streak.Failed(now))
            logged.push_back((now - 5000) / 1000);
    }
    EXPECT_EQ(logged, (std::vector<uint64_t>{0, 1, 3, 7, 15, 31, 63, 123, 183}));
    EXPECT_EQ(streak.LastedMs(5000 + 30'000), 30'000u);
    streak.End();
    EXPECT_EQ(streak.LastedMs(300'000), 0u);
    EXPECT_TRUE(streak.Failed(300'000));
}

}  // namespace
}  // namespace aerowisp::dhcp
