// Reads a file in the pieces the C runtime's fgets gives with a 256-byte buffer, the unit in which the
// language file's lines are matched.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

#include "core/platform/file_reader.h"

namespace aerowisp {

// A piece holds at most this many bytes and ends after a line feed or at this limit, whichever comes
// first; a longer line goes on in the next piece. Line ends stay in the piece.
inline constexpr size_t kPieceMaxBytes = 255;

class PieceReader {
  public:
    explicit PieceReader(ReadableFile& file) : file_(file) {}
    PieceReader(const PieceReader&) = delete;
    PieceReader& operator=(const PieceReader&) = delete;

    // The next piece, valid until the next call; false, with nothing read, at the end of the file.
    bool Next(std::string_view& piece);

  private:
    static constexpr size_t kChunkBytes = 4096;

    ReadableFile& file_;
    std::array<char, kChunkBytes> chunk_{};
    size_t chunkBegin_ = 0;
    size_t chunkEnd_ = 0;
    bool ended_ = false;  // the file said "no more"; like a stream's end-of-file flag it stays set
    std::string piece_;
};

// What the C string functions see of a piece: its bytes before the first zero byte.
std::string_view UpToFirstZero(std::string_view piece);

}  // namespace aerowisp
