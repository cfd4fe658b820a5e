// The notification record of a device-interface event (DEV_BROADCAST_DEVICEINTERFACE_W), read from its
// bytes as the message carries them.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "core/platform/guid.h"

namespace aerowisp {

// dbch_devicetype of a device-interface record.
inline constexpr uint32_t kDbtDevtypDeviceInterface = 5;

// GUID_DEVINTERFACE_NET {CAC88484-7515-4C03-82E6-71A87ABAC361}: network adapters.
inline constexpr Guid kNetworkInterfaceClass{
    0xCAC88484, 0x7515, 0x4C03, {0x82, 0xE6, 0x71, 0xA8, 0x7A, 0xBA, 0xC3, 0x61}};

// The record's little-endian layout: size, device type and a reserved word (the DEV_BROADCAST_HDR), then
// the interface class GUID and the device name.
inline constexpr size_t kDeviceBroadcastHeaderSize = 12;
inline constexpr size_t kDeviceInterfaceClassOffset = 12;
inline constexpr size_t kDeviceInterfaceNameOffset = 28;

// The interface class of a device-interface record. Nothing when there is no record, when it names
// another device type, or when it is too short to hold the class: its size field and the bytes given
// must both reach the device name.
std::optional<Guid> DeviceInterfaceClass(std::span<const uint8_t> record);

}  // namespace aerowisp
