// The firewall rule that lets the hosted network's stations reach DhcpServer.exe: inbound UDP port 67,
// on every profile (the hosted network's adapter is on the Public one, which drops it otherwise).
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/firewall.h"

namespace aerowisp {

// The installer adds the same rule under this name, and the uninstaller removes it.
inline constexpr char16_t kDhcpServerRuleName[] = u"Aerowisp DHCP Server";

FirewallRule DhcpServerRule(const std::u16string& programFolder);

// Leaves a rule of that name alone when it is the wanted one; otherwise removes the rules of that name
// (another folder, disabled, narrowed) and adds the wanted one. 0 or the HRESULT that failed.
uint32_t EnsureDhcpServerRule(Firewall& firewall, const std::u16string& programFolder);

}  // namespace aerowisp
