// A QR code symbol as a PNG picture: one-bit grey, whole pixels per module, with the quiet zone.
#pragma once

#include <cstdint>
#include <vector>

#include "core/qr/qr_code.h"

namespace aerowisp::qr {

// Pixels per module of the pictures the command line writes: a 33-module symbol comes out 328 pixels wide.
inline constexpr int kPngModulePixels = 8;

std::vector<uint8_t> EncodePng(const QrCode& symbol, int modulePixels = kPngModulePixels);

}  // namespace aerowisp::qr
