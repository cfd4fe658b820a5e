// libFuzzer target: the registry number rule against the C run-time reading the same ASCII text.
#include <algorithm>
#include <climits>
#include <cstdlib>

#include "core/text/registry_number.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;
using aerowisp::fuzz::Widen;

namespace {

// strtoll's reading clamped to 32 bits, as the rule says.
uint32_t ReferenceNumber(std::string_view bytes) {
    const std::string text(bytes.substr(0, bytes.find('\0')));
    const long long value =
        std::clamp<long long>(std::strtoll(text.c_str(), nullptr, 10), INT32_MIN, INT32_MAX);
    return static_cast<uint32_t>(static_cast<int32_t>(value));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const uint32_t number = aerowisp::ParseRegistryNumber(Widen(bytes));
    if (std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; }))
        Require(number == ReferenceNumber(bytes));
    return 0;
}
