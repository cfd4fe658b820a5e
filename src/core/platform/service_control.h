// Port: the service control manager, for the few services the program needs running: a service's start
// type, state and dependencies, changing its start type, and starting it.
// Implementations: NativeServiceControl (src/win/native, OpenSCManagerW and its relatives), SimServices
// (src/sim, the scenario's services with the start rules of the real manager).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aerowisp {

// SERVICE_BOOT_START ... SERVICE_DISABLED.
enum class ServiceStartType : uint32_t { kBoot = 0, kSystem = 1, kAutomatic = 2, kManual = 3, kDisabled = 4 };
// SERVICE_STOPPED ... SERVICE_PAUSED.
enum class ServiceState : uint32_t {
    kStopped = 1,
    kStartPending = 2,
    kStopPending = 3,
    kRunning = 4,
    kContinuePending = 5,
    kPausePending = 6,
    kPaused = 7,
};

// Win32 errors of the service control manager the program tells apart.
inline constexpr uint32_t kErrorServiceAlreadyRunning = 1056;
inline constexpr uint32_t kErrorServiceDisabled = 1058;
inline constexpr uint32_t kErrorServiceDependencyFail = 1068;
inline constexpr uint32_t kErrorServiceDoesNotExist = 1060;

struct ServiceInfo {
    ServiceStartType startType = ServiceStartType::kManual;
    ServiceState state = ServiceState::kStopped;
    // The services it depends on (lpDependencies), groups ("+Group") left out.
    std::vector<std::u16string> dependencies;
};

class ServiceControl {
  public:
    virtual ~ServiceControl() = default;

    // OpenSCManagerW, OpenServiceW, QueryServiceConfigW and QueryServiceStatus. 0 or the Win32 error of
    // the call that failed; `info` is set only on success.
    virtual uint32_t QueryService(const std::u16string& name, ServiceInfo& info) = 0;
    // ChangeServiceConfigW with only the start type changed. 0 or the Win32 error.
    virtual uint32_t SetStartType(const std::u16string& name, ServiceStartType startType) = 0;
    // StartServiceW without arguments, then a bounded wait until the service has left its start-pending
    // state (the sharing manager's calls fail while it starts). 0 once it runs, else the Win32 error.
    virtual uint32_t Start(const std::u16string& name) = 0;
};

}  // namespace aerowisp
