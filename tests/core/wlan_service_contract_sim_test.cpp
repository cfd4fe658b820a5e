// The WLAN service contract, met by the simulated machine's service on the built-in scenario.
#include "contract/wlan_service_contract.h"
#include "sim/sim_machine.h"

namespace aerowisp::contract {
namespace {

class SimWlanProvider {
  public:
    WlanService& Service() { return machine_.Wlan(); }
    static std::string UnavailableReason() { return {}; }

  private:
    SimMachine machine_{DefaultScenario()};
};

}  // namespace

INSTANTIATE_TYPED_TEST_SUITE_P(SimMachine, WlanServiceContract, testing::Types<SimWlanProvider>);

}  // namespace aerowisp::contract
