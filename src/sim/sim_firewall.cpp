// The simulated Windows Firewall.
#include "sim/sim_firewall.h"

#include <algorithm>

#include "core/text/ascii_case.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/journaled_call.h"
#include "sim/operations.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

bool PortListed(const std::u16string& ports, uint16_t port) {
    if (ports.empty() || ports == u"*")
        return true;
    std::u16string_view rest = ports;
    while (!rest.empty()) {
        const size_t comma = rest.find(u',');
        const std::u16string_view item = rest.substr(0, comma);
        rest.remove_prefix(comma == std::u16string_view::npos ? rest.size() : comma + 1);
        uint32_t value = 0;
        bool digits = !item.empty();
        for (char16_t c : item) {
            digits = digits && c >= u'0' && c <= u'9';
            value = value * 10 + (c - u'0');
            if (value > 0xFFFF)
                digits = false;
        }
        if (digits && value == port)
            return true;
    }
    return false;
}

std::string RuleArguments(const FirewallRule& rule) {
    return "name=" + QuoteText(rule.name) + " program=" + QuoteText(rule.applicationName) +
           " protocol=" + std::to_string(rule.protocol) + " localPorts=" + QuoteText(rule.localPorts) +
           " direction=" + (rule.direction == kFirewallDirectionIn ? "in" : "out") +
           " action=" + (rule.action == kFirewallActionAllow ? "allow" : "block") +
           " profiles=" + std::to_string(rule.profiles) + " enabled=" + (rule.enabled ? "1" : "0");
}

}  // namespace

SimFirewall::SimFirewall(std::vector<FirewallRule> rules, Journal& journal, FailurePlan& failures)
    : rules_(std::move(rules)), journal_(journal), failures_(failures) {}

uint32_t SimFirewall::RulesNamed(const std::u16string& name, std::vector<FirewallRule>& rules) {
    rules.clear();
    return JournaledCall(journal_, failures_, op::kFwGetRules, "name=" + QuoteText(name),
                         [&](std::string& arguments) -> uint32_t {
                             for (const FirewallRule& rule : rules_) {
                                 if (EqualsIgnoringCaseAZ(rule.name, name))
                                     rules.push_back(rule);
                             }
                             arguments += " rules=" + std::to_string(rules.size());
                             return 0;
                         });
}

uint32_t SimFirewall::AddRule(const FirewallRule& rule) {
    return JournaledCall(journal_, failures_, op::kFwAddRule, RuleArguments(rule),
                         [&](std::string&) -> uint32_t {
                             rules_.push_back(rule);
                             return 0;
                         });
}

uint32_t SimFirewall::RemoveRule(const std::u16string& name) {
    return JournaledCall(
        journal_, failures_, op::kFwRemoveRule, "name=" + QuoteText(name), [&](std::string&) -> uint32_t {
            auto it = std::ranges::find_if(
                rules_, [&](const FirewallRule& r) { return EqualsIgnoringCaseAZ(r.name, name); });
            if (it == rules_.end())
                return kHresultFileNotFound;
            rules_.erase(it);
            return 0;
        });
}

bool SimFirewall::AllowsInbound(const std::u16string& program, uint32_t protocol, uint16_t port,
                                uint32_t profile) const {
    const auto matches = [&](const FirewallRule& rule, uint32_t action) {
        return rule.enabled && rule.action == action && rule.direction == kFirewallDirectionIn &&
               (rule.profiles & profile) != 0 &&
               (rule.protocol == protocol || rule.protocol == kFirewallProtocolAny) &&
               PortListed(rule.localPorts, port) &&
               (rule.applicationName.empty() || EqualsIgnoringCaseAZ(rule.applicationName, program));
    };
    if (std::ranges::any_of(rules_, [&](const FirewallRule& r) { return matches(r, 0); }))
        return false;
    return std::ranges::any_of(rules_,
                               [&](const FirewallRule& r) { return matches(r, kFirewallActionAllow); });
}

}  // namespace aerowisp
