// Before sharing: the sharing service running (started, with what it depends on, when it is off), and the
// sharing service's own address range kept away from the access point's network.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "core/lang/language_texts.h"
#include "core/platform/network_adapters.h"
#include "core/platform/service_control.h"

namespace aerowisp {

struct ServiceStartOutcome {
    bool running = false;
    // The program changed or started something: the user hears of it.
    bool started = false;
    // The service that could not be queried, configured or started, and the Win32 error.
    std::u16string failedService;
    uint32_t error = 0;
};

// Makes sure `name` runs. A disabled service is set to start automatically, as the Sharing tab of a
// connection's properties does; a disabled service it depends on is set to start on demand; then the
// services it depends on are started, and it. A service that is already running is left as it is.
ServiceStartOutcome EnsureServiceRunning(ServiceControl& services, const std::u16string& name);

// The service and the reason in the language file's words, with the error code.
std::u16string ServiceFailureText(const LanguageTexts& texts, const ServiceStartOutcome& outcome);

// The sharing service's "ScopeAddress" when it lies in 192.168.139.0/24, where sharing's own allocator
// would hand out addresses beside DhcpServer.exe; nothing when it is elsewhere, missing or unreadable.
std::optional<std::u16string> ConflictingScopeAddress(NetworkAdapters& adapters);

}  // namespace aerowisp
