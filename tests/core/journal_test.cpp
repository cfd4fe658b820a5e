// The journal's file form, which the end-to-end tests read.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/text/utf16_text.h"
#include "sim/sim_machine.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(Journal, FileGetsOneFlushedLinePerEntry) {
    const std::filesystem::path path =
        std::filesystem::path(testing::TempDir()) / "aerowisp-journal-test.log";
    std::filesystem::remove(path);
    SimMachine machine(DefaultScenario());
    ASSERT_TRUE(machine.Journal().WriteTo(path.u16string()));

    WlanHandle handle = 0;
    machine.Wlan().OpenHandle(kWlanClientVersion, handle);
    machine.Journal().Record("MainWindowShown", "title=\"Aerowisp\"\tpage=1\nnext");
    machine.Clock().Sleep(250);
    EXPECT_EQ(ReadFile(path),
              "WlanOpenHandle\tclientVersion=2 handle=1\t0\n"
              "MainWindowShown\ttitle=\"Aerowisp\"\\tpage=1\\nnext\t0\n"
              "Sleep\tmilliseconds=250\t0\n");
    EXPECT_EQ(machine.Clock().GetTickCount(), 3600250u);
    EXPECT_EQ(machine.Journal().Count("Sleep"), 1u);
    std::filesystem::remove(path);
}

TEST(Journal, UnwritableFileKeepsEntriesInMemory) {
    Journal journal;
    EXPECT_FALSE(journal.WriteTo(
        (std::filesystem::path(testing::TempDir()) / "no-such-folder" / "x.log").u16string()));
    journal.Record("Event", "");
    EXPECT_EQ(journal.Operations(), std::vector<std::string>{"Event"});
}

TEST(JournalText, QuotingKeepsEveryCharacterReadable) {
    EXPECT_EQ(QuoteText(u"C:\\a \"b\"\t\u00e9\U0001F600"), "\"C:\\\\a \\\"b\\\"\\x09\u00e9\U0001F600\"");
    EXPECT_EQ(QuoteText(std::u16string(1, char16_t{0xD800})), "\"\xEF\xBF\xBD\"");
    EXPECT_EQ(QuoteBytes(std::string("A\x00\xB5", 3)), "\"A\\x00\\xB5\"");
    EXPECT_EQ(Utf8ToUtf16("\xE4\xB8\xAD"), u"\u4e2d");
    EXPECT_FALSE(Utf8ToUtf16("\xE0\x80\x80").has_value());  // overlong
    EXPECT_FALSE(Utf8ToUtf16("\xED\xA0\x80").has_value());  // surrogate
}

}  // namespace
}  // namespace aerowisp
