// QR code symbols in byte mode: data bits, Reed-Solomon blocks, module placement and masking.
#include "core/qr/qr_code.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <limits>

#include "core/qr/reed_solomon.h"

namespace aerowisp::qr {
namespace {

constexpr int kLevels = 4;

// Error correction codewords in each block, by level and version (index 0 unused).
constexpr std::array<std::array<uint8_t, kMaxVersion + 1>, kLevels> kEcCodewordsPerBlock{{
    {0,  7,  10, 15, 20, 26, 18, 20, 24, 30, 18, 20, 24, 26, 30, 22, 24, 28, 30, 28, 28,
     28, 28, 30, 30, 26, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0,  10, 16, 26, 18, 24, 16, 18, 22, 22, 26, 30, 22, 22, 24, 24, 28, 28, 26, 26, 26,
     26, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28, 28},
    {0,  13, 22, 18, 26, 18, 24, 18, 22, 20, 24, 28, 26, 24, 20, 30, 24, 28, 28, 26, 30,
     28, 30, 30, 30, 30, 28, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
    {0,  17, 28, 22, 16, 22, 28, 26, 26, 24, 28, 24, 28, 22, 24, 24, 30, 28, 28, 26, 28,
     30, 24, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30, 30},
}};

// Reed-Solomon blocks the codewords are split into, by level and version (index 0 unused).
constexpr std::array<std::array<uint8_t, kMaxVersion + 1>, kLevels> kBlockCount{{
    {0, 1, 1, 1,  1,  1,  2,  2,  2,  2,  4,  4,  4,  4,  4,  6,  6,  6,  6,  7, 8,
     8, 9, 9, 10, 12, 12, 12, 13, 14, 15, 16, 17, 18, 19, 19, 20, 21, 22, 24, 25},
    {0,  1,  1,  1,  2,  2,  4,  4,  4,  5,  5,  5,  8,  9,  9,  10, 10, 11, 13, 14, 16,
     17, 17, 18, 20, 21, 23, 25, 26, 28, 29, 31, 33, 35, 37, 38, 40, 43, 45, 47, 49},
    {0,  1,  1,  2,  2,  4,  4,  6,  6,  8,  8,  8,  10, 12, 16, 12, 17, 16, 18, 21, 20,
     23, 23, 25, 27, 29, 34, 34, 35, 38, 40, 43, 45, 48, 51, 53, 56, 59, 62, 65, 68},
    {0,  1,  1,  2,  4,  4,  4,  5,  6,  8,  8,  11, 11, 16, 16, 18, 16, 19, 21, 25, 25,
     25, 34, 30, 32, 35, 37, 40, 42, 45, 48, 51, 54, 57, 60, 63, 66, 70, 74, 77, 81},
}};

// The two bits that name each level in the format information.
constexpr std::array<int, kLevels> kFormatLevelBits{1, 0, 3, 2};

int LevelIndex(ErrorCorrection level) {
    return static_cast<int>(level);
}

// Modules left for codewords once the fixed patterns and the format and version areas are taken.
int DataModules(int version) {
    int modules = (16 * version + 128) * version + 64;
    if (version >= 2) {
        const int alignments = version / 7 + 2;
        modules -= (25 * alignments - 10) * alignments - 55;
        if (version >= 7)
            modules -= 36;
    }
    return modules;
}

int TotalCodewords(int version) {
    return DataModules(version) / 8;
}

int DataCodewords(int version, ErrorCorrection level) {
    const int l = LevelIndex(level);
    return TotalCodewords(version) - kEcCodewordsPerBlock[l][version] * kBlockCount[l][version];
}

int CountIndicatorBits(int version) {
    return version <= 9 ? 8 : 16;
}

constexpr int kModeIndicatorBits = 4;
constexpr uint8_t kByteMode = 0b0100;
// The Extended Channel Interpretation header that names the bytes UTF-8: its mode and designator 26.
constexpr uint8_t kEciMode = 0b0111;
constexpr uint8_t kUtf8Designator = 26;
constexpr size_t kEciHeaderBits = 12;

// The UTF-8 designator when asked for, mode, count, the bytes, the terminator and the pad codewords that fill
// the data capacity.
std::vector<uint8_t> DataCodewordsFor(std::string_view data, int version, ErrorCorrection level,
                                      bool utf8Designator) {
    const size_t capacityBits = static_cast<size_t>(DataCodewords(version, level)) * 8;
    std::vector<bool> bits;
    const auto append = [&bits](uint32_t value, int count) {
        for (int bit = count - 1; bit >= 0; --bit)
            bits.push_back(((value >> bit) & 1) != 0);
    };
    if (utf8Designator) {
        append(kEciMode, kModeIndicatorBits);
        append(kUtf8Designator, 8);
    }
    append(kByteMode, kModeIndicatorBits);
    append(static_cast<uint32_t>(data.size()), CountIndicatorBits(version));
    for (char c : data)
        append(static_cast<uint8_t>(c), 8);
    append(0, static_cast<int>(std::min<size_t>(4, capacityBits - bits.size())));
    append(0, static_cast<int>((8 - bits.size() % 8) % 8));
    std::vector<uint8_t> codewords(bits.size() / 8, 0);
    for (size_t i = 0; i < bits.size(); ++i)
        codewords[i / 8] |= static_cast<uint8_t>(bits[i] << (7 - i % 8));
    for (uint8_t pad = 0xEC; codewords.size() * 8 < capacityBits; pad ^= 0xEC ^ 0x11)
        codewords.push_back(pad);
    return codewords;
}

// The data split into blocks, each followed by its error correction, then read out column by column.
std::vector<uint8_t> InterleavedCodewords(const std::vector<uint8_t>& data, int version,
                                          ErrorCorrection level) {
    const int l = LevelIndex(level);
    const int blocks = kBlockCount[l][version];
    const int ecLength = kEcCodewordsPerBlock[l][version];
    const int total = TotalCodewords(version);
    const int shortBlocks = blocks - total % blocks;
    const int shortDataLength = total / blocks - ecLength;

    std::vector<std::vector<uint8_t>> dataBlocks;
    std::vector<std::vector<uint8_t>> ecBlocks;
    size_t offset = 0;
    for (int b = 0; b < blocks; ++b) {
        const size_t length = static_cast<size_t>(shortDataLength + (b < shortBlocks ? 0 : 1));
        dataBlocks.emplace_back(data.begin() + static_cast<std::ptrdiff_t>(offset),
                                data.begin() + static_cast<std::ptrdiff_t>(offset + length));
        ecBlocks.push_back(ReedSolomonRemainder({data.data() + offset, length}, ecLength));
        offset += length;
    }
    std::vector<uint8_t> result;
    result.reserve(static_cast<size_t>(total));
    for (int i = 0; i <= shortDataLength; ++i) {
        for (const std::vector<uint8_t>& block : dataBlocks) {
            if (static_cast<size_t>(i) < block.size())
                result.push_back(block[static_cast<size_t>(i)]);
        }
    }
    for (int i = 0; i < ecLength; ++i) {
        for (const std::vector<uint8_t>& block : ecBlocks)
            result.push_back(block[static_cast<size_t>(i)]);
    }
    return result;
}

bool MaskFlips(int mask, int x, int y) {
    switch (mask) {
        case 0:
            return (x + y) % 2 == 0;
        case 1:
            return y % 2 == 0;
        case 2:
            return x % 3 == 0;
        case 3:
            return (x + y) % 3 == 0;
        case 4:
            return (x / 3 + y / 2) % 2 == 0;
        case 5:
            return x * y % 2 + x * y % 3 == 0;
        case 6:
            return (x * y % 2 + x * y % 3) % 2 == 0;
        default:
            return ((x + y) % 2 + x * y % 3) % 2 == 0;
    }
}

// Centres of the alignment patterns along either axis.
std::vector<int> AlignmentCentres(int version) {
    if (version == 1)
        return {};
    const int count = version / 7 + 2;
    const int size = 17 + 4 * version;
    const int step = version == 32 ? 26 : (version * 4 + count * 2 + 1) / (count * 2 - 2) * 2;
    std::vector<int> centres(static_cast<size_t>(count));
    centres[0] = 6;
    for (int i = count - 1, position = size - 7; i >= 1; --i, position -= step)
        centres[static_cast<size_t>(i)] = position;
    return centres;
}

}  // namespace

// Draws one symbol: fixed patterns, codewords, then the mask of least penalty with its format bits.
class SymbolBuilder {
  public:
    static std::optional<QrCode> Encode(std::string_view data, ErrorCorrection level, int maxVersion,
                                        bool utf8Designator);

