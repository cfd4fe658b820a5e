// libFuzzer target: the DHCP server's lease file as the program reads it for the association list, and MAC
// address text. Every bound lease of a station is found by its MAC address with a printable name; a MAC
// address that parses prints and parses back the same.
#include "core/hostednet/station_leases.h"
#include "core/text/number_text.h"
#include "dhcp/core/lease_file.h"
#include "fuzz_support.h"

using aerowisp::fuzz::Bytes;
using aerowisp::fuzz::Require;
using aerowisp::fuzz::Widen;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view bytes = Bytes(data, size);
    const aerowisp::StationLeases leases = aerowisp::StationLeases::Parse(bytes);
    for (const aerowisp::dhcp::Lease& record : aerowisp::dhcp::ParseLeaseFile(bytes).records) {
        if (record.state != aerowisp::dhcp::LeaseState::kBound || record.hardware.size() != 7 ||
            record.hardware[0] != 1)
            continue;
        aerowisp::StationMac mac{};
        std::copy(record.hardware.begin() + 1, record.hardware.end(), mac.begin());
        const auto lease = leases.Find(aerowisp::MacAddressText(mac));
        Require(lease.has_value() && !lease->ipAddress.empty());
        for (char16_t c : lease->deviceName)
            Require(c > 0x20 && c < 0x7F);
    }
    if (const auto mac = aerowisp::ParseStationMac(Widen(bytes.substr(0, 64))))
        Require(aerowisp::ParseStationMac(aerowisp::MacAddressText(*mac)) == mac);
    return 0;
}
