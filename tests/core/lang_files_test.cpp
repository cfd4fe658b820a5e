// The language files that ship beside the program, each read through its own code page.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <string>

#include "core/lang/language_file.h"
#include "core/lang/piece_reader.h"
#include "support/iconv_code_page.h"
#include "support/memory_file_reader.h"

namespace aerowisp {
namespace {

using test::IconvCodePage;
using test::MemoryFileReader;

// Every control with a fixed text in the dialogs that take their texts from the file. Edit boxes, lists,
// progress bars, pictures and the statics the program fills itself have no line: one would wipe what
// the program puts there.
const std::set<int> kTextControls = {
    1001, 1002, 1003, 1004, 1005, 1006,                                      // main window (102)
    1011, 1013, 1015, 1017, 1019, 1021, 1162,                                // About page (186)
    1023, 1030, 1031, 1032, 1033, 1034, 1035, 1036, 1037, 1038, 1041, 1047,  // link status (180)
    1048, 1050, 1055, 1057, 1058, 1059, 1060, 1061, 1062, 1096, 1097, 1099,  // AP configuration (181)
    1105, 1109, 1110, 1111, 1112, 1113,                                      // Extended AP Settings (197)
    1118, 1119, 1120, 1121, 1122, 1123, 1124,                                // card selection (198)
    1126, 1127, 1129, 1131,                                                  // ICS page (185)
    1133, 1134, 1135, 1136, 1138, 1139, 1140, 1142, 1156, 1157, 1159,        // wizard (201, 202, 203)
    1143, 1144, 1152, 1153, 1154, 1155, 1148, 1149,                          // wizard (208, 204)
};

std::string ReadShippedFile(const char* name) {
    const auto path = std::filesystem::path(AEROWISP_SOURCE_DIR) / "res" / "Language" / name;
    std::ifstream stream(path, std::ios::binary);
    EXPECT_TRUE(stream) << path;
    return std::string(std::istreambuf_iterator<char>(stream), {});
}

TEST(ShippedLanguageFiles, HoldEveryKeyAndControlInTheirCodePage) {
    struct Case {
        const char* file;
        const char* codePage;
    };
    for (const Case& c : {Case{"ENU.txt", "CP1252"}, Case{"CHS.txt", "GBK"}, Case{"CHT.txt", "BIG5"}}) {
        SCOPED_TRACE(c.file);
        IconvCodePage codePage(c.codePage);
        const std::string bytes = ReadShippedFile(c.file);
        ASSERT_FALSE(bytes.empty());
        std::u16string wide = codePage.AnsiToWide(bytes);
        EXPECT_EQ(codePage.WideToAnsi(wide), bytes) << "lost in the code page";
        EXPECT_EQ(wide.find(u'?'), std::u16string::npos) << "a byte the code page does not define";

        MemoryFileReader files;
        const std::u16string path = u"Language";
        files.SetFile(path, bytes);
        std::vector<std::string> pieces;
        std::set<int> controls;
        {
            auto file = files.Open(path);
            PieceReader reader(*file);
            std::string_view piece;
            while (reader.Next(piece)) {
                EXPECT_TRUE(piece.ends_with("\r\n")) << "a line longer than a piece: " << piece;
                pieces.emplace_back(piece);
                if (auto line = ParseControlLine(piece)) {
                    EXPECT_TRUE(controls.insert(line->controlId).second)
                        << "named twice: " << line->controlId;
                    EXPECT_NE(line->text, "\r\n") << line->controlId;
                }
            }
        }
        EXPECT_EQ(controls, kTextControls);

        LanguageFile language(files, codePage, path);
        for (const LanguageString& entry : kLanguageStrings) {
            std::string key(entry.key.begin(), entry.key.end());
            // The first line that contains the key is the key's own, so no shorter key shadows it.
            auto first = std::find_if(pieces.begin(), pieces.end(), [&](const std::string& piece) {
                return piece.find(key) != std::string::npos;
            });
            ASSERT_NE(first, pieces.end()) << key;
            EXPECT_TRUE(first->starts_with(key + "=")) << key << " found first in " << *first;
            EXPECT_NE(WithoutLineEnd(language.LoadLanguageString(entry.key)), u"") << key;
        }
    }
}

// The English file and the English texts in the program are two copies of the same texts; each key's
// line is the text of one of its places of use (line breaks inside a text run on in the file).
TEST(ShippedLanguageFiles, EnglishFileMatchesTheEnglishDefaults) {
    IconvCodePage codePage("CP1252");
    MemoryFileReader files;
    const std::u16string path = u"ENU.txt";
    files.SetFile(path, ReadShippedFile("ENU.txt"));
    LanguageFile language(files, codePage, path);
    std::set<std::u16string_view> keys;
    for (const LanguageString& entry : kLanguageStrings) {
        keys.insert(entry.key);
        std::u16string text(WithoutLineEnd(language.LoadLanguageString(entry.key)));
        bool matches = false;
        for (const LanguageString& place : kLanguageStrings) {
            std::u16string english(place.englishDefault);
            for (size_t at; (at = english.find(u"\r\n")) != std::u16string::npos;)
                english.erase(at, 2);
            matches = matches || (place.key == entry.key && english == text);
        }
        EXPECT_TRUE(matches) << std::string(entry.key.begin(), entry.key.end());
    }
    EXPECT_EQ(keys.size(), 194u);
}

}  // namespace
}  // namespace aerowisp
