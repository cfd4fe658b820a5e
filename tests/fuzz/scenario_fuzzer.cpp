// libFuzzer target: the simulated machine's scenario reader. A scenario or errors, never both, and every
// error has its text.
#include "fuzz_support.h"
#include "sim/scenario.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const aerowisp::ScenarioResult result = aerowisp::ParseScenario(Bytes(data, size));
    Require(result.scenario.has_value() == result.errors.empty());
    for (const aerowisp::ScenarioError& error : result.errors)
        Require(!error.ToString().empty());
    return 0;
}
