// The Internet Connection Sharing service as the service control manager and the registry know it.
#pragma once

namespace aerowisp {

inline constexpr char16_t kSharingServiceName[] = u"SharedAccess";
// Where the service keeps its settings, under HKEY_LOCAL_MACHINE.
inline constexpr char16_t kSharingParametersKey[] =
    u"System\\CurrentControlSet\\Services\\SharedAccess\\Parameters";
// The address the service gives the private adapter; its /24 is the range its own allocator hands out.
inline constexpr char16_t kScopeAddressValue[] = u"ScopeAddress";
inline constexpr char16_t kDefaultScopeAddress[] = u"192.168.137.1";

}  // namespace aerowisp
