// Windows Firewall's rules on the real machine, through the HNetCfg.FwPolicy2 COM object.
#pragma once

#include "core/platform/firewall.h"

namespace aerowisp {

class NativeFirewall final : public Firewall {
  public:
    uint32_t RulesNamed(const std::u16string& name, std::vector<FirewallRule>& rules) override;
    uint32_t AddRule(const FirewallRule& rule) override;
    uint32_t RemoveRule(const std::u16string& name) override;
};

}  // namespace aerowisp
