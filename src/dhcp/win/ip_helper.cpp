// Loading iphlpapi.dll from the system folder, and keeping the DLL search there.
#include "dhcp/win/ip_helper.h"

namespace aerowisp::dhcp {

namespace {

constexpr wchar_t kIpHelperDll[] = L"iphlpapi.dll";

template <typename Function>
Function Lookup(HMODULE module, const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
}

}  // namespace

void KeepDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    const auto setDefault = kernel != nullptr
                                ? Lookup<SetDefaultDllDirectoriesFunction>(kernel, "SetDefaultDllDirectories")
                                : nullptr;
    if (setDefault != nullptr)
        setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
    ::SetDllDirectoryW(L"");
}

std::wstring SystemFolder() {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::wstring(folder, length) + L'\\';
}

IpHelper::IpHelper() {
    const std::wstring folder = SystemFolder();
    if (folder.empty()) {
        m_loadError = ::GetLastError();
        return;
    }
    // The altered search path finds the DLL's own dependencies beside it, in the system folder too.
    m_module.Reset(::LoadLibraryExW((folder + kIpHelperDll).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
    if (!m_module) {
        m_loadError = ::GetLastError();
        return;
    }
    const HMODULE module = m_module.Get();
    GetNetworkParams = Lookup<decltype(GetNetworkParams)>(module, "GetNetworkParams");
    NotifyAddrChange = Lookup<decltype(NotifyAddrChange)>(module, "NotifyAddrChange");
    CancelIPChangeNotify = Lookup<decltype(CancelIPChangeNotify)>(module, "CancelIPChangeNotify");
    GetIpAddrTable = Lookup<decltype(GetIpAddrTable)>(module, "GetIpAddrTable");
    if (GetNetworkParams == nullptr || NotifyAddrChange == nullptr || CancelIPChangeNotify == nullptr ||
        GetIpAddrTable == nullptr) {
        m_loadError = ERROR_PROC_NOT_FOUND;
        GetNetworkParams = nullptr;
        NotifyAddrChange = nullptr;
        CancelIPChangeNotify = nullptr;
        GetIpAddrTable = nullptr;
        m_module.Reset();
    }
}

}  // namespace aerowisp::dhcp
