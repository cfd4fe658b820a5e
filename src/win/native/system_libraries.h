// Where the programs' system DLLs come from: the system folder only, never the program's own folder, and
// a DLL the system lacks (wlanapi.dll without the Wireless LAN Service) is a failure its callers handle.
#pragma once

#include <windows.h>

namespace aerowisp {

// Narrows the process's search for DLLs named without a path, before anything is loaded by name: the
// system folder alone where the system has SetDefaultDllDirectories (Windows 7 with KB2533623), else the
// standard search without the current folder. Called first thing by each program.
void RestrictDllSearchToSystem();

// The DLL named `name` (such as "wlanapi.dll") from the system folder by its full path, its own
// dependencies found there first too; null when the system folder has no such DLL.
HMODULE LoadSystemLibrary(const char* name);

// What a call into `function` of `dll` does when that DLL is missing: the same function type, failing as
// the real one fails (the WLAN functions with ERROR_SERVICE_DOES_NOT_EXIST). Null for a function the
// programs never call.
FARPROC MissingLibraryStandIn(const char* dll, const char* function);

}  // namespace aerowisp
