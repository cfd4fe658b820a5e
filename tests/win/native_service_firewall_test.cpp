// The native service control and firewall adapters against Wine's service control manager, which holds
// stand-in services the test creates, and its firewall objects, which exist but keep no rules.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "core/ics/dhcp_server_firewall.h"
#include "fw/com.h"
#include "base/handle.h"
#include "native/native_firewall.h"
#include "native/native_service_control.h"

namespace aerowisp {
namespace {

constexpr wchar_t kStandIn[] = L"AerowispTestSharing";
constexpr wchar_t kStandInDependency[] = L"AerowispTestDependency";

// A service whose program does not exist: it can be configured, and fails to start.
class StandInService {
  public:
    StandInService(const wchar_t* name, DWORD startType, const wchar_t* dependencies) : name_(name) {
        const base::ServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
        if (!manager)
            return;
        const base::ServiceHandle created(::CreateServiceW(manager.Get(), name, name, SERVICE_ALL_ACCESS,
                                                           SERVICE_WIN32_OWN_PROCESS, startType,
                                                           SERVICE_ERROR_IGNORE, L"C:\\nowhere\\standin.exe",
                                                           nullptr, nullptr, dependencies, nullptr, nullptr));
    }
    ~StandInService() {
        const base::ServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_ALL_ACCESS));
        const base::ServiceHandle service(manager ? ::OpenServiceW(manager.Get(), name_, DELETE) : nullptr);
        if (service)
            ::DeleteService(service.Get());
    }
    StandInService(const StandInService&) = delete;
    StandInService& operator=(const StandInService&) = delete;

  private:
    const wchar_t* name_;
};

TEST(NativeServiceControl, ReadsChangesAndStartsAServiceAsTheManagerHasIt) {
    StandInService dependency(kStandInDependency, SERVICE_DEMAND_START, nullptr);
    // A list of names ending in an empty one.
    StandInService sharing(kStandIn, SERVICE_DISABLED, L"AerowispTestDependency\0");
    NativeServiceControl services;

    ServiceInfo info;
    ASSERT_EQ(services.QueryService(u"AerowispTestSharing", info), 0u);
    EXPECT_EQ(info.startType, ServiceStartType::kDisabled);
    EXPECT_EQ(info.state, ServiceState::kStopped);
    // Wine 8's manager keeps no dependency list (QueryServiceConfigW gives an empty one); Windows does.
    EXPECT_TRUE(info.dependencies.empty() ||
                info.dependencies == std::vector<std::u16string>{u"AerowispTestDependency"});
    EXPECT_EQ(services.Start(u"AerowispTestSharing"), kErrorServiceDisabled);

    EXPECT_EQ(services.SetStartType(u"AerowispTestSharing", ServiceStartType::kAutomatic), 0u);
    ASSERT_EQ(services.QueryService(u"AerowispTestSharing", info), 0u);
    EXPECT_EQ(info.startType, ServiceStartType::kAutomatic);
    EXPECT_NE(services.Start(u"AerowispTestSharing"), 0u) << "its program does not exist";

    EXPECT_EQ(services.QueryService(u"AerowispNoSuchService", info), kErrorServiceDoesNotExist);
    EXPECT_EQ(services.SetStartType(u"AerowispNoSuchService", ServiceStartType::kManual),
              kErrorServiceDoesNotExist);
}

TEST(NativeFirewall, PassesTheFirewallObjectsHresultsOn) {
    ASSERT_TRUE(SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)));
    {
        NativeFirewall firewall;
        std::vector<FirewallRule> rules{FirewallRule{}};
        // Wine 8's INetFwPolicy2 exists but its rule collection answers E_NOTIMPL; Windows lists the rules.
        const uint32_t listed = firewall.RulesNamed(kDhcpServerRuleName, rules);
        EXPECT_TRUE(listed == 0 || FAILED(static_cast<HRESULT>(listed))) << listed;
        EXPECT_TRUE(rules.empty()) << "no rule of that name, or nothing read";
        const uint32_t added = firewall.AddRule(DhcpServerRule(u"C:\\Program Files\\Aerowisp\\"));
        EXPECT_EQ(EnsureDhcpServerRule(firewall, u"C:\\Program Files\\Aerowisp\\"),
                  listed != 0 ? listed : added)
            << "the program is told what failed";
    }
    ::CoUninitialize();
}

}  // namespace
}  // namespace aerowisp
