// The DHCP server's firewall rule.
#include "core/ics/dhcp_server_firewall.h"

#include <algorithm>
#include <vector>

#include "core/programs/external_programs.h"
#include "core/text/ascii_case.h"
#include "core/text/number_text.h"

namespace aerowisp {
namespace {

bool SameRule(const FirewallRule& found, const FirewallRule& wanted) {
    FirewallRule compared = found;
    if (EqualsIgnoringCaseAZ(compared.applicationName, wanted.applicationName))
        compared.applicationName = wanted.applicationName;
    compared.name = wanted.name;
    return compared == wanted;
}

}  // namespace

FirewallRule DhcpServerRule(const std::u16string& programFolder) {
    FirewallRule rule;
    rule.name = kDhcpServerRuleName;
    rule.applicationName = programFolder + dhcp::kServerProgram;
    rule.protocol = kFirewallProtocolUdp;
    rule.localPorts = DecimalText(dhcp::kServerPort);
    rule.direction = kFirewallDirectionIn;
    rule.action = kFirewallActionAllow;
    rule.profiles = kFirewallProfilesAll;
    rule.enabled = true;
    return rule;
}

uint32_t EnsureDhcpServerRule(Firewall& firewall, const std::u16string& programFolder) {
    const FirewallRule wanted = DhcpServerRule(programFolder);
    std::vector<FirewallRule> found;
    if (uint32_t error = firewall.RulesNamed(wanted.name, found))
        return error;
    if (std::ranges::any_of(found, [&](const FirewallRule& rule) { return SameRule(rule, wanted); }))
        return 0;
    // A rule that cannot be removed is only redundant beside the new one; the add decides.
    for (size_t i = 0; i < found.size(); ++i)
        firewall.RemoveRule(wanted.name);
    return firewall.AddRule(wanted);
}

}  // namespace aerowisp