  private:
    explicit SymbolBuilder(QrCode& code) : code_(code), size_(code.size_) {}

    void DrawFixedPatterns() {
        for (int i = 0; i < size_; ++i) {
            SetFixed(6, i, i % 2 == 0);
            SetFixed(i, 6, i % 2 == 0);
        }
        DrawFinder(3, 3);
        DrawFinder(size_ - 4, 3);
        DrawFinder(3, size_ - 4);
        const std::vector<int> centres = AlignmentCentres(code_.version_);
        const size_t last = centres.size() - 1;
        for (size_t i = 0; i < centres.size(); ++i) {
            for (size_t j = 0; j < centres.size(); ++j) {
                const bool onFinder = (i == 0 && j == 0) || (i == 0 && j == last) || (i == last && j == 0);
                if (!onFinder)
                    DrawAlignment(centres[i], centres[j]);
            }
        }
        DrawFormatBits(0);  // reserves the area; the chosen mask's bits replace these
        DrawVersionBits();
    }

    void PlaceCodewords(const std::vector<uint8_t>& codewords) {
        const size_t bitCount = codewords.size() * 8;
        size_t i = 0;
        for (int right = size_ - 1; right >= 1; right -= 2) {
            if (right == 6)
                right = 5;  // the vertical timing pattern's column is skipped
            const bool upward = ((right + 1) & 2) == 0;
            for (int step = 0; step < size_; ++step) {
                const int y = upward ? size_ - 1 - step : step;
                for (int x = right; x >= right - 1; --x) {
                    if (IsFixed(x, y))
                        continue;
                    const bool dark = i < bitCount && ((codewords[i / 8] >> (7 - i % 8)) & 1) != 0;
                    Set(x, y, dark);
                    ++i;
                }
            }
        }
    }

