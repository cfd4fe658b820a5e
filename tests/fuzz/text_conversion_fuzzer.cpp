// libFuzzer target: UTF-8 and UTF-16. UTF-8 that decodes encodes back to the same bytes; any UTF-16,
// unpaired surrogates included, encodes to UTF-8 that decodes to as many units.
#include "core/text/utf16_text.h"
#include "fuzz_support.h"
#include "sim/sim_text.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    if (const auto wide = aerowisp::Utf8ToUtf16(bytes))
        Require(aerowisp::Utf16ToUtf8(*wide) == bytes);
    std::u16string units;
    for (size_t i = 0; i + 1 < size; i += 2)
        units += static_cast<char16_t>(data[i] | data[i + 1] << 8);
    const auto back = aerowisp::Utf8ToUtf16(aerowisp::Utf16ToUtf8(units));
    Require(back.has_value() && back->size() == units.size());
    Require(!aerowisp::QuoteText(units).empty() && !aerowisp::QuoteBytes(bytes).empty());
    return 0;
}
