// The PNG file of a QR code. The picture is small, so its pixels go in stored (uncompressed) deflate
// blocks: no compressor is needed and every reader takes them.
#include "core/qr/qr_png.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace aerowisp::qr {
namespace {

constexpr std::array<uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t kBitDepth = 1;
constexpr uint8_t kGreyscale = 0;
constexpr size_t kMaxStoredBlock = 65535;
constexpr uint8_t kZlibHeader[] = {0x78, 0x01};

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0) {
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

uint32_t Adler32(const std::vector<uint8_t>& data) {
    uint32_t a = 1;
    uint32_t b = 0;
    for (uint8_t byte : data) {
        a = (a + byte) % 65521;
        b = (b + a) % 65521;
    }
    return (b << 16) | a;
}

void PutBigEndian(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<uint8_t>(value >> shift));
}

void PutChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    PutBigEndian(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    PutBigEndian(out, Crc32(out.data() + start, out.size() - start));
}

std::vector<uint8_t> StoredZlib(const std::vector<uint8_t>& raw) {
    std::vector<uint8_t> out(std::begin(kZlibHeader), std::end(kZlibHeader));
    size_t offset = 0;
    do {
        const size_t length = std::min(kMaxStoredBlock, raw.size() - offset);
        const bool last = offset + length == raw.size();
        out.push_back(last ? 1 : 0);
        out.push_back(static_cast<uint8_t>(length));
        out.push_back(static_cast<uint8_t>(length >> 8));
        out.push_back(static_cast<uint8_t>(~length));
        out.push_back(static_cast<uint8_t>(~length >> 8));
        out.insert(out.end(), raw.begin() + static_cast<std::ptrdiff_t>(offset),
                   raw.begin() + static_cast<std::ptrdiff_t>(offset + length));
        offset += length;
    } while (offset < raw.size());
    PutBigEndian(out, Adler32(raw));
    return out;
}

}  // namespace

std::vector<uint8_t> EncodePng(const QrCode& symbol, int modulePixels) {
    modulePixels = std::max(modulePixels, 1);
    const int modules = symbol.Size() + 2 * kQuietZoneModules;
    const auto side = static_cast<uint32_t>(modules * modulePixels);
    const size_t rowBytes = (side + 7) / 8;

    // Each row: filter type 0, then the pixels, eight to a byte, 1 = white.
    std::vector<uint8_t> raw;
    raw.reserve((rowBytes + 1) * side);
    for (uint32_t y = 0; y < side; ++y) {
        raw.push_back(0);
        const int moduleY = static_cast<int>(y) / modulePixels - kQuietZoneModules;
        for (size_t byteIndex = 0; byteIndex < rowBytes; ++byteIndex) {
            uint8_t byte = 0;
            for (int bit = 0; bit < 8; ++bit) {
                const size_t x = byteIndex * 8 + static_cast<size_t>(bit);
                const int moduleX = static_cast<int>(x) / modulePixels - kQuietZoneModules;
                const bool white = x >= side || !symbol.IsDark(moduleX, moduleY);
                if (white)
                    byte |= static_cast<uint8_t>(0x80 >> bit);
            }
            raw.push_back(byte);
        }
    }

    std::vector<uint8_t> png(kSignature.begin(), kSignature.end());
    std::vector<uint8_t> header;
    PutBigEndian(header, side);
    PutBigEndian(header, side);
    header.insert(header.end(), {kBitDepth, kGreyscale, 0, 0, 0});
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", StoredZlib(raw));
    PutChunk(png, "IEND", {});
    return png;
}

}  // namespace aerowisp::qr