    void ApplyBestMask() {
        int best = 0;
        long bestPenalty = std::numeric_limits<long>::max();
        for (int mask = 0; mask < 8; ++mask) {
            ApplyMask(mask);
            DrawFormatBits(mask);
            const long penalty = Penalty();
            if (penalty < bestPenalty) {
                bestPenalty = penalty;
                best = mask;
            }
            ApplyMask(mask);  // a mask is its own inverse
        }
        ApplyMask(best);
        DrawFormatBits(best);
    }

    size_t Index(int x, int y) const { return static_cast<size_t>(y) * static_cast<size_t>(size_) + x; }
    bool Dark(int x, int y) const { return code_.modules_[Index(x, y)] != 0; }
    bool IsFixed(int x, int y) const { return code_.function_[Index(x, y)] != 0; }
    void Set(int x, int y, bool dark) { code_.modules_[Index(x, y)] = dark ? 1 : 0; }
    void SetFixed(int x, int y, bool dark) {
        Set(x, y, dark);
        code_.function_[Index(x, y)] = 1;
    }

    // The 7 × 7 finder with its light separator, clipped at the symbol's edge.
    void DrawFinder(int cx, int cy) {
        for (int dy = -4; dy <= 4; ++dy) {
            for (int dx = -4; dx <= 4; ++dx) {
                const int x = cx + dx;
                const int y = cy + dy;
                if (x < 0 || y < 0 || x >= size_ || y >= size_)
                    continue;
                const int ring = std::max(std::abs(dx), std::abs(dy));
                SetFixed(x, y, ring != 2 && ring != 4);
            }
        }
    }

    void DrawAlignment(int cx, int cy) {
        for (int dy = -2; dy <= 2; ++dy) {
            for (int dx = -2; dx <= 2; ++dx)
                SetFixed(cx + dx, cy + dy, std::max(std::abs(dx), std::abs(dy)) != 1);
        }
    }

    // Level and mask, protected by a BCH(15,5) code and masked with 101010000010010, in two copies.
    void DrawFormatBits(int mask) {
        const int data = kFormatLevelBits[static_cast<size_t>(LevelIndex(code_.level_))] << 3 | mask;
        int remainder = data;
        for (int i = 0; i < 10; ++i)
            remainder = (remainder << 1) ^ ((remainder >> 9) * 0x537);
        const int bits = (data << 10 | remainder) ^ 0x5412;
        const auto bit = [bits](int i) { return ((bits >> i) & 1) != 0; };
        for (int i = 0; i <= 5; ++i)
            SetFixed(8, i, bit(i));
        SetFixed(8, 7, bit(6));
        SetFixed(8, 8, bit(7));
        SetFixed(7, 8, bit(8));
        for (int i = 9; i < 15; ++i)
            SetFixed(14 - i, 8, bit(i));
        for (int i = 0; i < 8; ++i)
            SetFixed(size_ - 1 - i, 8, bit(i));
        for (int i = 8; i < 15; ++i)
            SetFixed(8, size_ - 15 + i, bit(i));
        SetFixed(8, size_ - 8, true);  // the module that is always dark
    }

    // From version 7: the version number protected by a BCH(18,6) code, beside two of the finders.
    void DrawVersionBits() {
        if (code_.version_ < 7)
            return;
        int remainder = code_.version_;
        for (int i = 0; i < 12; ++i)
            remainder = (remainder << 1) ^ ((remainder >> 11) * 0x1F25);
        const long bits = static_cast<long>(code_.version_) << 12 | remainder;
        for (int i = 0; i < 18; ++i) {
            const bool dark = ((bits >> i) & 1) != 0;
            const int a = size_ - 11 + i % 3;
            const int b = i / 3;
            SetFixed(a, b, dark);
            SetFixed(b, a, dark);
        }
    }

    void ApplyMask(int mask) {
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                if (!IsFixed(x, y) && MaskFlips(mask, x, y))
                    Set(x, y, !Dark(x, y));
            }
        }
    }

