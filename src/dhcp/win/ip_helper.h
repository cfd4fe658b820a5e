// The IP Helper functions DhcpServer.exe uses, from the system folder's iphlpapi.dll only.
#pragma once

#include <winsock2.h>
#include <windows.h>
#include <iphlpapi.h>

#include <string>

#include "base/handle.h"

namespace aerowisp::dhcp {

// Keeps the DLL search of this process to the system folder: SetDefaultDllDirectories where the system
// has it (Windows 7 with KB2533623 and later), and the program's folder's current directory dropped from
// the search in any case. Call first, before anything is loaded by name.
void KeepDllSearchToSystemFolder();

// iphlpapi.dll is not one of the system's known DLLs: loaded by bare name, a file of that name beside the
// program would come first. It is loaded by its full path in the system folder instead, and a missing DLL
// or function leaves the functions null: an ordinary failure the server logs and works around.
class IpHelper {
  public:
    IpHelper();

    bool Loaded() const { return GetIpAddrTable != nullptr; }
    // The error of the failed load, for the log.
    DWORD LoadError() const { return m_loadError; }

    decltype(&::GetNetworkParams) GetNetworkParams = nullptr;
    decltype(&::NotifyAddrChange) NotifyAddrChange = nullptr;
    decltype(&::CancelIPChangeNotify) CancelIPChangeNotify = nullptr;
    decltype(&::GetIpAddrTable) GetIpAddrTable = nullptr;

  private:
    static void Free(HMODULE module) { ::FreeLibrary(module); }

    base::OwnedHandle<HMODULE, Free> m_module;
    DWORD m_loadError = 0;
};

// The system folder with its trailing backslash; empty when the system does not say.
std::wstring SystemFolder();

}  // namespace aerowisp::dhcp
