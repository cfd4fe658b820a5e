// Network adapters arriving and going, suspend and resume, and the device-interface record they carry.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/app/device_broadcast.h"
#include "core/resource.h"
#include "support/tray_harness.h"

namespace aerowisp {
namespace {

using test::TrayHarness;
using Bytes = std::vector<uint8_t>;
using Ops = std::vector<std::string>;

const Guid kOtherClass{0x53F5630D, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};

// A DEV_BROADCAST_DEVICEINTERFACE_W of `length` bytes (at least 28) whose size field says `size`.
Bytes Record(const Guid& interfaceClass = kNetworkInterfaceClass, size_t length = 60, uint32_t size = 60,
             uint32_t deviceType = kDbtDevtypDeviceInterface) {
    Bytes bytes(std::max<size_t>(length, 28));
    auto put = [&](size_t offset, uint64_t value, size_t count) {
        for (size_t i = 0; i < count; ++i)
            bytes[offset + i] = static_cast<uint8_t>(value >> (8 * i));
    };
    put(0, size, 4);
    put(4, deviceType, 4);
    put(12, interfaceClass.data1, 4);
    put(16, interfaceClass.data2, 2);
    put(18, interfaceClass.data3, 2);
    std::copy(interfaceClass.data4.begin(), interfaceClass.data4.end(), bytes.begin() + 20);
    bytes.resize(length);
    return bytes;
}

TEST(DeviceInterfaceClass, ReadsTheClassOnlyFromAWholeRecord) {
    const std::pair<Bytes, std::optional<Guid>> cases[] = {
        {Record(), kNetworkInterfaceClass}, {Record(kOtherClass), kOtherClass},
        {Record({}, 28, 28), Guid{}},       {{}, std::nullopt},
        {Record({}, 11, 60), std::nullopt}, {Record({}, 60, 60, 2), std::nullopt},
        {Record({}, 60, 27), std::nullopt}, {Record({}, 27, 28), std::nullopt},
    };
    for (const auto& [record, interfaceClass] : cases) {
        SCOPED_TRACE(testing::Message() << record.size() << " bytes");
        EXPECT_EQ(DeviceInterfaceClass(record), interfaceClass);
    }
}

TEST(OnDeviceChange, ArrivalsWithin10SecondsLeadToOneRediscovery) {
    TrayHarness h;
    h.FindCard();
    h.Hosted().startGuard = false;
    for (int arrival = 0; arrival < 3; ++arrival)
        h.deviceEvents.OnDeviceChange(kDbtDeviceArrival, Record());
    EXPECT_EQ(h.Operations(), (Ops{"SetTimer", "KillTimer", "SetTimer", "KillTimer", "SetTimer"}));
    EXPECT_EQ(h.timers.Period(IDT_REDISCOVERY), 10000u);

    h.Log().Clear();
    h.statusTimers.OnTimer(IDT_REDISCOVERY);
    h.statusTimers.OnTimer(IDT_REDISCOVERY);
    EXPECT_EQ(h.Count("WlanEnumInterfaces"), 1u);
}

TEST(OnDeviceChange, IgnoresOtherDevicesAndEverythingDuringTheStartGuard) {
    struct Case {
        const char* label;
        uint32_t event;
        Bytes record;
        bool startGuard;
    };
    const Case cases[] = {
        {"arrival, guard on", kDbtDeviceArrival, Record(), true},
        {"removal, guard on", kDbtDeviceRemoveComplete, Record(), true},
        {"another class", kDbtDeviceArrival, Record(kOtherClass), false},
        {"another device type", kDbtDeviceRemoveComplete, Record({}, 60, 60, 2), false},
        {"too short", kDbtDeviceArrival, Record({}, 20, 20), false},
        {"no record", kDbtDeviceArrival, {}, false},
        {"another event", 0x8001, Record(), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        h.FindCard();
        h.machine.Wlan().RemoveCard(h.machine.Wlan().Cards().front().guid);
        h.Hosted().startGuard = c.startGuard;
        h.deviceEvents.OnDeviceChange(c.event, c.record);
        EXPECT_TRUE(h.Operations().empty());
        EXPECT_TRUE(h.State().cardPresent);
    }
}

// AP+STA mode with the start guard over, the card found.
void RunningAccessPoint(TrayHarness& h) {
    h.FindCard();
    h.SetIni(u"DuvaDI", u"secret-key");
    h.Control().SwitchToApStaMode();
    h.Control().OnStartGuardTimer(h.Hosted().guardTimer);
    h.Forget();
}

TEST(OnDeviceChange, RemovalHidesTheWindowOnlyWhenTheChosenCardIsGone) {
    for (bool chosenCardGone : {false, true}) {
        SCOPED_TRACE(chosenCardGone);
        TrayHarness h;
        RunningAccessPoint(h);
        if (chosenCardGone)
            h.machine.Wlan().RemoveCard(h.machine.Wlan().Cards().front().guid);
        h.Log().Clear();

        h.deviceEvents.OnDeviceChange(kDbtDeviceRemoveComplete, Record());

        EXPECT_EQ(h.State().cardPresent, !chosenCardGone);
        EXPECT_EQ(h.Operations(), chosenCardGone ? (Ops{"WlanEnumInterfaces", "View.HideToTray"})
                                                 : (Ops{"WlanEnumInterfaces"}));
        EXPECT_TRUE(h.Hosted().apMode);
    }
}

TEST(OnPowerBroadcast, SuspendAndResumeInApStaModeRestartTheNetwork) {
    TrayHarness h;
    RunningAccessPoint(h);

    h.deviceEvents.OnPowerBroadcast(kPbtApmSuspend);
    // The DHCP server and the sharing go before the virtual adapter does.
    Ops expected = {"View.ClearAssociationList", "EnumWindows"};
    expected.insert(expected.end(), test::kStopSharingOfVirtualAdapterOnly.begin(),
                    test::kStopSharingOfVirtualAdapterOnly.end());
    expected.insert(expected.end(),
                    {"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop", "View.HideToTray"});
    EXPECT_EQ(h.Operations(), expected);
    EXPECT_FALSE(h.State().cardPresent);
    EXPECT_FALSE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_TRUE(h.Hosted().apMode);
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));

    h.Log().Clear();
    h.deviceEvents.OnPowerBroadcast(kPbtApmResumeAutomatic);
    EXPECT_EQ(h.OnlyArguments("SetTimer"), "id=100 period=10000");
    h.statusTimers.OnTimer(IDT_REDISCOVERY);
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkRunning());
    EXPECT_EQ(h.view.currentPage, ContentPage::kApConfig);
}

TEST(OnPowerBroadcast, SuspendInStationModeOnlyHides) {
    TrayHarness h;
    h.FindCard();
    h.deviceEvents.OnPowerBroadcast(kPbtApmSuspend);
    h.deviceEvents.OnPowerBroadcast(0xA);  // PBT_APMPOWERSTATUSCHANGE
    EXPECT_EQ(h.Operations(), Ops{"View.HideToTray"});
}

}  // namespace
}  // namespace aerowisp
