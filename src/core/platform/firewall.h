// Port: Windows Firewall's rules, as INetFwPolicy2 and INetFwRules show them: the rules of a name, and
// adding and removing one.
// Implementations: NativeFirewall (src/win/native, the HNetCfg.FwPolicy2 COM object), SimFirewall
// (src/sim, profiles and rules that decide which inbound packets reach a program).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aerowisp {

// NET_FW_IP_PROTOCOL_UDP, NET_FW_RULE_DIR_IN, NET_FW_ACTION_ALLOW and NET_FW_PROFILE2_ALL.
inline constexpr uint32_t kFirewallProtocolUdp = 17;
inline constexpr uint32_t kFirewallDirectionIn = 1;
inline constexpr uint32_t kFirewallActionAllow = 1;
inline constexpr uint32_t kFirewallProfileDomain = 1;
inline constexpr uint32_t kFirewallProfilePrivate = 2;
inline constexpr uint32_t kFirewallProfilePublic = 4;
inline constexpr uint32_t kFirewallProfilesAll = 0x7FFFFFFF;

struct FirewallRule {
    std::u16string name;
    std::u16string applicationName;  // the program's full path; empty: any program
    uint32_t protocol = kFirewallProtocolUdp;
    std::u16string localPorts;  // "67"; empty or "*": any
    uint32_t direction = kFirewallDirectionIn;
    uint32_t action = kFirewallActionAllow;
    uint32_t profiles = kFirewallProfilesAll;
    bool enabled = true;

    friend bool operator==(const FirewallRule&, const FirewallRule&) = default;
};

class Firewall {
  public:
    virtual ~Firewall() = default;

    // CoCreateInstance(CLSID_NetFwPolicy2), get_Rules and its enumeration: every rule called `name`
    // (A-Z case ignored). 0 or the HRESULT of the call that failed.
    virtual uint32_t RulesNamed(const std::u16string& name, std::vector<FirewallRule>& rules) = 0;
    // CoCreateInstance(CLSID_NetFwRule), its properties, and INetFwRules::Add. 0 or the HRESULT.
    virtual uint32_t AddRule(const FirewallRule& rule) = 0;
    // INetFwRules::Remove: one rule called `name`. 0 or the HRESULT.
    virtual uint32_t RemoveRule(const std::u16string& name) = 0;
};

}  // namespace aerowisp
