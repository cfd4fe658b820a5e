// What every WlanService implementation must do for the program: a typed test suite, instantiated
// once per implementation.
//
// The type parameter is a provider class: default-constructible, with `aerowisp::WlanService&
// Service()` and `static std::string UnavailableReason()`, empty when the implementation can be
// exercised here (otherwise every test is skipped with that reason). Instantiate with
//   INSTANTIATE_TYPED_TEST_SUITE_P(Name, WlanServiceContract, testing::Types<Provider>);
// On a real machine the start/stop test changes the hosted network's settings and key.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "core/platform/wlan_service.h"
#include "core/platform/wlan_types.h"

namespace aerowisp::contract {

inline constexpr uint32_t kDwordDataSize = 4;
inline constexpr uint32_t kContractMaxPeers = 20;
inline constexpr char kContractSsid[] = "AerowispContract";
inline constexpr char kContractKey[] = "contract-key-1234";

template <typename Provider>
class WlanServiceContract : public testing::Test {
  protected:
    void SetUp() override {
        const std::string reason = Provider::UnavailableReason();
        if (!reason.empty())
            GTEST_SKIP() << reason;
        provider_.emplace();
    }

    void TearDown() override {
        if (!provider_)
            return;
        for (WlanHandle handle : handles_)
            Service().CloseHandle(handle);
    }

    WlanService& Service() { return provider_->Service(); }

    // A client handle closed again after the test.
    WlanHandle Open() {
        WlanHandle handle = 0;
        EXPECT_EQ(Service().OpenHandle(kWlanClientVersion, handle), kWlanSuccess);
        if (handle != 0)
            handles_.push_back(handle);
        return handle;
    }

    // Closes a handle before the test ends.
    void Close(WlanHandle handle) {
        EXPECT_EQ(Service().CloseHandle(handle), kWlanSuccess);
        handles_.erase(std::remove(handles_.begin(), handles_.end(), handle), handles_.end());
    }

    // The first wireless interface; nothing when the machine has none.
    std::optional<WlanInterfaceInfo> FirstInterface(WlanHandle handle) {
        WlanInterfaceList list;
        EXPECT_EQ(Service().EnumInterfaces(handle, list), kWlanSuccess);
        if (list.interfaces.empty())
            return std::nullopt;
        return list.interfaces.front();
    }

    HostedNetworkState QueryState(WlanHandle handle) {
        HostedNetworkStatus status;
        EXPECT_EQ(Service().HostedNetworkQueryStatus(handle, status), kWlanSuccess);
        return status.state;
    }

