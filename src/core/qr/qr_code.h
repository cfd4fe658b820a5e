// A QR code symbol (versions 1 to 40) holding text in byte mode, with Reed-Solomon error correction, the
// mask of least penalty and its format and version information: the matrix a window draws module by module.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace aerowisp::qr {

// The four error correction levels, weakest first; each recovers about 7, 15, 25 or 30 % of the symbol.
enum class ErrorCorrection : uint8_t { kLow, kMedium, kQuartile, kHigh };

inline constexpr int kMinVersion = 1;
inline constexpr int kMaxVersion = 40;
// Light modules a reader needs around the symbol on every side.
inline constexpr int kQuietZoneModules = 4;

class QrCode;

// The smallest symbol of version `maxVersion` or less that holds the UTF-8 `text` at `level`; within that
// version the level is raised as far as the text still fits. Text beyond ASCII is marked UTF-8 (ECI 26,
// 12 bits more), which readers would otherwise guess, some of them as Shift JIS. Nothing when the text
// does not fit or the arguments are out of range.
std::optional<QrCode> EncodeUtf8(std::string_view text, ErrorCorrection level, int maxVersion = kMaxVersion);

// The most bytes of ASCII text a symbol of `version` at `level` holds; 0 for a version out of range.
int ByteCapacity(int version, ErrorCorrection level);

class QrCode {
  public:
    // Side length in modules, without the quiet zone: 17 + 4 × version.
    int Size() const { return size_; }
    int Version() const { return version_; }
    ErrorCorrection Level() const { return level_; }
    // Column x, row y, both from 0 at the top left; outside the symbol is light.
    bool IsDark(int x, int y) const;

  private:
    friend class SymbolBuilder;
    QrCode(int version, ErrorCorrection level);

    int version_;
    int size_;
    ErrorCorrection level_;
    std::vector<uint8_t> modules_;   // size_ × size_, row by row; 1 = dark
    std::vector<uint8_t> function_;  // modules of the fixed patterns, which no data or mask touches
};

}  // namespace aerowisp::qr
