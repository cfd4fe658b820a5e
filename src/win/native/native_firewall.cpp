// INetFwPolicy2 and INetFwRules behind the port: every interface, VARIANT and BSTR has an owner.
// initguid.h gives this file the class and interface IDs netfw.h declares.
#include "native/native_firewall.h"

#include <initguid.h>
#include <netfw.h>

#include "core/text/ascii_case.h"
#include "fw/com.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// An enumerator that never stops is cut off here; a machine has a few hundred rules.
constexpr size_t kMaxRules = 65536;

HRESULT Rules(fw::ComPtr<INetFwRules>& rules) {
    fw::ComPtr<INetFwPolicy2> policy;
    HRESULT result = ::CoCreateInstance(CLSID_NetFwPolicy2, nullptr, CLSCTX_INPROC_SERVER, IID_INetFwPolicy2,
                                        policy.ReceiveVoid());
    if (FAILED(result))
        return result;
    if (!policy)
        return E_POINTER;
    result = policy->get_Rules(rules.Receive());
    return SUCCEEDED(result) && !rules ? E_POINTER : result;
}

FirewallRule Read(INetFwRule* rule) {
    FirewallRule read;
    read.name = fw::BstrProperty(rule, &INetFwRule::get_Name);
    read.applicationName = fw::BstrProperty(rule, &INetFwRule::get_ApplicationName);
    read.localPorts = fw::BstrProperty(rule, &INetFwRule::get_LocalPorts);
    LONG number = 0;
    if (SUCCEEDED(rule->get_Protocol(&number)))
        read.protocol = static_cast<uint32_t>(number);
    if (SUCCEEDED(rule->get_Profiles(&number)))
        read.profiles = static_cast<uint32_t>(number);
    NET_FW_RULE_DIRECTION direction = NET_FW_RULE_DIR_IN;
    if (SUCCEEDED(rule->get_Direction(&direction)))
        read.direction = static_cast<uint32_t>(direction);
    NET_FW_ACTION action = NET_FW_ACTION_BLOCK;
    if (SUCCEEDED(rule->get_Action(&action)))
        read.action = static_cast<uint32_t>(action);
    VARIANT_BOOL enabled = VARIANT_FALSE;
    read.enabled = SUCCEEDED(rule->get_Enabled(&enabled)) && enabled != VARIANT_FALSE;
    return read;
}

}  // namespace

uint32_t NativeFirewall::RulesNamed(const std::u16string& name, std::vector<FirewallRule>& rules) {
    rules.clear();
    fw::ComPtr<INetFwRules> all;
    if (HRESULT result = Rules(all); FAILED(result))
        return static_cast<uint32_t>(result);
    fw::ComPtr<IUnknown> enumerator;
    if (HRESULT result = all->get__NewEnum(enumerator.Receive()); FAILED(result) || !enumerator)
        return static_cast<uint32_t>(FAILED(result) ? result : E_POINTER);
    fw::ComPtr<IEnumVARIANT> items = enumerator.As<IEnumVARIANT>(IID_IEnumVARIANT);
    if (!items)
        return static_cast<uint32_t>(E_NOINTERFACE);
    fw::Variant item;
    for (size_t read = 0; read < kMaxRules && items->Next(1, item.Receive(), nullptr) == S_OK; ++read) {
        if (item.Get().vt != VT_DISPATCH || item.Get().pdispVal == nullptr)
            continue;
        fw::ComPtr<INetFwRule> rule;
        if (FAILED(item.Get().pdispVal->QueryInterface(IID_INetFwRule, rule.ReceiveVoid())) || !rule)
            continue;
        if (EqualsIgnoringCaseAZ(fw::BstrProperty(rule.Get(), &INetFwRule::get_Name), name))
            rules.push_back(Read(rule.Get()));
    }
    return S_OK;
}

uint32_t NativeFirewall::AddRule(const FirewallRule& wanted) {
    fw::ComPtr<INetFwRules> all;
    if (HRESULT result = Rules(all); FAILED(result))
        return static_cast<uint32_t>(result);
    fw::ComPtr<INetFwRule> rule;
    HRESULT result = ::CoCreateInstance(CLSID_NetFwRule, nullptr, CLSCTX_INPROC_SERVER, IID_INetFwRule,
                                        rule.ReceiveVoid());
    if (FAILED(result) || !rule)
        return static_cast<uint32_t>(FAILED(result) ? result : E_POINTER);
    const fw::Bstr name(fw::ToWide(wanted.name));
    const fw::Bstr application(fw::ToWide(wanted.applicationName));
    const fw::Bstr ports(fw::ToWide(wanted.localPorts));
    // The protocol goes first: ports cannot be set on a rule for any protocol.
    const HRESULT steps[] = {
        rule->put_Name(name.Get()),
        rule->put_ApplicationName(application.Get()),
        rule->put_Protocol(static_cast<LONG>(wanted.protocol)),
        wanted.localPorts.empty() ? S_OK : rule->put_LocalPorts(ports.Get()),
        rule->put_Direction(static_cast<NET_FW_RULE_DIRECTION>(wanted.direction)),
        rule->put_Action(static_cast<NET_FW_ACTION>(wanted.action)),
        rule->put_Profiles(static_cast<LONG>(wanted.profiles)),
        rule->put_Enabled(wanted.enabled ? VARIANT_TRUE : VARIANT_FALSE),
    };
    for (HRESULT step : steps) {
        if (FAILED(step))
            return static_cast<uint32_t>(step);
    }
    return static_cast<uint32_t>(all->Add(rule.Get()));
}

uint32_t NativeFirewall::RemoveRule(const std::u16string& name) {
    fw::ComPtr<INetFwRules> all;
    if (HRESULT result = Rules(all); FAILED(result))
        return static_cast<uint32_t>(result);
    const fw::Bstr text(fw::ToWide(name));
    return static_cast<uint32_t>(all->Remove(text.Get()));
}

}  // namespace aerowisp