  private:
    std::optional<Provider> provider_;
    std::vector<WlanHandle> handles_;
};

TYPED_TEST_SUITE_P(WlanServiceContract);

TYPED_TEST_P(WlanServiceContract, OpenHandleGivesDistinctNonZeroHandles) {
    const WlanHandle first = this->Open();
    const WlanHandle second = this->Open();
    EXPECT_NE(first, 0u);
    EXPECT_NE(second, 0u);
    EXPECT_NE(first, second);
}

TYPED_TEST_P(WlanServiceContract, EnumInterfacesNamesEachCard) {
    const WlanHandle handle = this->Open();
    WlanInterfaceList list;
    ASSERT_EQ(this->Service().EnumInterfaces(handle, list), kWlanSuccess);
    for (const WlanInterfaceInfo& info : list.interfaces) {
        EXPECT_NE(info.interfaceGuid, Guid{});
        EXPECT_FALSE(info.description.empty());
    }
}

TYPED_TEST_P(WlanServiceContract, QueryInterfaceGivesFourByteStateAndChannel) {
    const WlanHandle handle = this->Open();
    const auto card = this->FirstInterface(handle);
    if (!card)
        GTEST_SKIP() << "no wireless interface";

    WlanInterfaceQueryResult state;
    ASSERT_EQ(
        this->Service().QueryInterface(handle, card->interfaceGuid, WlanIntfOpcode::kInterfaceState, state),
        kWlanSuccess);
    EXPECT_EQ(state.dataSize, kDwordDataSize);
    if (state.value != static_cast<uint32_t>(WlanInterfaceState::kConnected))
        return;

    WlanInterfaceQueryResult channel;
    ASSERT_EQ(
        this->Service().QueryInterface(handle, card->interfaceGuid, WlanIntfOpcode::kChannelNumber, channel),
        kWlanSuccess);
    EXPECT_EQ(channel.dataSize, kDwordDataSize);
    WlanInterfaceQueryResult connection;
    ASSERT_EQ(this->Service().QueryInterface(handle, card->interfaceGuid, WlanIntfOpcode::kCurrentConnection,
                                             connection),
              kWlanSuccess);
    EXPECT_LE(connection.connection.ssid.length, kDot11SsidMaxLength);
}

TYPED_TEST_P(WlanServiceContract, QueryInterfaceRefusesAnUnknownCard) {
    const WlanHandle handle = this->Open();
    const Guid unknown{0x0badc0de, 0x1234, 0x5678, {1, 2, 3, 4, 5, 6, 7, 8}};
    WlanInterfaceQueryResult result;
    EXPECT_NE(this->Service().QueryInterface(handle, unknown, WlanIntfOpcode::kInterfaceState, result),
              kWlanSuccess);
}

TYPED_TEST_P(WlanServiceContract, CapabilityReportsAtLeastOnePhy) {
    const WlanHandle handle = this->Open();
    const auto card = this->FirstInterface(handle);
    if (!card)
        GTEST_SKIP() << "no wireless interface";
    uint32_t phys = 0;
    ASSERT_EQ(this->Service().GetInterfaceCapability(handle, card->interfaceGuid, phys), kWlanSuccess);
    EXPECT_GE(phys, 1u);
}

TYPED_TEST_P(WlanServiceContract, QueryStatusSucceeds) {
    const WlanHandle handle = this->Open();
    HostedNetworkStatus status;
    EXPECT_EQ(this->Service().HostedNetworkQueryStatus(handle, status), kWlanSuccess);
}

TYPED_TEST_P(WlanServiceContract, StartsAndStopsTheHostedNetwork) {
    const WlanHandle handle = this->Open();
    if (!this->FirstInterface(handle))
        GTEST_SKIP() << "no wireless interface";
    WlanService& service = this->Service();

    HostedNetworkConnectionSettings settings;
    const std::string ssid = kContractSsid;
    settings.ssid.length = static_cast<uint32_t>(ssid.size());
    std::copy(ssid.begin(), ssid.end(), settings.ssid.ssid.begin());
    settings.maxNumberOfPeers = kContractMaxPeers;

    EXPECT_EQ(service.HostedNetworkInitSettings(handle, nullptr), kWlanSuccess);
    EXPECT_EQ(service.HostedNetworkSetEnable(handle, true, nullptr), kWlanSuccess);
    EXPECT_EQ(service.HostedNetworkSetConnectionSettings(handle, settings, nullptr), kWlanSuccess);
    EXPECT_EQ(service.HostedNetworkSetSecondaryKey(handle, kContractKey, true, true, nullptr), kWlanSuccess);
    ASSERT_EQ(service.HostedNetworkStartUsing(handle, nullptr), kWlanSuccess);
    EXPECT_EQ(this->QueryState(handle), HostedNetworkState::kActive);

    EXPECT_EQ(service.HostedNetworkStopUsing(handle, nullptr), kWlanSuccess);
    EXPECT_EQ(service.HostedNetworkForceStop(handle, nullptr), kWlanSuccess);
    EXPECT_EQ(this->QueryState(handle), HostedNetworkState::kIdle);
}

TYPED_TEST_P(WlanServiceContract, ClosedHandleIsRefused) {
    const WlanHandle handle = this->Open();
    this->Close(handle);
    WlanService& service = this->Service();
    WlanInterfaceList list;
    HostedNetworkStatus status;
    EXPECT_NE(service.EnumInterfaces(handle, list), kWlanSuccess);
    EXPECT_NE(service.HostedNetworkQueryStatus(handle, status), kWlanSuccess);
    // A refused hosted-network call gives a reason of its enumeration, or none.
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    EXPECT_NE(service.HostedNetworkStartUsing(handle, &reason), kWlanSuccess);
    EXPECT_LT(static_cast<uint32_t>(reason), kHostedNetworkReasonCount);
    EXPECT_NE(service.HostedNetworkForceStop(handle, nullptr), kWlanSuccess);
    EXPECT_NE(service.CloseHandle(handle), kWlanSuccess);
}

REGISTER_TYPED_TEST_SUITE_P(WlanServiceContract, OpenHandleGivesDistinctNonZeroHandles,
                            EnumInterfacesNamesEachCard, QueryInterfaceGivesFourByteStateAndChannel,
                            QueryInterfaceRefusesAnUnknownCard, CapabilityReportsAtLeastOnePhy,
                            QueryStatusSucceeds, StartsAndStopsTheHostedNetwork, ClosedHandleIsRefused);

}  // namespace aerowisp::contract
