// libFuzzer target: the command-line options, with arguments separated by zero bytes. Every command line
// gives options or an error, never both.
#include <algorithm>
#include <vector>

#include "core/app/launch_options.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;
using aerowisp::fuzz::Widen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    std::vector<std::u16string> arguments;
    for (size_t start = 0; start <= bytes.size();) {
        const size_t end = std::min(bytes.find('\0', start), bytes.size());
        arguments.push_back(Widen(bytes.substr(start, end - start)));
        start = end + 1;
    }
    const aerowisp::LaunchOptionsResult result = aerowisp::ParseLaunchOptions(arguments);
    Require(result.options.has_value() != !result.error.empty());
    return 0;
}
