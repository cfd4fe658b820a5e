// Decoding of run-length pictures into DIB sections.
#include "fw/run_length_picture.h"

namespace fw {
namespace {

constexpr size_t kHeaderSize = 4;
constexpr size_t kRunSize = 4;
constexpr size_t kBytesPerPixel = 3;

}  // namespace

std::optional<SIZE> RunLengthPictureSize(std::span<const uint8_t> data) {
    if (data.size() < kHeaderSize)
        return std::nullopt;
    const LONG width = data[0] | (data[1] << 8);
    const LONG height = data[2] | (data[3] << 8);
    if (width == 0 || height == 0)
        return std::nullopt;
    return SIZE{width, height};
}

bool DecodeRunLengthPicture(std::span<const uint8_t> data, uint8_t* rows, size_t stride) {
    const std::optional<SIZE> size = RunLengthPictureSize(data);
    if (!size)
        return false;
    const size_t width = static_cast<size_t>(size->cx);
    const size_t pixels = width * static_cast<size_t>(size->cy);
    size_t done = 0;
    for (size_t at = kHeaderSize; at < data.size(); at += kRunSize) {
        const size_t count = data[at];
        if (data.size() - at < kRunSize || count == 0 || count > pixels - done)
            return false;
        for (const size_t end = done + count; done < end; ++done) {
            uint8_t* pixel = rows + (done / width) * stride + (done % width) * kBytesPerPixel;
            pixel[0] = data[at + 1];
            pixel[1] = data[at + 2];
            pixel[2] = data[at + 3];
        }
    }
    return done == pixels;
}

Bitmap LoadRunLengthPicture(UINT id) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC found = ::FindResourceW(module, MAKEINTRESOURCEW(id), RT_RCDATA);
    const HGLOBAL loaded = found != nullptr ? ::LoadResource(module, found) : nullptr;
    const auto* bytes = static_cast<const uint8_t*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    if (bytes == nullptr)
        return {};
    const std::span<const uint8_t> data(bytes, ::SizeofResource(module, found));
    const std::optional<SIZE> size = RunLengthPictureSize(data);
    if (!size)
        return {};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = size->cx;
    info.bmiHeader.biHeight = -size->cy;  // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 24;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    Bitmap picture(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const size_t stride = (static_cast<size_t>(size->cx) * kBytesPerPixel + 3) & ~size_t{3};
    if (!picture || !DecodeRunLengthPicture(data, static_cast<uint8_t*>(bits), stride))
        return {};
    return picture;
}

}  // namespace fw
