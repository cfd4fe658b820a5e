// The notification record of a device-interface event.
#include "core/app/device_broadcast.h"

namespace aerowisp {
namespace {

constexpr size_t kSizeOffset = 0;
constexpr size_t kDeviceTypeOffset = 4;
// Within the GUID: Data1 at 0, Data2, Data3, then the eight bytes of Data4.
constexpr size_t kData2Offset = 4;
constexpr size_t kData3Offset = 6;
constexpr size_t kData4Offset = 8;

uint32_t ReadU32(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<uint32_t>(bytes[offset + 2]) << 16 | static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

uint16_t ReadU16(std::span<const uint8_t> bytes, size_t offset) {
    return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

}  // namespace

std::optional<Guid> DeviceInterfaceClass(std::span<const uint8_t> record) {
    if (record.size() < kDeviceBroadcastHeaderSize)
        return std::nullopt;
    if (ReadU32(record, kDeviceTypeOffset) != kDbtDevtypDeviceInterface)
        return std::nullopt;
    if (ReadU32(record, kSizeOffset) < kDeviceInterfaceNameOffset ||
        record.size() < kDeviceInterfaceNameOffset)
        return std::nullopt;
    const std::span<const uint8_t> guid = record.subspan(kDeviceInterfaceClassOffset);
    Guid result{.data1 = ReadU32(guid, 0),
                .data2 = ReadU16(guid, kData2Offset),
                .data3 = ReadU16(guid, kData3Offset)};
    for (size_t i = 0; i < result.data4.size(); ++i)
        result.data4[i] = guid[kData4Offset + i];
    return result;
}

}  // namespace aerowisp
