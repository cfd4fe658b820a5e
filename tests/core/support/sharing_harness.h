// The model on a machine whose hosted network runs, so that its virtual adapter is listed, with the
// connections and sections a sharing test gives; the connection is chosen and the adapters scanned.
#pragma once

#include <string>
#include <string_view>

#include "core/sim_test_support.h"
#include "model_harness.h"

namespace aerowisp::test {

// A card, the settings key and a running hosted network.
inline constexpr std::string_view kHostedNetworkMachine = R"(
[Card]
Guid = 1d2c3b4a-5e6f-4a7b-8c9d-aebfc0d1e2f3
Description = Intel(R) Centrino(R) Advanced-N 6205
[Registry]
[HostedNetwork]
Running = yes
Bssid = 02-1F-3C-8A-51-D2
)";

struct SharingHarness : ModelHarness {
    SharingHarness(std::string_view connections, std::string_view sections, std::u16string chosen)
        : ModelHarness("CP1252",
                       testing_support::ParseOrFail(std::string(kHostedNetworkMachine) +
                                                    std::string(connections) + std::string(sections))) {
        State().chosenConnection = std::move(chosen);
        Sharing().ScanAdapters();
        Log().Clear();
    }
};

}  // namespace aerowisp::test
