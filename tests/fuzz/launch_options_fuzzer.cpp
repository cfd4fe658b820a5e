// libFuzzer target: the command-line options, with arguments separated by zero bytes. Every command line
// gives options or an error, never both.
#include "core/app/launch_options.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Arguments;
using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const aerowisp::LaunchOptionsResult result = aerowisp::ParseLaunchOptions(Arguments(bytes));
    Require(result.options.has_value() != !result.error.empty());
    return 0;
}