    // One row or column, `stride` apart from `first`: long runs of one colour, and the finder's 1:1:3:1:1
    // with four light modules on a side (outside the symbol counts as light).
    long LinePenalty(const uint8_t* first, size_t stride) const {
        const auto at = [&](int i) {
            return i >= 0 && i < size_ && first[static_cast<size_t>(i) * stride] != 0;
        };
        long penalty = 0;
        int run = 0;
        for (int i = 0; i < size_; ++i) {
            run = (i > 0 && at(i) == at(i - 1)) ? run + 1 : 1;
            if (run == 5)
                penalty += 3;
            else if (run > 5)
                penalty += 1;
        }
        const auto lightSpan = [&](int from, int to) {
            for (int i = from; i < to; ++i) {
                if (at(i))
                    return false;
            }
            return true;
        };
        static constexpr std::array<bool, 7> kFinder{true, false, true, true, true, false, true};
        for (int start = 0; start + 7 <= size_; ++start) {
            bool matches = true;
            for (int k = 0; k < 7 && matches; ++k)
                matches = at(start + k) == kFinder[static_cast<size_t>(k)];
            if (matches && (lightSpan(start - 4, start) || lightSpan(start + 7, start + 11)))
                penalty += 40;
        }
        return penalty;
    }

    long Penalty() const {
        long penalty = 0;
        const uint8_t* modules = code_.modules_.data();
        for (int a = 0; a < size_; ++a)
            penalty += LinePenalty(modules + Index(0, a), 1) + LinePenalty(modules + Index(a, 0), size_);
        long dark = 0;
        for (int y = 0; y < size_; ++y) {
            for (int x = 0; x < size_; ++x) {
                dark += Dark(x, y) ? 1 : 0;
                if (x + 1 < size_ && y + 1 < size_ && Dark(x, y) == Dark(x + 1, y) &&
                    Dark(x, y) == Dark(x, y + 1) && Dark(x, y) == Dark(x + 1, y + 1))
                    penalty += 3;
            }
        }
        const long total = static_cast<long>(size_) * size_;
        penalty += 10 * (std::labs(dark * 20 - total * 10) / total);
        return penalty;
    }

    QrCode& code_;
    int size_;
};

QrCode::QrCode(int version, ErrorCorrection level)
    : version_(version),
      size_(17 + 4 * version),
      level_(level),
      modules_(static_cast<size_t>(size_) * static_cast<size_t>(size_), 0),
      function_(modules_.size(), 0) {}

bool QrCode::IsDark(int x, int y) const {
    if (x < 0 || y < 0 || x >= size_ || y >= size_)
        return false;
    return modules_[static_cast<size_t>(y) * static_cast<size_t>(size_) + static_cast<size_t>(x)] != 0;
}

int ByteCapacity(int version, ErrorCorrection level) {
    if (version < kMinVersion || version > kMaxVersion || LevelIndex(level) >= kLevels)
        return 0;
    return (DataCodewords(version, level) * 8 - kModeIndicatorBits - CountIndicatorBits(version)) / 8;
}

namespace {

bool HasNonAscii(std::string_view data) {
    return std::any_of(data.begin(), data.end(), [](char c) { return static_cast<uint8_t>(c) >= 0x80; });
}

}  // namespace

std::optional<QrCode> SymbolBuilder::Encode(std::string_view data, ErrorCorrection level, int maxVersion,
                                            bool utf8Designator) {
    if (LevelIndex(level) >= kLevels || maxVersion < kMinVersion || maxVersion > kMaxVersion)
        return std::nullopt;
    const auto fits = [&](int version, ErrorCorrection l) {
        const size_t bits = (utf8Designator ? kEciHeaderBits : 0) + kModeIndicatorBits +
                            static_cast<size_t>(CountIndicatorBits(version)) + data.size() * 8;
        return bits <= static_cast<size_t>(DataCodewords(version, l)) * 8;
    };
    int version = kMinVersion;
    while (version <= maxVersion && !fits(version, level))
        ++version;
    if (version > maxVersion)
        return std::nullopt;
    for (int stronger = LevelIndex(level) + 1; stronger < kLevels; ++stronger) {
        if (fits(version, static_cast<ErrorCorrection>(stronger)))
            level = static_cast<ErrorCorrection>(stronger);
    }
    QrCode code(version, level);
    SymbolBuilder builder(code);
    builder.DrawFixedPatterns();
    builder.PlaceCodewords(
        InterleavedCodewords(DataCodewordsFor(data, version, level, utf8Designator), version, level));
    builder.ApplyBestMask();
    return code;
}

std::optional<QrCode> EncodeUtf8(std::string_view text, ErrorCorrection level, int maxVersion) {
    return SymbolBuilder::Encode(text, level, maxVersion, HasNonAscii(text));
}

}  // namespace aerowisp::qr
