// OpenSCManagerW and the service calls behind the port; every handle has an owner.
#include "native/native_service_control.h"

#include <windows.h>

#include <vector>

#include "base/handle.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

using base::ServiceHandle;

// A service takes a few seconds to start on a slow machine; one that takes longer is reported.
constexpr DWORD kStartWaitMs = 15000;
constexpr DWORD kStartPollMs = 250;

// The service opened with `access`; GetLastError tells why when it is empty.
ServiceHandle OpenServiceFor(const std::u16string& name, DWORD access, DWORD& error) {
    ServiceHandle manager(::OpenSCManagerW(nullptr, nullptr, SC_MANAGER_CONNECT));
    if (!manager) {
        error = ::GetLastError();
        return {};
    }
    ServiceHandle service(::OpenServiceW(manager.Get(), fw::ToWide(name).c_str(), access));
    error = service ? ERROR_SUCCESS : ::GetLastError();
    return service;
}

}  // namespace

uint32_t NativeServiceControl::QueryService(const std::u16string& name, ServiceInfo& info) {
    DWORD error = ERROR_SUCCESS;
    ServiceHandle service = OpenServiceFor(name, SERVICE_QUERY_CONFIG | SERVICE_QUERY_STATUS, error);
    if (!service)
        return error;
    DWORD needed = 0;
    ::QueryServiceConfigW(service.Get(), nullptr, 0, &needed);
    if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER)
        return ::GetLastError();
    // Whole records, so the structure at the buffer's start is aligned.
    std::vector<QUERY_SERVICE_CONFIGW> buffer(needed / sizeof(QUERY_SERVICE_CONFIGW) + 1);
    auto* config = buffer.data();
    if (!::QueryServiceConfigW(service.Get(), config, static_cast<DWORD>(buffer.size() * sizeof(*config)),
                               &needed))
        return ::GetLastError();
    SERVICE_STATUS status{};
    if (!::QueryServiceStatus(service.Get(), &status))
        return ::GetLastError();
    info.startType = static_cast<ServiceStartType>(config->dwStartType);
    info.state = static_cast<ServiceState>(status.dwCurrentState);
    info.dependencies.clear();
    // A list of zero-terminated names ending in an empty one; "+Name" is a load-order group.
    for (const wchar_t* item = config->lpDependencies; item != nullptr && *item != L'\0';
         item += ::wcslen(item) + 1) {
        if (*item != SC_GROUP_IDENTIFIERW)
            info.dependencies.push_back(fw::FromWide(item));
    }
    return ERROR_SUCCESS;
}

uint32_t NativeServiceControl::SetStartType(const std::u16string& name, ServiceStartType startType) {
    DWORD error = ERROR_SUCCESS;
    ServiceHandle service = OpenServiceFor(name, SERVICE_CHANGE_CONFIG, error);
    if (!service)
        return error;
    if (!::ChangeServiceConfigW(service.Get(), SERVICE_NO_CHANGE, static_cast<DWORD>(startType),
                                SERVICE_NO_CHANGE, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                nullptr))
        return ::GetLastError();
    return ERROR_SUCCESS;
}

uint32_t NativeServiceControl::Start(const std::u16string& name) {
    DWORD error = ERROR_SUCCESS;
    ServiceHandle service = OpenServiceFor(name, SERVICE_START | SERVICE_QUERY_STATUS, error);
    if (!service)
        return error;
    if (!::StartServiceW(service.Get(), 0, nullptr))
        return ::GetLastError();
    for (DWORD waited = 0; waited < kStartWaitMs; waited += kStartPollMs) {
        SERVICE_STATUS status{};
        if (!::QueryServiceStatus(service.Get(), &status))
            return ::GetLastError();
        if (status.dwCurrentState == SERVICE_RUNNING)
            return ERROR_SUCCESS;
        if (status.dwCurrentState == SERVICE_STOPPED)
            return status.dwWin32ExitCode != ERROR_SUCCESS ? status.dwWin32ExitCode
                                                           : ERROR_SERVICE_NOT_ACTIVE;
        ::Sleep(kStartPollMs);
    }
    return ERROR_SERVICE_REQUEST_TIMEOUT;
}

}  // namespace aerowisp
