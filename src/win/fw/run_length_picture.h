// Pictures kept as runs of one colour (tools/artwork/render writes them): a large picture of flat areas
// costs a few kilobytes in the program instead of a bitmap's megabyte, and is drawn a band of rows at a
// time, so no bitmap of its full size is ever held either.
//
// Layout: width and height (16 bits each, little-endian), then runs of count (1 to 255), blue, green,
// red; the top row first, runs going on from one row to the next. The runs cover the picture exactly.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <span>

namespace fw {

// Reads a picture's rows in order.
class RunLengthRows {
  public:
    explicit RunLengthRows(std::span<const uint8_t> data);

    // 0 x 0 when the header is cut off or gives a size of zero.
    SIZE Size() const { return size_; }
    // Writes the next `count` rows as 24-bit pixels, each row `stride` bytes after the one before. False
    // (with the rows partly written) when the runs end early or a count is zero.
    bool Read(int count, uint8_t* rows, size_t stride);
    // Every row read, and no bytes left over.
    bool AtEnd() const;

  private:
    std::span<const uint8_t> data_;
    SIZE size_{};
    size_t run_ = 0;      // the run being written
    size_t next_ = 0;     // the run after it
    size_t runLeft_ = 0;  // pixels of the run still to write
    size_t rowsRead_ = 0;
};

class RunLengthPicture {
  public:
    RunLengthPicture() = default;
    // Over bytes that outlive the picture; empty when they are not a well-formed picture.
    explicit RunLengthPicture(std::span<const uint8_t> data);
    // The program's RCDATA resource `id`; empty when missing or malformed.
    static RunLengthPicture FromResource(UINT id);

    explicit operator bool() const { return !data_.empty(); }
    // Stretched over `target` (HALFTONE when the size differs), band by band.
    void Draw(HDC dc, const RECT& target) const;

  private:
    std::span<const uint8_t> data_;
};

}  // namespace fw
