// Reed-Solomon codewords: polynomial division in GF(256).
#include "core/qr/reed_solomon.h"

#include <algorithm>

namespace aerowisp::qr {
namespace {

constexpr int kFieldPolynomial = 0x11D;

uint8_t GfMultiply(uint8_t a, uint8_t b) {
    int product = 0;
    for (int bit = 7; bit >= 0; --bit) {
        product = (product << 1) ^ ((product >> 7) * kFieldPolynomial);
        if ((b >> bit) & 1)
            product ^= a;
    }
    return static_cast<uint8_t>(product);
}

// (x - a^0)(x - a^1)...(x - a^(degree-1)), leading coefficient first.
std::vector<uint8_t> Generator(int degree) {
    std::vector<uint8_t> g{1};
    uint8_t root = 1;
    for (int i = 0; i < degree; ++i) {
        std::vector<uint8_t> next(g.size() + 1, 0);
        for (size_t k = 0; k < g.size(); ++k) {
            next[k] ^= g[k];
            next[k + 1] ^= GfMultiply(g[k], root);
        }
        g = std::move(next);
        root = GfMultiply(root, 2);
    }
    return g;
}

}  // namespace

// The remainder of data × x^degree divided by the generator, one shift register step per data codeword.
std::vector<uint8_t> ReedSolomonRemainder(std::span<const uint8_t> data, int degree) {
    if (degree <= 0)
        return {};
    const std::vector<uint8_t> generator = Generator(degree);
    std::vector<uint8_t> remainder(static_cast<size_t>(degree), 0);
    for (uint8_t codeword : data) {
        const uint8_t factor = codeword ^ remainder[0];
        std::rotate(remainder.begin(), remainder.begin() + 1, remainder.end());
        remainder.back() = 0;
        for (size_t k = 0; k < remainder.size(); ++k)
            remainder[k] ^= GfMultiply(generator[k + 1], factor);
    }
    return remainder;
}

}  // namespace aerowisp::qr
