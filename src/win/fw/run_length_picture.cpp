// Decoding and drawing of run-length pictures.
#include "fw/run_length_picture.h"

#include <algorithm>
#include <vector>

namespace fw {
namespace {

constexpr size_t kHeaderSize = 4;
constexpr size_t kRunSize = 4;
constexpr size_t kBytesPerPixel = 3;
// Rows decoded and drawn at a time: some 80 KB for a window-wide picture.
constexpr int kBandRows = 32;

size_t RowStride(LONG width) {
    return (static_cast<size_t>(width) * kBytesPerPixel + 3) & ~size_t{3};
}

}  // namespace

RunLengthRows::RunLengthRows(std::span<const uint8_t> data) : data_(data), next_(kHeaderSize) {
    if (data.size() < kHeaderSize)
        return;
    const LONG width = data[0] | (data[1] << 8);
    const LONG height = data[2] | (data[3] << 8);
    if (width != 0 && height != 0)
        size_ = {width, height};
}

bool RunLengthRows::Read(int count, uint8_t* rows, size_t stride) {
    if (count < 0 || rowsRead_ + static_cast<size_t>(count) > static_cast<size_t>(size_.cy))
        return false;
    for (int row = 0; row < count; ++row) {
        uint8_t* pixel = rows + static_cast<size_t>(row) * stride;
        for (LONG x = 0; x < size_.cx; ++x, pixel += kBytesPerPixel) {
            if (runLeft_ == 0) {
                if (data_.size() < next_ + kRunSize || data_[next_] == 0)
                    return false;
                run_ = next_;
                next_ += kRunSize;
                runLeft_ = data_[run_];
            }
            pixel[0] = data_[run_ + 1];
            pixel[1] = data_[run_ + 2];
            pixel[2] = data_[run_ + 3];
            --runLeft_;
        }
        ++rowsRead_;
    }
    return true;
}

bool RunLengthRows::AtEnd() const {
    return size_.cy != 0 && rowsRead_ == static_cast<size_t>(size_.cy) && runLeft_ == 0 &&
           next_ == data_.size();
}

RunLengthPicture::RunLengthPicture(std::span<const uint8_t> data) {
    RunLengthRows rows(data);
    const SIZE size = rows.Size();
    if (size.cy == 0)
        return;
    std::vector<uint8_t> row(RowStride(size.cx));
    for (LONG y = 0; y < size.cy; ++y)
        if (!rows.Read(1, row.data(), row.size()))
            return;
    if (rows.AtEnd())
        data_ = data;
}

RunLengthPicture RunLengthPicture::FromResource(UINT id) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (bytes == nullptr)
        return {};
    return RunLengthPicture({bytes, ::SizeofResource(module, found)});
}

void RunLengthPicture::Draw(HDC dc, const RECT& target) const {
    RunLengthRows rows(data_);
    const SIZE size = rows.Size();
    if (size.cy == 0)
        return;
    const int width = target.right - target.left;
    const int height = target.bottom - target.top;
    if (width != size.cx || height != size.cy) {
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
    }
    const size_t stride = RowStride(size.cx);
    std::vector<uint8_t> band(stride * kBandRows);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    for (LONG top = 0; top < size.cy; top += kBandRows) {
        const int count = std::min<LONG>(kBandRows, size.cy - top);
        if (!rows.Read(count, band.data(), stride))
            return;
        info.bmiHeader.biHeight = -count;  // top row first
        const int upper = target.top + ::MulDiv(top, height, size.cy);
        const int lower = target.top + ::MulDiv(top + count, height, size.cy);
        ::StretchDIBits(dc, target.left, upper, width, lower - upper, 0, 0, size.cx, count, band.data(),
                        &info, DIB_RGB_COLORS, SRCCOPY);
    }
}

}  // namespace fw
