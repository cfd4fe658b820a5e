// libFuzzer target: the language file reader against the C runtime's own fgets, strstr, strchr and
// strtol on the same bytes. Any difference, crash or sanitizer report is a finding.
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/lang/language_file.h"
#include "core/lang/piece_reader.h"
#include "support/memory_file_reader.h"

namespace {

using aerowisp::ControlTextTarget;
using aerowisp::LanguageFile;
using aerowisp::PieceReader;
using aerowisp::test::MemoryFileReader;

const std::u16string kPath = u"Language\\ENU.txt";
const char* const kKeys[] = {"String1", "String4", "String40", "String58", "="};
// Controls of the fuzzed dialog; the last is what an overlong number clamps to.
const int kControls[] = {1001, 1062, 1099, 9999, INT_MAX};

// Bytes as wide characters one to one, so every text survives the conversion and the comparison
// below sees the reader's work alone.
class ByteCodePage final : public aerowisp::AnsiCodePage {
  public:
    std::string WideToAnsi(std::u16string_view text) override {
        return std::string(text.begin(), text.end());
    }
    std::optional<std::string> WideToAnsiExactly(std::u16string_view text) override {
        return WideToAnsi(text);
    }
    std::u16string AnsiToWide(std::string_view bytes) override {
        std::u16string wide;
        for (char c : bytes)
            wide += static_cast<char16_t>(static_cast<unsigned char>(c));
        return wide;
    }
};

class RecordingDialog final : public ControlTextTarget {
  public:
    bool HasControl(int controlId) override {
        for (int id : kControls) {
            if (id == controlId)
                return true;
        }
        return false;
    }
    void SetControlText(int controlId, const std::u16string& text) override {
        if (texts.count(controlId) != 0)
            __builtin_trap();  // each control is set once
        texts[controlId] = text;
    }
    std::map<int, std::u16string> texts;
};

// fgets with a 256-byte buffer, one byte at a time.
std::vector<std::string> ReferencePieces(const std::string& bytes) {
    std::vector<std::string> pieces;
    std::string piece;
    for (char c : bytes) {
        piece += c;
        if (c == '\n' || piece.size() == aerowisp::kPieceMaxBytes) {
            pieces.push_back(piece);
            piece.clear();
        }
    }
    if (!piece.empty())
        pieces.push_back(piece);
    return pieces;
}

std::u16string Wide(const char* text) {
    return ByteCodePage().AnsiToWide(text);
}

std::u16string ReferenceLookup(const std::vector<std::string>& pieces, const char* key) {
    for (const std::string& piece : pieces) {
        if (std::strstr(piece.c_str(), key) == nullptr)
            continue;
        const char* equals = std::strchr(piece.c_str(), '=');
        return equals != nullptr ? Wide(equals + 1) : std::u16string();
    }
    return {};
}

std::map<int, std::u16string> ReferenceControlTexts(const std::vector<std::string>& pieces) {
    std::map<int, std::u16string> texts;
    RecordingDialog dialog;
    for (const std::string& piece : pieces) {
        long number = std::strtol(piece.c_str(), nullptr, 10);
        int id = number > INT_MAX ? INT_MAX : number < INT_MIN ? INT_MIN : static_cast<int>(number);
        const char* equals = std::strchr(piece.c_str(), '=');
        if (equals != nullptr && id > 1000 && equals[1] != '\0' && dialog.HasControl(id))
            texts[id] = Wide(equals + 1);
    }
    return texts;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    // The first byte chooses how many bytes each read hands out (0: as many as asked for).
    const size_t chunkBytes = data[0] % 67;
    const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
    MemoryFileReader files(chunkBytes);
    files.SetFile(kPath, bytes);

    const std::vector<std::string> expected = ReferencePieces(bytes);
    {
        auto file = files.Open(kPath);
        PieceReader reader(*file);
        std::vector<std::string> pieces;
        std::string_view piece;
        while (reader.Next(piece))
            pieces.emplace_back(piece);
        if (pieces != expected)
            __builtin_trap();
    }

    ByteCodePage codePage;
    LanguageFile language(files, codePage, kPath);
    for (const char* key : kKeys) {
        if (language.LoadLanguageString(Wide(key)) != ReferenceLookup(expected, key))
            __builtin_trap();
    }
    RecordingDialog dialog;
    language.ApplyLanguageToDialog(dialog);
    if (dialog.texts != ReferenceControlTexts(expected))
        __builtin_trap();
    return 0;
}
