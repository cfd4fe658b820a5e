// The simulated WLAN service: every call consults the failure plan, acts, and is journaled.
#include "sim/sim_wlan_service.h"

#include <algorithm>

#include "core/text/utf16_text.h"
#include "sim/failure_plan.h"
#include "sim/hosted_network_reasons.h"
#include "sim/journal.h"
#include "sim/journaled_call.h"
#include "sim/operations.h"

namespace aerowisp {
namespace {

constexpr uint32_t kClientVersionXp = 1;
// What a driver that keeps no channel number answers a channel query with.
constexpr WlanResult kErrorNotSupported = 50;
// WLAN_HOSTED_NETWORK_OPCODE values of the two properties the program sets.
constexpr uint32_t kHostedNetworkOpcodeConnectionSettings = 0;
constexpr uint32_t kHostedNetworkOpcodeEnable = 3;
constexpr uint32_t kHostedNetworkSettingsSize = sizeof(HostedNetworkConnectionSettings);
constexpr uint32_t kBoolDataSize = 4;
// A WPA2 passphrase is 8 to 63 characters.
constexpr size_t kMinPassphraseLength = 8;
constexpr size_t kMaxPassphraseLength = 63;
// What InitSettings configures on a machine that never had the hosted network set up.
constexpr char16_t kDefaultSsidSuffix[] = u"_Network";
constexpr uint32_t kDefaultMaxPeers = 100;
// The channel the service picks when the card is not associated anywhere.
constexpr uint32_t kDefaultHostedChannel = 11;

std::string Arg(std::string_view name, std::string_view value) {
    std::string out;
    out.reserve(name.size() + value.size() + 2);
    out.push_back(' ');
    out.append(name);
    out.push_back('=');
    out.append(value);
    return out;
}

std::string Arg(std::string_view name, uint64_t value) {
    return Arg(name, std::to_string(value));
}

std::string HandleArgs(WlanHandle handle) {
    return "handle=" + std::to_string(handle);
}

std::string GuidText(const Guid& guid) {
    return Utf16ToUtf8(GuidToString(guid));
}

std::string_view RadioName(Dot11RadioState state) {
    switch (state) {
        case Dot11RadioState::kOn:
            return "on";
        case Dot11RadioState::kOff:
            return "off";
        case Dot11RadioState::kUnknown:
            break;
    }
    return "unknown";
}

std::string_view HostedStateName(HostedNetworkState state) {
    switch (state) {
        case HostedNetworkState::kIdle:
            return "idle";
        case HostedNetworkState::kActive:
            return "active";
        case HostedNetworkState::kUnavailable:
            break;
    }
    return "unavailable";
}

Dot11Ssid MakeSsid(std::string_view bytes) {
    Dot11Ssid ssid;
    ssid.length = static_cast<uint32_t>(std::min(bytes.size(), kDot11SsidMaxLength));
    std::copy_n(bytes.begin(), ssid.length, ssid.ssid.begin());
    return ssid;
}

std::string_view SsidBytes(const Dot11Ssid& ssid) {
    return {reinterpret_cast<const char*>(ssid.ssid.data()),
            std::min<size_t>(ssid.length, kDot11SsidMaxLength)};
}

// The centre frequency of a channel in MHz, as the hosted network's status reports it.
uint32_t ChannelFrequency(uint32_t channel) {
    constexpr uint32_t kChannel14 = 14;
    constexpr uint32_t kChannel14Frequency = 2484;
    constexpr uint32_t kBand24Base = 2407;
    constexpr uint32_t kBand5Base = 5000;
    constexpr uint32_t kChannelSpacing = 5;
    if (channel == kChannel14)
        return kChannel14Frequency;
    return (channel < kChannel14 ? kBand24Base : kBand5Base) + kChannelSpacing * channel;
}

template <typename Cards>
auto FindCardIn(Cards& cards, const Guid& guid) {
    const auto it =
        std::find_if(cards.begin(), cards.end(), [&](const ScenarioCard& c) { return c.guid == guid; });
    return it == cards.end() ? nullptr : &*it;
}

bool Connected(WlanInterfaceState state) {
    return state == WlanInterfaceState::kConnected || state == WlanInterfaceState::kAdHocNetworkFormed;
}

}  // namespace

SimWlanService::SimWlanService(const Scenario& scenario, Clock& clock, Journal& journal,
                               FailurePlan& failures)
    : clock_(clock),
      journal_(journal),
      failures_(failures),
      computerName_(scenario.machine.computerName),
      cards_(scenario.cards),
      allowed_(scenario.hostedNetwork.allowed),
      key_{scenario.hostedNetwork.key, scenario.hostedNetwork.passphrase, scenario.hostedNetwork.persistent},
      virtualAdapterGuid_(scenario.hostedNetwork.virtualAdapterGuid),
      bssid_(scenario.hostedNetwork.bssid),
      stations_(scenario.stations) {
    settings_.ssid = MakeSsid(scenario.hostedNetwork.ssid);
    settings_.maxNumberOfPeers = scenario.hostedNetwork.maxPeers;
    if (scenario.hostedNetwork.running && allowed_ && HostCard() != nullptr && CanHost(*HostCard())) {
        forcedOn_ = true;
        startTick_ = clock_.GetTickCount();
        airSsid_ = settings_.ssid;
    }
}

template <typename Body>
WlanResult SimWlanService::Call(std::string_view operation, std::string arguments, Body body) {
    return JournaledCall(journal_, failures_, operation, std::move(arguments), body);
}

template <typename Body>
WlanResult SimWlanService::HostedCall(std::string_view operation, std::string arguments,
                                      HostedNetworkReason* failReason, Body body) {
    WlanResult result = kWlanSuccess;
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    if (auto injected = failures_.ConsumeFailure(operation)) {
        result = injected->error;
        reason = static_cast<HostedNetworkReason>(injected->reason);
    } else {
        result = body(reason);
    }
    if (result != kWlanSuccess) {
        if (reason != HostedNetworkReason::kSuccess)
            arguments += Arg("reason", HostedNetworkReasonName(reason));
        if (failReason != nullptr)
            *failReason = reason;
    }
    journal_.Record(operation, arguments, result);
    return result;
}

WlanResult SimWlanService::OpenHandle(uint32_t clientVersion, WlanHandle& handle) {
    return Call(op::kWlanOpenHandle, "clientVersion=" + std::to_string(clientVersion),
                [&](std::string& args) {
                    if (clientVersion != kClientVersionXp && clientVersion != kWlanClientVersion)
                        return kErrorInvalidParameter;
                    handle = nextHandle_++;
                    handles_.insert(handle);
                    args += Arg("handle", handle);
                    return kWlanSuccess;
                });
}

WlanResult SimWlanService::CloseHandle(WlanHandle handle) {
    return Call(op::kWlanCloseHandle, HandleArgs(handle), [&](std::string&) {
        if (!IsOpen(handle))
            return kErrorInvalidHandle;
        handles_.erase(handle);
        // A hosted network this client started for itself ends with its handle.
        users_.erase(handle);
        return kWlanSuccess;
    });
}

WlanResult SimWlanService::EnumInterfaces(WlanHandle handle, WlanInterfaceList& list) {
    return Call(op::kWlanEnumInterfaces, HandleArgs(handle), [&](std::string& args) {
        if (!IsOpen(handle))
            return kErrorInvalidHandle;
        list.interfaces.clear();
        for (const ScenarioCard& card : cards_) {
            list.interfaces.push_back({card.guid, card.description, ReportedState(card)});
        }
        args += Arg("interfaces", list.interfaces.size());
        return kWlanSuccess;
    });
}

WlanResult SimWlanService::QueryInterface(WlanHandle handle, const Guid& interfaceGuid, WlanIntfOpcode opcode,
                                          WlanInterfaceQueryResult& result) {
    std::string arguments = HandleArgs(handle) + Arg("guid", GuidText(interfaceGuid)) +
                            Arg("opcode", static_cast<uint32_t>(opcode));
    return Call(op::kWlanQueryInterface, std::move(arguments), [&](std::string& args) {
        if (!IsOpen(handle))
            return kErrorInvalidHandle;
        const ScenarioCard* card = FindCard(interfaceGuid);
        if (card == nullptr)
            return kErrorNotFound;
        const WlanInterfaceState state = ReportedState(*card);
        WlanInterfaceQueryResult answer;
        // A radio-state query's PHYs, journaled after the data size.
        std::string radios;
        switch (opcode) {
            case WlanIntfOpcode::kRadioState: {
                answer.dataSize = kWlanRadioStateSize;
                std::string software;
                std::string hardware;
                for (uint32_t phy = 0; phy < card->phys.size(); ++phy) {
                    answer.radioStates.push_back({phy, card->phys[phy].software, card->phys[phy].hardware});
                    if (phy != 0) {
                        software.push_back(',');
                        hardware.push_back(',');
                    }
                    software.append(RadioName(card->phys[phy].software));
                    hardware.append(RadioName(card->phys[phy].hardware));
                }
                radios =
                    Arg("phys", card->phys.size()) + Arg("software", software) + Arg("hardware", hardware);
                break;
            }
            case WlanIntfOpcode::kInterfaceState:
                answer.dataSize = kWlanDwordDataSize;
                answer.value = static_cast<uint32_t>(state);
                break;
            case WlanIntfOpcode::kChannelNumber:
                if (!Connected(state))
                    return kErrorInvalidState;
                if (card->channel == 0)
                    return kErrorNotSupported;
                answer.dataSize = kWlanDwordDataSize;
                answer.value = card->channel;
                break;
            case WlanIntfOpcode::kCurrentConnection: {
                if (!Connected(state))
                    return kErrorInvalidState;
                answer.dataSize = kWlanConnectionAttributesSize;
                WlanConnectionAttributes& c = answer.connection;
                c.state = state;
                c.profileName = card->profileName;
                c.ssid = MakeSsid(card->ssid);
                c.bssType = card->bssType;
                c.bssid = card->bssid;
                c.phyType = card->phyType;
                c.signalQuality = card->signalQuality;
                c.rxRate = card->rxRate;
                c.txRate = card->txRate;
                c.securityEnabled = card->cipherAlgorithm != kDot11CipherNone;
                c.authAlgorithm = card->authAlgorithm;
                c.cipherAlgorithm = card->cipherAlgorithm;
                break;
            }
            default:
                return kErrorInvalidParameter;
        }
        result = answer;
        args += Arg("dataSize", answer.dataSize) + radios;
        if (answer.dataSize == kWlanDwordDataSize)
            args += Arg("value", answer.value);
        return kWlanSuccess;
    });
}

WlanResult SimWlanService::GetInterfaceCapability(WlanHandle handle, const Guid& interfaceGuid,
                                                  uint32_t& numberOfSupportedPhys) {
    return Call(op::kWlanGetInterfaceCapability, HandleArgs(handle) + Arg("guid", GuidText(interfaceGuid)),
                [&](std::string& args) {
                    if (!IsOpen(handle))
                        return kErrorInvalidHandle;
                    const ScenarioCard* card = FindCard(interfaceGuid);
                    if (card == nullptr)
                        return kErrorNotFound;
                    numberOfSupportedPhys = static_cast<uint32_t>(card->phys.size());
                    args += Arg("phys", numberOfSupportedPhys);
                    return kWlanSuccess;
                });
}

WlanResult SimWlanService::SetRadioState(WlanHandle handle, const Guid& interfaceGuid,
                                         const PhyRadioState& state) {
    std::string arguments = HandleArgs(handle) + Arg("guid", GuidText(interfaceGuid)) +
                            Arg("opcode", static_cast<uint32_t>(WlanIntfOpcode::kRadioState)) +
                            Arg("dataSize", sizeof(PhyRadioState)) + Arg("phy", state.phyIndex) +
                            Arg("radio", RadioName(state.softwareRadioState));
    return Call(op::kWlanSetInterface, std::move(arguments), [&](std::string&) {
        if (!IsOpen(handle))
            return kErrorInvalidHandle;
        ScenarioCard* card = FindCard(interfaceGuid);
        if (card == nullptr)
            return kErrorNotFound;
        if (state.phyIndex >= card->phys.size() || state.softwareRadioState == Dot11RadioState::kUnknown) {
            return kErrorInvalidParameter;
        }
        // Only the software state can be set; the hardware switch is the user's, and while it is off the
        // service refuses to switch the radio on.
        ScenarioPhy& phy = card->phys[state.phyIndex];
        if (state.softwareRadioState == Dot11RadioState::kOn && phy.hardware == Dot11RadioState::kOff)
            return kErrorInvalidState;
        phy.software = state.softwareRadioState;
        StopIfHostLost();
        return kWlanSuccess;
    });
}

WlanResult SimWlanService::HostedNetworkInitSettings(WlanHandle handle, HostedNetworkReason* failReason) {
    return HostedCall(op::kWlanHostedNetworkInitSettings, HandleArgs(handle), failReason,
                      [&](HostedNetworkReason&) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          // Settings already configured are kept; otherwise a readable name from the
                          // computer's name.
                          if (settings_.ssid.length == 0) {
                              settings_.ssid = MakeSsid(Utf16ToUtf8(computerName_ + kDefaultSsidSuffix));
                              settings_.maxNumberOfPeers = kDefaultMaxPeers;
                          }
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkSetConnectionSettings(WlanHandle handle,
                                                              const HostedNetworkConnectionSettings& settings,
                                                              HostedNetworkReason* failReason) {
    std::string arguments =
        HandleArgs(handle) + Arg("opcode", kHostedNetworkOpcodeConnectionSettings) +
        Arg("dataSize", kHostedNetworkSettingsSize) + Arg("ssid", QuoteBytes(SsidBytes(settings.ssid))) +
        Arg("ssidLength", settings.ssid.length) + Arg("maxPeers", settings.maxNumberOfPeers);
    return HostedCall(op::kWlanHostedNetworkSetProperty, std::move(arguments), failReason,
                      [&](HostedNetworkReason& reason) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          if (settings.ssid.length == 0 || settings.ssid.length > kDot11SsidMaxLength ||
                              settings.maxNumberOfPeers == 0) {
                              reason = HostedNetworkReason::kBadParameters;
                              return kErrorInvalidParameter;
                          }
                          settings_ = settings;
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkSetEnable(WlanHandle handle, bool enable,
                                                  HostedNetworkReason* failReason) {
    std::string arguments = HandleArgs(handle) + Arg("opcode", kHostedNetworkOpcodeEnable) +
                            Arg("dataSize", kBoolDataSize) + Arg("enable", enable ? 1u : 0u);
    return HostedCall(op::kWlanHostedNetworkSetProperty, std::move(arguments), failReason,
                      [&](HostedNetworkReason&) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          allowed_ = enable;
                          if (!allowed_)
                              Stop();
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkSetSecondaryKey(WlanHandle handle, const std::string& ansiKey,
                                                        bool isPassPhrase, bool persistent,
                                                        HostedNetworkReason* failReason) {
    std::string arguments = HandleArgs(handle) + Arg("keyLength", ansiKey.size() + 1) +
                            Arg("key", QuoteBytes(ansiKey)) + Arg("passphrase", isPassPhrase ? 1u : 0u) +
                            Arg("persistent", persistent ? 1u : 0u);
    return HostedCall(op::kWlanHostedNetworkSetSecondaryKey, std::move(arguments), failReason,
                      [&](HostedNetworkReason& reason) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          if (isPassPhrase && (ansiKey.size() < kMinPassphraseLength ||
                                               ansiKey.size() > kMaxPassphraseLength)) {
                              reason = HostedNetworkReason::kBadParameters;
                              return kErrorInvalidParameter;
                          }
                          key_ = {ansiKey, isPassPhrase, persistent};
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkStartUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return HostedCall(op::kWlanHostedNetworkStartUsing, HandleArgs(handle), failReason,
                      [&](HostedNetworkReason& reason) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          const WlanResult result = Start(reason);
                          if (result == kWlanSuccess)
                              users_.insert(handle);
                          return result;
                      });
}

WlanResult SimWlanService::HostedNetworkForceStart(WlanHandle handle, HostedNetworkReason* failReason) {
    return HostedCall(op::kWlanHostedNetworkForceStart, HandleArgs(handle), failReason,
                      [&](HostedNetworkReason& reason) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          const WlanResult result = Start(reason);
                          if (result == kWlanSuccess)
                              forcedOn_ = true;
                          return result;
                      });
}

WlanResult SimWlanService::HostedNetworkStopUsing(WlanHandle handle, HostedNetworkReason* failReason) {
    return HostedCall(op::kWlanHostedNetworkStopUsing, HandleArgs(handle), failReason,
                      [&](HostedNetworkReason&) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          users_.erase(handle);
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkForceStop(WlanHandle handle, HostedNetworkReason* failReason) {
    return HostedCall(op::kWlanHostedNetworkForceStop, HandleArgs(handle), failReason,
                      [&](HostedNetworkReason&) {
                          if (!IsOpen(handle))
                              return kErrorInvalidHandle;
                          Stop();
                          return kWlanSuccess;
                      });
}

WlanResult SimWlanService::HostedNetworkQueryStatus(WlanHandle handle, HostedNetworkStatus& status) {
    return Call(op::kWlanHostedNetworkQueryStatus, HandleArgs(handle), [&](std::string& args) {
        if (!IsOpen(handle))
            return kErrorInvalidHandle;
        HostedNetworkStatus answer;
        answer.state = CurrentHostedNetworkState();
        if (answer.state != HostedNetworkState::kUnavailable)
            answer.ipDeviceId = virtualAdapterGuid_;
        if (answer.state == HostedNetworkState::kActive) {
            const uint32_t channel = Connected(ReportedState(*HostCard())) && HostCard()->channel != 0
                                         ? HostCard()->channel
                                         : kDefaultHostedChannel;
            answer.bssid = bssid_;
            answer.channelFrequency = ChannelFrequency(channel);
            answer.peers = Peers();
        }
        status = std::move(answer);
        args += Arg("state", HostedStateName(status.state)) + Arg("peers", status.peers.size());
        return kWlanSuccess;
    });
}

HostedNetworkState SimWlanService::CurrentHostedNetworkState() const {
    if (HostedNetworkRunning())
        return HostedNetworkState::kActive;
    if (!allowed_ || HostCard() == nullptr || !CanHost(*HostCard()))
        return HostedNetworkState::kUnavailable;
    return HostedNetworkState::kIdle;
}

std::vector<HostedNetworkPeerState> SimWlanService::Peers() const {
    std::vector<HostedNetworkPeerState> peers;
    if (!HostedNetworkRunning())
        return peers;
    // Wraps like the tick count itself.
    const uint32_t elapsed = clock_.GetTickCount() - startTick_;
    std::vector<const ScenarioStation*> joined;
    for (const ScenarioStation& station : stations_) {
        if (station.joinAfter <= elapsed && elapsed < station.leaveAfter)
            joined.push_back(&station);
    }
    std::stable_sort(joined.begin(), joined.end(), [](const ScenarioStation* a, const ScenarioStation* b) {
        return a->joinAfter < b->joinAfter;
    });
    if (joined.size() > settings_.maxNumberOfPeers)
        joined.resize(settings_.maxNumberOfPeers);
    for (const ScenarioStation* station : joined) {
        peers.push_back({station->mac, station->authenticated ? kPeerAuthenticated : 0});
    }
    return peers;
}

std::optional<Dot11RadioState> SimWlanService::SoftwareRadio(const Guid& card, uint32_t phy) const {
    const ScenarioCard* found = FindCard(card);
    if (found == nullptr || phy >= found->phys.size())
        return std::nullopt;
    return found->phys[phy].software;
}

std::optional<Dot11RadioState> SimWlanService::HardwareRadio(const Guid& card, uint32_t phy) const {
    const ScenarioCard* found = FindCard(card);
    if (found == nullptr || phy >= found->phys.size())
        return std::nullopt;
    return found->phys[phy].hardware;
}

bool SimWlanService::RemoveCard(const Guid& card) {
    const auto it =
        std::find_if(cards_.begin(), cards_.end(), [&](const ScenarioCard& c) { return c.guid == card; });
    if (it == cards_.end())
        return false;
    cards_.erase(it);
    StopIfHostLost();
    return true;
}

void SimWlanService::InsertCard(const ScenarioCard& card) {
    cards_.push_back(card);
}

bool SimWlanService::SetSoftwareRadio(const Guid& card, uint32_t phy, Dot11RadioState state) {
    ScenarioCard* found = FindCard(card);
    if (found == nullptr || phy >= found->phys.size())
        return false;
    found->phys[phy].software = state;
    StopIfHostLost();
    return true;
}

bool SimWlanService::SetHardwareRadio(const Guid& card, uint32_t phy, Dot11RadioState state) {
    ScenarioCard* found = FindCard(card);
    if (found == nullptr || phy >= found->phys.size())
        return false;
    found->phys[phy].hardware = state;
    StopIfHostLost();
    return true;
}

void SimWlanService::AddStation(const ScenarioStation& station) {
    stations_.push_back(station);
}

bool SimWlanService::JoinStationNow(const MacAddress& mac) {
    if (!HostedNetworkRunning())
        return false;
    stations_.push_back({.mac = mac, .joinAfter = clock_.GetTickCount() - startTick_});
    return true;
}

// Leaving is for good: the station does not come back after the next start.
bool SimWlanService::DropLastStation() {
    const std::vector<HostedNetworkPeerState> listed = Peers();
    if (listed.empty())
        return false;
    const MacAddress last = listed.back().macAddress;
    std::erase_if(stations_, [&](const ScenarioStation& station) { return station.mac == last; });
    return true;
}

ScenarioCard* SimWlanService::FindCard(const Guid& guid) {
    return FindCardIn(cards_, guid);
}

const ScenarioCard* SimWlanService::FindCard(const Guid& guid) const {
    return FindCardIn(cards_, guid);
}

bool SimWlanService::RadioOn(const ScenarioCard& card) {
    return std::all_of(card.phys.begin(), card.phys.end(), [](const ScenarioPhy& phy) {
        return phy.software == Dot11RadioState::kOn && phy.hardware == Dot11RadioState::kOn;
    });
}

bool SimWlanService::CanHost(const ScenarioCard& card) {
    return RadioOn(card) && card.hostedNetwork;
}

WlanInterfaceState SimWlanService::ReportedState(const ScenarioCard& card) {
    return RadioOn(card) ? card.state : WlanInterfaceState::kDisconnected;
}

// Without a card able to carry it the service names the interface; a network that is not allowed has
// no reason of its own.
WlanResult SimWlanService::Start(HostedNetworkReason& reason) {
    if (HostCard() == nullptr || !CanHost(*HostCard())) {
        reason = HostedNetworkReason::kInterfaceUnavailable;
        return kErrorInvalidState;
    }
    if (!allowed_) {
        reason = HostedNetworkReason::kUnspecified;
        return kErrorInvalidState;
    }
    if (!HostedNetworkRunning()) {
        startTick_ = clock_.GetTickCount();
        airSsid_ = settings_.ssid;
    }
    return kWlanSuccess;
}

void SimWlanService::Stop() {
    users_.clear();
    forcedOn_ = false;
}

void SimWlanService::StopIfHostLost() {
    if (HostCard() == nullptr || !CanHost(*HostCard()))
        Stop();
}

}  // namespace aerowisp
