// libFuzzer target: the device rules reader. Whatever it is given, it ends; rules it reads are fit to
// write, and what is written reads back as the same rules.
#include <cstdint>
#include <string_view>

#include "dhcp/core/device_rules.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Require;
using namespace aerowisp::dhcp;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const DeviceRulesRead read = ReadDeviceRules(std::string_view(reinterpret_cast<const char*>(data), size));
    Require((read.status == DeviceRulesRead::Status::kRead) == read.problem.empty());
    if (read.status != DeviceRulesRead::Status::kRead) {
        Require(read.rules.devices.empty());
        return 0;
    }
    const std::optional<std::string> written = FormatDeviceRules(read.rules);
    Require(written.has_value());
    const DeviceRulesRead again = ReadDeviceRules(*written);
    Require(again.status == DeviceRulesRead::Status::kRead && again.rules.devices == read.rules.devices);
    return 0;
}
