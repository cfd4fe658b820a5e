// Reed-Solomon error correction codewords over GF(256) as QR codes use them: field polynomial
// x^8 + x^4 + x^3 + x^2 + 1, generator roots a^0 to a^(degree-1).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace aerowisp::qr {

// The `degree` error correction codewords of one block of data codewords.
std::vector<uint8_t> ReedSolomonRemainder(std::span<const uint8_t> data, int degree);

}  // namespace aerowisp::qr
