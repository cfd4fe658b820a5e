// Pictures kept as runs of one colour (tools/artwork/render writes them): a large picture of flat areas
// costs a few kilobytes in the program instead of a bitmap's megabyte, and decodes in one pass.
//
// Layout: width and height (16 bits each, little-endian), then runs of count (1 to 255), blue, green,
// red; the top row first, runs going on from one row to the next. The runs cover the picture exactly.
#pragma once

#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "fw/gdi.h"

namespace fw {

// The picture's size from its header; nothing for a header too short or a size of zero.
std::optional<SIZE> RunLengthPictureSize(std::span<const uint8_t> data);

// Writes the pixels as 24-bit rows, top row first, each `stride` bytes after the one before. False
// (with the rows partly written) when the runs do not cover the picture exactly or a count is zero.
bool DecodeRunLengthPicture(std::span<const uint8_t> data, uint8_t* rows, size_t stride);

// The program's RCDATA resource `id` as a 24-bit DIB section; empty when missing or malformed.
Bitmap LoadRunLengthPicture(UINT id);

}  // namespace fw
