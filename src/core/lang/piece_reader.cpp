// fgets with a 256-byte buffer, over a file read in larger chunks.
#include "core/lang/piece_reader.h"

#include <algorithm>
#include <cstring>

namespace aerowisp {

bool PieceReader::Next(std::string_view& piece) {
    piece_.clear();
    while (piece_.size() < kPieceMaxBytes) {
        if (chunkBegin_ == chunkEnd_) {
            if (ended_)
                break;
            size_t read = file_.Read(chunk_);
            if (read == 0) {
                ended_ = true;
                break;
            }
            chunkBegin_ = 0;
            chunkEnd_ = std::min(read, chunk_.size());
        }
        const char* start = chunk_.data() + chunkBegin_;
        size_t available = std::min(chunkEnd_ - chunkBegin_, kPieceMaxBytes - piece_.size());
        const auto* lineFeed = static_cast<const char*>(std::memchr(start, '\n', available));
        size_t taken = lineFeed != nullptr ? static_cast<size_t>(lineFeed - start) + 1 : available;
        piece_.append(start, taken);
        chunkBegin_ += taken;
        if (lineFeed != nullptr)
            break;
    }
    piece = piece_;
    return !piece_.empty();
}

std::string_view UpToFirstZero(std::string_view piece) {
    return piece.substr(0, piece.find('\0'));
}

}  // namespace aerowisp
