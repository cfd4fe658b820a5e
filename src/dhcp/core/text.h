// Small pieces of text shared by the log, the lease file and the settings reader.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace aerowisp::dhcp {

// Two lower-case hexadecimal digits per byte, `separator` between bytes unless it is '\0'.
std::string HexText(std::span<const uint8_t> bytes, char separator = '\0');
// The value of one hexadecimal digit, either case; -1 for any other character.
int HexDigit(char c);

// Takes the front of `text` up to the first of `separators`, and that separator, off `text` and returns
// the front; the whole text when there is no separator.
std::string_view TakeUntil(std::string_view& text, std::string_view separators);

// Takes the next line and its end (CR LF, LF or a lone CR, as any editor may write) off `text`.
std::string_view TakeLine(std::string_view& text);

struct DecodedText {
    // UTF-8 (or the single-byte text the file held), without a byte-order mark; empty on failure.
    std::optional<std::string> text;
    // Why the bytes are not text, for the log.
    std::string problem;
};

// A file as Notepad saves it: "UTF-8" with a byte-order mark, "Unicode" (UTF-16 little-endian) and
// "Unicode big endian" with theirs are read as text; "ANSI" and UTF-8 without a mark are taken as they
// are. Bytes with NUL in them and no mark, and UTF-16 with an odd length or an unpaired surrogate, are not.
DecodedText DecodeFileText(std::string_view bytes);

// The longest line the log writes; the rest of a longer one is cut, and the cut is marked.
inline constexpr size_t kMaxLogLineBytes = 512;

// A line fit for the log: control bytes (which a file or a datagram may hold) written as \xNN and the
// line cut to kMaxLogLineBytes.
std::string LogSafe(std::string_view line);

}  // namespace aerowisp::dhcp
