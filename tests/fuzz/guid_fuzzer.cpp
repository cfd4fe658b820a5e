// libFuzzer target: GUID text. Whatever parses prints back as the same text (ignoring A-Z case) and parses
// again to the same GUID.
#include "core/platform/guid.h"
#include "fuzz_support.h"
#include "sim/sim_text.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;
using aerowisp::fuzz::Widen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::u16string text = Widen(Bytes(data, size));
    const auto guid = aerowisp::GuidFromString(text);
    if (!guid)
        return 0;
    const std::u16string printed = aerowisp::GuidToString(*guid);
    Require(aerowisp::FoldAsciiCase(printed) == aerowisp::FoldAsciiCase(text));
    Require(aerowisp::GuidFromString(printed) == guid);
    return 0;
}
