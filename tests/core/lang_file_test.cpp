// The language file: pieces as fgets reads them, string lookups, control lines, and the choice of the
// file from the country setting.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "core/lang/language_choice.h"
#include "core/lang/language_file.h"
#include "core/lang/language_texts.h"
#include "core/lang/piece_reader.h"
#include "sim/sim_machine.h"
#include "support/iconv_code_page.h"
#include "support/memory_file_reader.h"

namespace aerowisp {
namespace {

using namespace std::string_literals;
using test::IconvCodePage;
using test::MemoryFileReader;

const std::u16string kPath = u"C:\\Aerowisp\\Language\\ENU.txt";

std::string Bytes(size_t count, char c = 'x') {
    return std::string(count, c);
}

// Reads a whole file through PieceReader.
std::vector<std::string> Pieces(const std::string& bytes, size_t chunkBytes) {
    MemoryFileReader files(chunkBytes);
    files.SetFile(kPath, bytes);
    auto file = files.Open(kPath);
    PieceReader reader(*file);
    std::vector<std::string> pieces;
    std::string_view piece;
    while (reader.Next(piece))
        pieces.emplace_back(piece);
    return pieces;
}

TEST(PieceReader, ReadsWhatFgetsWithA256ByteBufferReads) {
    struct Case {
        const char* label;
        std::string bytes;
        std::vector<std::string> pieces;
    };
    const Case cases[] = {
        {"empty file", "", {}},
        {"line feeds end pieces", "a\nb", {"a\n", "b"}},
        {"empty lines", "\n\n", {"\n", "\n"}},
        {"CR LF stays", "a\r\nb\r\n", {"a\r\n", "b\r\n"}},
        {"a lone CR ends nothing", "a\rb", {"a\rb"}},
        {"254 bytes and a line feed fit", Bytes(254) + "\n", {Bytes(254) + "\n"}},
        {"255 bytes leave the line feed over", Bytes(255) + "\n", {Bytes(255), "\n"}},
        {"a 300-byte line is two pieces", Bytes(299) + "\n", {Bytes(255), Bytes(44) + "\n"}},
        {"no line ends", Bytes(600), {Bytes(255), Bytes(255), Bytes(90)}},
        {"zero bytes are read like others", "a\0b\nc"s, {"a\0b\n"s, "c"}},
    };
    for (const Case& c : cases) {
        // However the file hands out its bytes, the pieces are the same.
        for (size_t chunk : {0, 1, 7, 255, 256}) {
            EXPECT_EQ(Pieces(c.bytes, chunk), c.pieces) << c.label << ", chunks of " << chunk;
        }
    }
}

TEST(LoadLanguageString, TakesTheTextOfTheFirstPieceThatContainsTheKey) {
    struct Case {
        const char* label;
        std::string file;
        const char16_t* key;
        std::u16string text;
    };
    const std::string kLongFirstLine = "String3=" + Bytes(247, 'a');  // exactly one piece
    const Case cases[] = {
        {"a longer key listed first is found", "String40=Launch\r\nString4=Radio\r\n", u"String4",
         u"Launch\r\n"},
        {"a key listed first finds its own line", "String4=Radio\r\nString40=Launch\r\n", u"String4",
         u"Radio\r\n"},
        {"the longer key after it", "String4=Radio\r\nString40=Launch\r\n", u"String40", u"Launch\r\n"},
        {"CR LF is kept", "String1=Link Status\r\n", u"String1", u"Link Status\r\n"},
        {"a bare line end is not empty", "String5=\r\n", u"String5", u"\r\n"},
        {"blanks are kept", "String2= a b \n", u"String2", u" a b \n"},
        {"found inside another word", "xString7y=abc\n", u"String7", u"abc\n"},
        {"after the first =", "String8=a=b\n", u"String8", u"a=b\n"},
        {"letter case counts", "string1=x\n", u"String1", u""},
        {"a matching piece without = has no text", "String9 has none\nString9=late\n", u"String9", u""},
        {"the last line needs no line end", "String3=About", u"String3", u"About"},
        {"a zero byte ends the text", "String6=ab\0cd\n"s, u"String6", u"ab"},
        {"nothing after a zero byte matches", "x\0String6=hidden\nString6=seen\n"s, u"String6", u"seen\n"},
        {"a missing key", "String1=x\n", u"String2", u""},
        {"an empty file", "", u"String1", u""},
        {"the piece after a long line", kLongFirstLine + "String1=rest\n", u"String1", u"rest\n"},
        {"the long line's text has no line end", kLongFirstLine + "String1=rest\n", u"String3",
         std::u16string(247, u'a')},
        {"a key cut by the piece limit", Bytes(250) + "String8=split\n", u"String8", u""},
    };
    IconvCodePage codePage("CP1252");
    for (const Case& c : cases) {
        MemoryFileReader files;
        files.SetFile(kPath, c.file);
        EXPECT_EQ(LanguageFile(files, codePage, kPath).LoadLanguageString(c.key), c.text) << c.label;
    }
}

TEST(LoadLanguageString, ConvertsFromMultiByteCodePages) {
    struct Case {
        const char* codePage;
        std::u16string text;
    };
    // Big5's trail bytes include ASCII letters ("位" is A6 EC, "址" is A7 7D, "裝" is B8 CB).
    const Case cases[] = {{"GBK", u"设备名称"}, {"BIG5", u"裝置名稱 MAC 位址"}};
    for (const Case& c : cases) {
        IconvCodePage codePage(c.codePage);
        std::string file = "String52=" + codePage.WideToAnsi(c.text) +
                           "\r\nString53=" + codePage.WideToAnsi(c.text + u"!") + "\r\n";
        MemoryFileReader files;
        files.SetFile(kPath, file);
        LanguageFile language(files, codePage, kPath);
        EXPECT_EQ(language.LoadLanguageString(u"String52"), c.text + u"\r\n") << c.codePage;
        EXPECT_EQ(language.LoadLanguageString(u"String53"), c.text + u"!\r\n") << c.codePage;
    }
}

TEST(LanguageTexts, WithoutAFileEveryTextIsTheEnglishDefault) {
    IconvCodePage codePage("CP1252");
    MemoryFileReader files;
    const std::u16string noPath;
    for (const std::u16string* path : {&noPath, &kPath}) {
        const LanguageTexts language(files, codePage, *path);
        for (const LanguageString& entry : kLanguageStrings) {
            EXPECT_EQ(language.TextFromKey(entry), entry.englishDefault)
                << std::string(entry.key.begin(), entry.key.end());
        }
    }
    // An empty path is not even tried.
    EXPECT_EQ(files.Opened(), std::vector<std::u16string>(kLanguageStrings.size(), kPath));
}

// The texts the model hands out at its creation follow the language chosen later and a file changed
// while the program runs.
TEST(LanguageTexts, ReadsTheProcessWidePathAndTheFileAfreshAtEveryLookup) {
    IconvCodePage codePage("CP1252");
    MemoryFileReader files;
    SimMachine machine{Scenario{}};
    machine.Settings().SetValue(kInternationalKey, kCountryValue, RegistryValue::Sz(u"886"));
    files.SetFile(u"C:\\Aerowisp\\Language\\CHT.txt", "String42=Wizard one\r\n");
    const LanguageTexts language(files, codePage);  // made before the path is chosen, as at start-up

    EXPECT_EQ(language.TextFromKey(kTrayMenuWizard), u"Wizard");
    ChooseLanguageFile(machine.Settings(), u"C:\\Aerowisp\\");
    EXPECT_EQ(language.TextFromKey(kTrayMenuWizard), u"Wizard one\r\n");
    files.SetFile(u"C:\\Aerowisp\\Language\\CHT.txt", "String42=Wizard two\r\n");
    EXPECT_EQ(language.TextFromKey(kTrayMenuWizard), u"Wizard two\r\n");
    EXPECT_EQ(language.ShownText(kTrayMenuWizard), u"Wizard two");
    EXPECT_EQ(files.Opened().size(), 3u);
    SetLanguageFilePath({});
}

// A dialog with some controls, recording the texts it is given.
class FakeDialog final : public ControlTextTarget {
  public:
    explicit FakeDialog(std::set<int> controls) : controls_(std::move(controls)) {}
    bool HasControl(int controlId) override { return controls_.count(controlId) != 0; }
    void SetControlText(int controlId, const std::u16string& text) override {
        texts.emplace_back(controlId, text);
    }

