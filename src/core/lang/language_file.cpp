// Lookups in the language file, matched byte for byte as the C runtime's string functions match them.
#include "core/lang/language_file.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "core/lang/language_choice.h"
#include "core/lang/piece_reader.h"

namespace aerowisp {
namespace {

// A converted key longer than this is cut, as the lookup's 256-byte key buffer would hold no more.
constexpr size_t kKeyMaxBytes = 255;

bool IsCSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// atoi: leading white space, one sign, then decimal digits up to the first other byte; 0 when there
// are none; clamped to the range of int like the C runtime's strtol.
int ParseLeadingInteger(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && IsCSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr int64_t kLimit = int64_t{std::numeric_limits<int>::max()} + 1;
    int64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = std::min(magnitude * 10 + (text[i] - '0'), kLimit);
    }
    int64_t value = negative ? -magnitude : std::min<int64_t>(magnitude, std::numeric_limits<int>::max());
    return static_cast<int>(value);
}

}  // namespace

std::optional<ControlLine> ParseControlLine(std::string_view piece) {
    std::string_view line = UpToFirstZero(piece);
    size_t equals = line.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    int id = ParseLeadingInteger(line);
    if (id <= kHighestUnaddressedControlId)
        return std::nullopt;
    return ControlLine{id, line.substr(equals + 1)};
}

LanguageFile::LanguageFile(FileReader& files, AnsiCodePage& codePage)
    : LanguageFile(files, codePage, LanguageFilePath()) {}

LanguageFile::LanguageFile(FileReader& files, AnsiCodePage& codePage, const std::u16string& path)
    : files_(files), codePage_(codePage), path_(path) {}

std::u16string LanguageFile::LoadLanguageString(std::u16string_view key) const {
    if (path_.empty())
        return {};
    std::unique_ptr<ReadableFile> file = files_.Open(path_);
    if (!file)
        return {};
    std::string ansiKey = codePage_.WideToAnsi(key);
    ansiKey = std::string(UpToFirstZero(ansiKey.substr(0, kKeyMaxBytes)));
    PieceReader reader(*file);
    std::string_view piece;
    while (reader.Next(piece)) {
        std::string_view line = UpToFirstZero(piece);
        if (line.find(ansiKey) == std::string_view::npos)
            continue;
        size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            return {};
        return codePage_.AnsiToWide(line.substr(equals + 1));
    }
    return {};
}

void LanguageFile::ApplyLanguageToDialog(ControlTextTarget& dialog) const {
    if (path_.empty())
        return;
    std::unique_ptr<ReadableFile> file = files_.Open(path_);
    if (!file)
        return;
    // In the order the controls are first named; a dialog has few controls, so a list will do.
    std::vector<std::pair<int, std::u16string>> texts;
    PieceReader reader(*file);
    std::string_view piece;
    while (reader.Next(piece)) {
        std::optional<ControlLine> line = ParseControlLine(piece);
        if (!line || line->text.empty() || !dialog.HasControl(line->controlId))
            continue;
        std::u16string text = codePage_.AnsiToWide(line->text);
        if (text.empty())
            continue;
        auto known = std::find_if(texts.begin(), texts.end(),
                                  [&](const auto& entry) { return entry.first == line->controlId; });
        if (known != texts.end()) {
            known->second = std::move(text);
        } else {
            texts.emplace_back(line->controlId, std::move(text));
        }
    }
    for (const auto& [controlId, text] : texts)
        dialog.SetControlText(controlId, text);
}

}  // namespace aerowisp
