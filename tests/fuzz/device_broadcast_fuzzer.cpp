// libFuzzer target: the device-interface record decoder on records of every size and content.
#include <span>
#include <vector>

#include "core/app/device_broadcast.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Require;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // A copy of exactly `size` bytes, so the sanitizer sees any read past the record.
    const std::vector<uint8_t> record(data, data + size);
    if (aerowisp::DeviceInterfaceClass(std::span<const uint8_t>(record.data(), record.size())))
        Require(record.size() >= aerowisp::kDeviceInterfaceNameOffset);
    return 0;
}