    std::vector<std::pair<int, std::u16string>> texts;

  private:
    std::set<int> controls_;
};

using Texts = std::vector<std::pair<int, std::u16string>>;

TEST(ApplyLanguageToDialog, SetsTheControlsThatControlLinesName) {
    struct Case {
        const char* label;
        std::string file;
        std::set<int> controls;
        Texts texts;
    };
    const Case cases[] = {
        {"1062 in the AP configuration page", "1062=Apply\r\n", {1049, 1062}, {{1062, u"Apply\r\n"}}},
        {"1062 in another dialog", "1062=Apply\r\n", {1062}, {{1062, u"Apply\r\n"}}},
        {"a dialog without 1062", "1062=Apply\r\n", {1049}, {}},
        {"1000 and below are never addressed",
         "1000=No\r\n999=No\r\n0=No\r\n-1062=No\r\n",
         {0, 999, 1000, 1062},
         {}},
        {"blanks before the number, anything after it",
         " \t1001=Assoc\n1002x=Adv\n",
         {1001, 1002},
         {{1001, u"Assoc\n"}, {1002, u"Adv\n"}}},
        {"a line without =", "1003 ICS\n", {1003}, {}},
        {"an empty text", "1004=", {1004}, {}},
        {"a bare line end is a text", "1004=\r\n", {1004}, {{1004, u"\r\n"}}},
        {"the later line wins, set once",
         "1005=A\n1006=C\n1005=B\n",
         {1005, 1006},
         {{1005, u"B\n"}, {1006, u"C\n"}}},
        {"string lines and comments", "String1=x\n; 1006=y\n", {1006}, {}},
        {"a number beyond int is clamped", "99999999999=x\n", {2147483647}, {{2147483647, u"x\n"}}},
    };
    IconvCodePage codePage("CP1252");
    for (const Case& c : cases) {
        MemoryFileReader files;
        files.SetFile(kPath, c.file);
        FakeDialog dialog(c.controls);
        LanguageFile(files, codePage, kPath).ApplyLanguageToDialog(dialog);
        EXPECT_EQ(dialog.texts, c.texts) << c.label;
    }

    MemoryFileReader noFiles;
    FakeDialog dialog({1062});
    LanguageFile(noFiles, codePage, kPath).ApplyLanguageToDialog(dialog);
    EXPECT_TRUE(dialog.texts.empty());
}

TEST(GetCountryCode, ChoosesTheLanguageFile) {
    struct Case {
        const char* label;
        std::optional<RegistryValue> value;  // nothing: no value; a value of kNone type: no key either
        int code;
        const char16_t* path;
    };
    const Case cases[] = {
        {"China", RegistryValue::Sz(u"86"), 86, u"C:\\Program Files\\Aerowisp\\Language\\CHS.txt"},
        {"Taiwan", RegistryValue::Sz(u"886"), 886, u"C:\\Program Files\\Aerowisp\\Language\\CHT.txt"},
        {"Hong Kong", RegistryValue::Sz(u"852"), 852, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
        {"United States", RegistryValue::Sz(u"1"), 1, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
        {"blanks and a sign", RegistryValue::Sz(u"  +86"), 86,
         u"C:\\Program Files\\Aerowisp\\Language\\CHS.txt"},
        {"stops at a non-digit", RegistryValue::Sz(u"886x"), 886,
         u"C:\\Program Files\\Aerowisp\\Language\\CHT.txt"},
        {"not a number", RegistryValue::Sz(u"abc"), 0, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
        {"not text", RegistryValue::Dword(86), 0, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
        {"no value", std::nullopt, 0, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
        {"no key", RegistryValue{}, 0, u"C:\\Program Files\\Aerowisp\\Language\\ENU.txt"},
    };
    for (const Case& c : cases) {
        SimMachine machine{Scenario{}};
        if (!c.value || c.value->type != RegistryValueType::kNone)
            machine.Settings().CreateKey(kInternationalKey);
        if (c.value && c.value->type != RegistryValueType::kNone)
            machine.Settings().SetValue(kInternationalKey, kCountryValue, *c.value);
        int code = GetCountryCode(machine.Settings());
        EXPECT_EQ(code, c.code) << c.label;
        EXPECT_EQ(LanguageFilePathFor(u"C:\\Program Files\\Aerowisp\\", code), c.path) << c.label;
    }
}

}  // namespace
}  // namespace aerowisp
