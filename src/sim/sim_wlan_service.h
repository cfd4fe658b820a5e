// The WLAN service of the simulated machine: cards, their radios and connections, and the hosted
// network with stations that join by the clock, behaving like the real service where the program
// relies on it.
#pragma once

#include <cstdint>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/clock.h"
#include "core/platform/wlan_service.h"
#include "sim/scenario.h"

namespace aerowisp {

class FailurePlan;
class Journal;

// sizeof(WLAN_RADIO_STATE), the data size of a radio-state query: a count and 64 PHY records.
inline constexpr uint32_t kWlanRadioStateSize = 4 + kWlanMaxPhyIndex * sizeof(PhyRadioState);

// The secondary key as the service keeps it.
struct HostedNetworkKey {
    std::string bytes;  // without a terminating zero
    bool passphrase = true;
    bool persistent = true;

    friend bool operator==(const HostedNetworkKey&, const HostedNetworkKey&) = default;
};

class SimWlanService final : public WlanService {
  public:
    SimWlanService(const Scenario& scenario, Clock& clock, Journal& journal, FailurePlan& failures);

    WlanResult OpenHandle(uint32_t clientVersion, WlanHandle& handle) override;
    WlanResult CloseHandle(WlanHandle handle) override;
    WlanResult EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) override;
    WlanResult QueryInterface(WlanHandle handle, const Guid& interfaceGuid, WlanIntfOpcode opcode,
                              WlanInterfaceQueryResult& result) override;
    WlanResult GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                      uint32_t& numberOfSupportedPhys) override;
    WlanResult SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                             const PhyRadioState& state) override;
    WlanResult HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetConnectionSettings(WlanHandle handle,
                                                  const HostedNetworkConnectionSettings& settings,
                                                  HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                      HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey, bool isPassPhrase,
                                            bool persistent, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) override;
    WlanResult HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) override;

    // ---- What the service holds now (for tests; nothing here is journaled) ----
    bool HostedNetworkRunning() const { return forcedOn_ || !users_.empty(); }
    HostedNetworkState CurrentHostedNetworkState() const;
    bool HostedNetworkAllowed() const { return allowed_; }
    // An SSID length of 0 means the settings were never configured.
    const HostedNetworkConnectionSettings& StoredConnectionSettings() const { return settings_; }
    // The name stations see: the stored one as it was when the network started; settings stored while
    // it runs wait for the next start. Empty while the network is stopped.
    Dot11Ssid OnAirSsid() const { return HostedNetworkRunning() ? airSsid_ : Dot11Ssid{}; }
    const HostedNetworkKey& StoredKey() const { return key_; }
    // The stations associated now, in the order they joined.
    std::vector<HostedNetworkPeerState> Peers() const;
    const std::vector<ScenarioCard>& Cards() const { return cards_; }
    // Nothing when there is no such card or PHY.
    std::optional<Dot11RadioState> SoftwareRadio(const Guid& card, uint32_t phy) const;
    std::optional<Dot11RadioState> HardwareRadio(const Guid& card, uint32_t phy) const;
    size_t OpenHandleCount() const { return handles_.size(); }

    // ---- Events from outside the program ----
    // A card unplugged: it leaves the interface list, and a hosted network on it stops.
    bool RemoveCard(const Guid& card);
    // A card plugged in, at the end of the interface list.
    void InsertCard(const ScenarioCard& card);
    // A radio switched by hand (software: another program; hardware: the switch on the case).
    // Switching one off stops the hosted network on that card. False when there is no such PHY.
    bool SetSoftwareRadio(const Guid& card, uint32_t phy, Dot11RadioState state);
    bool SetHardwareRadio(const Guid& card, uint32_t phy, Dot11RadioState state);
    void AddStation(const ScenarioStation& station);
    // A station that joins the running hosted network now; false when it is not running.
    bool JoinStationNow(const MacAddress& mac);
    // The station listed now that joined last leaves; false when none is listed.
    bool DropLastStation();
    // The key set by other means, such as "netsh wlan set hostednetwork key=...".
    void SetStoredKey(const HostedNetworkKey& key) { key_ = key; }

  private:
    template <typename Body>
    WlanResult Call(std::string_view operation, std::string arguments, Body body);
    // A hosted-network call: a failure also gives its reason, to `failReason` and to the journal.
    template <typename Body>
    WlanResult HostedCall(std::string_view operation, std::string arguments, HostedNetworkReason* failReason,
                          Body body);

    bool IsOpen(WlanHandle handle) const { return handles_.contains(handle); }
    ScenarioCard* FindCard(const Guid& guid);
    const ScenarioCard* FindCard(const Guid& guid) const;
    // The card the hosted network runs on: the first one present.
    const ScenarioCard* HostCard() const { return cards_.empty() ? nullptr : &cards_.front(); }
    static bool RadioOn(const ScenarioCard& card);
    // Its radio is on and its driver can carry the hosted network.
    static bool CanHost(const ScenarioCard& card);
    // What the card reports: a card whose radio is off is disconnected.
    static WlanInterfaceState ReportedState(const ScenarioCard& card);
    WlanResult Start(HostedNetworkReason& reason);
    void Stop();
    // Stops the hosted network when the card it runs on can no longer carry it.
    void StopIfHostLost();

    Clock& clock_;
    Journal& journal_;
    FailurePlan& failures_;
    std::u16string computerName_;

    std::vector<ScenarioCard> cards_;
    std::set<WlanHandle> handles_;
    WlanHandle nextHandle_ = 1;

    bool allowed_;
    HostedNetworkConnectionSettings settings_;
    Dot11Ssid airSsid_;
    HostedNetworkKey key_;
    Guid virtualAdapterGuid_;
    MacAddress bssid_;
    std::vector<ScenarioStation> stations_;
    // Handles that started the hosted network with StartUsing; it runs while any remains or it was
    // started by force.
    std::set<WlanHandle> users_;
    bool forcedOn_ = false;
    uint32_t startTick_ = 0;
};

}  // namespace aerowisp
