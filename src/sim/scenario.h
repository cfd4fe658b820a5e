// The simulated machine's description, read from an INI-style scenario file (see res/sim/README.md).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/platform/firewall.h"
#include "core/platform/sharing_service.h"
#include "core/platform/guid.h"
#include "core/platform/service_control.h"
#include "core/platform/wlan_types.h"
#include "sim/registry_value.h"
#include "sim/sim_text.h"

namespace aerowisp {

// DOT11_AUTH_ALGORITHM and DOT11_CIPHER_ALGORITHM values a scenario names.
inline constexpr uint32_t kDot11AuthOpen = 1;
inline constexpr uint32_t kDot11AuthRsnaPsk = 7;
inline constexpr uint32_t kDot11CipherNone = 0;
inline constexpr uint32_t kDot11CipherCcmp = 4;
// DOT11_PHY_TYPE of an 802.11n card.
inline constexpr uint32_t kDot11PhyTypeHt = 7;

// NETCON_MEDIATYPE and NETCON_STATUS of the sharing manager's connection properties.
inline constexpr uint32_t kNetConMediaLan = 3;
inline constexpr uint32_t kNetConStatusConnected = 2;
inline constexpr uint32_t kNetConStatusHardwareDisabled = 5;
// IP Helper adapter types.
inline constexpr uint32_t kIfTypeEthernet = 6;
inline constexpr uint32_t kIfTypeIeee80211 = 71;

inline constexpr size_t kMaxPhysPerCard = 64;
inline constexpr char16_t kDefaultRegistryKey[] = u"Software\\Duva DI";

struct ScenarioMachine {
    uint32_t startTick = 0;
    std::u16string computerName = u"AEROWISP-SIM";
    // Ends in a backslash, like the folder the program takes from its own path.
    std::u16string programFolder = u"C:\\Program Files\\Aerowisp\\";
    // How long each netsh.exe run takes, and the exit code it ends with.
    uint32_t netshDurationMs = 1000;
    uint32_t netshExitCode = 0;
    // How long each EnableSharing and DisableSharing of the sharing manager takes.
    uint32_t sharingChangeMs = 0;
};

struct ScenarioPhy {
    Dot11RadioState software = Dot11RadioState::kOn;
    Dot11RadioState hardware = Dot11RadioState::kOn;
};

// A wireless card and, when its state says so, the connection it holds as a station.
struct ScenarioCard {
    Guid guid;
    std::u16string description;
    std::vector<ScenarioPhy> phys = std::vector<ScenarioPhy>(1);
    WlanInterfaceState state = WlanInterfaceState::kDisconnected;
    std::u16string profileName;
    std::string ssid;  // bytes as the service holds them, at most 32
    Dot11BssType bssType = Dot11BssType::kInfrastructure;
    MacAddress bssid{};
    uint32_t phyType = kDot11PhyTypeHt;
    uint32_t signalQuality = 0;  // 0 to 100
    uint32_t rxRate = 0;         // kbit/s
    uint32_t txRate = 0;         // kbit/s
    uint32_t authAlgorithm = kDot11AuthOpen;
    uint32_t cipherAlgorithm = kDot11CipherNone;
    uint32_t channel = 0;
    // The driver can carry the hosted network.
    bool hostedNetwork = true;
};

enum class SharingState { kNone, kPublic, kPrivate };

// What the network class key holds for a connection: a "Name" value of any type, no value, or no key.
struct ScenarioRegistryName {
    enum class Kind { kValue, kNoValue, kNoKey };
    Kind kind = Kind::kValue;
    std::optional<RegistryValue> value;  // nothing: REG_SZ with the connection's name
};

// A network connection and its adapter, as the sharing manager and IP Helper see them. The one whose
// GUID is the hosted network's virtual adapter's is there only while the hosted network runs, with the
// hosted network's BSSID as its MAC address.
struct ScenarioConnection {
    std::u16string name;        // "Local Area Connection"
    std::u16string deviceName;  // the adapter's description
    Guid guid;
    MacAddress mac{};
    uint32_t mediaType = kNetConMediaLan;
    uint32_t status = kNetConStatusConnected;
    uint32_t adapterType = kIfTypeEthernet;
    uint32_t characteristics = 0;
    SharingState sharing = SharingState::kNone;
    // IP Helper lists the adapter, with this description (nothing: the device name).
    bool listedAdapter = true;
    std::optional<std::u16string> adapterDescription;
    ScenarioRegistryName registryName;
    // Properties the sharing manager hands back as NULL strings.
    bool nullGuid = false;
    bool nullName = false;
    bool nullDevice = false;
    // No: gone from the machine (a virtual adapter recreated, a modem unplugged), while the sharing
    // service may still hold a record of its sharing.
    bool present = true;
    // The routing table sends Internet traffic through it.
    bool defaultRoute = false;
};

inline constexpr char16_t kDefaultVirtualConnectionName[] = u"Wireless Network Connection 2";
inline constexpr char16_t kDefaultVirtualAdapterDevice[] = u"Microsoft Virtual WiFi Miniport Adapter";

// The hosted network as the WLAN service keeps it between runs of the program.
struct ScenarioHostedNetwork {
    bool allowed = true;
    std::string ssid;  // empty: never configured
    uint32_t maxPeers = 100;
    std::string key;  // the secondary key's bytes; empty: none set
    bool passphrase = true;
    bool persistent = true;
    bool running = false;
    Guid virtualAdapterGuid{0x5c1a4b6e, 0x7d2f, 0x4e38, {0x9a, 0x41, 0x3b, 0x6c, 0x2d, 0x8e, 0x71, 0x05}};
    MacAddress bssid{0x02, 0x1A, 0x2B, 0x3C, 0x4D, 0x5E};
};

// A station's leave time when it stays as long as the hosted network runs.
inline constexpr uint32_t kStationStays = UINT32_MAX;

// A station that joins the hosted network `joinAfter` ms after it started and leaves `leaveAfter` ms
// after it started, or when it stops.
struct ScenarioStation {
    MacAddress mac{};
    uint32_t joinAfter = 0;
    uint32_t leaveAfter = kStationStays;
    bool authenticated = true;
};

struct ScenarioFailure {
    std::string operation;
    uint32_t error = 0;
    std::optional<uint32_t> times;  // nothing: always
    // The WLAN_HOSTED_NETWORK_REASON a hosted-network call gives with the error; 0: none.
    uint32_t reason = 0;
    uint32_t from = 1;  // the first call that fails; those before it succeed
};

// A service of the service control manager.
struct ScenarioService {
    std::u16string name;
    ServiceStartType startType = ServiceStartType::kManual;
    ServiceState state = ServiceState::kStopped;
    std::vector<std::u16string> dependencies;
    uint32_t startError = 0;  // StartServiceW fails with this Win32 error; 0: it starts
};

// The sharing service and the services it depends on, as a fresh Windows 7 has them: sharing disabled.
std::vector<ScenarioService> FreshWindows7Services();

// The sharing service's own settings (HKLM\System\CurrentControlSet\Services\SharedAccess\Parameters).
struct ScenarioSharingService {
    // "ScopeAddress": the address sharing gives the private adapter; its /24 is the allocator's scope.
    std::optional<std::u16string> scopeAddress;
};

struct ScenarioRegistryKey {
    std::u16string path = kDefaultRegistryKey;  // under HKEY_CURRENT_USER
    bool readOnly = false;
    std::vector<std::pair<std::u16string, RegistryValue>> values;
};

struct ScenarioIniFile {
    std::u16string file = u"DuvaDI.ini";  // a bare name is taken from the program folder
    std::u16string section = u"Duva DI";
    std::vector<std::pair<std::u16string, std::u16string>> entries;
};

struct Scenario {
    ScenarioMachine machine;
    std::vector<ScenarioCard> cards;
    std::vector<ScenarioConnection> connections;
    ScenarioHostedNetwork hostedNetwork;
    std::vector<ScenarioStation> stations;
    std::vector<ScenarioFailure> failures;
    std::vector<ScenarioRegistryKey> registry;
    std::vector<ScenarioIniFile> iniFiles;
    std::vector<ScenarioService> services = FreshWindows7Services();
    ScenarioSharingService sharingService;
    // A fresh Windows 7 has no rule for DhcpServer.exe.
    std::vector<FirewallRule> firewallRules;
};

struct ScenarioError {
    int line = 0;  // 1-based; 0 when the error concerns the whole file
    std::string message;

    // "line 7: bad number 'x' for JoinAfter".
    std::string ToString() const;
};

// `scenario` is set exactly when `errors` is empty.
struct ScenarioResult {
    std::optional<Scenario> scenario;
    std::vector<ScenarioError> errors;
};

ScenarioResult ParseScenario(std::string_view text);
ScenarioResult LoadScenarioFile(std::u16string_view path);

// res/sim/default.ini, built into the program.
std::string_view DefaultScenarioText();
// The built-in scenario, parsed.
Scenario DefaultScenario();

// The full path of an [Ini] file: a bare file name lies in the machine's program folder.
std::u16string IniFilePath(const ScenarioMachine& machine, const ScenarioIniFile& ini);

}  // namespace aerowisp
