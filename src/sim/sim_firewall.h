// The simulated machine's Windows Firewall: rules as the scenario gives them and as the program adds
// and removes them, and the rule check that decides whether an inbound packet reaches a program.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/platform/firewall.h"

namespace aerowisp {

class FailurePlan;
class Journal;

// The firewall answers COM calls with HRESULTs; a rule it cannot find gives this one.
inline constexpr uint32_t kHresultFileNotFound = 0x80070002;
// NET_FW_IP_PROTOCOL_ANY.
inline constexpr uint32_t kFirewallProtocolAny = 256;

// Journal entries:
//   INetFwPolicy2::get_Rules  name="Aerowisp DHCP Server" rules=1 (out: the rules of that name)
//   INetFwRules::Add          name="..." program="C:\\...\\DhcpServer.exe" protocol=17 localPorts="67"
//                             direction=in action=allow profiles=2147483647 enabled=1
//   INetFwRules::Remove       name="..." (0x80070002 when no rule has that name)
class SimFirewall final : public Firewall {
  public:
    SimFirewall(std::vector<FirewallRule> rules, Journal& journal, FailurePlan& failures);
    SimFirewall(const SimFirewall&) = delete;
    SimFirewall& operator=(const SimFirewall&) = delete;

    uint32_t RulesNamed(const std::u16string& name, std::vector<FirewallRule>& rules) override;
    uint32_t AddRule(const FirewallRule& rule) override;
    uint32_t RemoveRule(const std::u16string& name) override;

    // Windows 7's rule check for an inbound packet on an adapter of `profile`: a matching enabled block
    // rule drops it, else a matching enabled allow rule lets it through, else the default inbound action
    // (block, on every profile) drops it.
    bool AllowsInbound(const std::u16string& program, uint32_t protocol, uint16_t port,
                       uint32_t profile) const;
    const std::vector<FirewallRule>& Rules() const { return rules_; }

  private:
    std::vector<FirewallRule> rules_;
    Journal& journal_;
    FailurePlan& failures_;
};

}  // namespace aerowisp
