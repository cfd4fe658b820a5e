// The DLL search of the programs, the delay-load hooks that load their system DLLs by full path, and the
// stand-ins for the functions of a DLL the system lacks.
#include "native/system_libraries.h"

// The delay-load helper's declarations need the Windows types first.
#include <delayimp.h>
#include <iphlpapi.h>
#include <oleauto.h>
#include <wlanapi.h>

#include <array>
#include <cstring>
#include <string>
#include <string_view>
#include <type_traits>

namespace aerowisp {
namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Through the generic function pointer type, which converts to any other without a warning.
template <typename Function>
Function FindKernelFunction(const char* name) {
    const HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    if (kernel == nullptr)
        return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(kernel, name)));
}

// KB2533623 brings SetDefaultDllDirectories and the LOAD_LIBRARY_SEARCH flags together.
bool HasSearchFlags() {
    return FindKernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories") != nullptr;
}

// GDI+ lives in the side-by-side store rather than the system folder on some systems; asked for by name it
// is found there before any folder is searched.
constexpr std::array<std::string_view, 1> kSideBySideLibraries{"gdiplus.dll"};

bool IsSideBySideLibrary(std::string_view name) {
    for (std::string_view library : kSideBySideLibraries) {
        if (library.size() == name.size() && ::_strnicmp(library.data(), name.data(), name.size()) == 0)
            return true;
    }
    return false;
}

HMODULE LoadSideBySideLibrary(const char* name) {
    if (!HasSearchFlags())
        return ::LoadLibraryA(name);
    return ::LoadLibraryExA(name, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
}

// ---- What the programs' calls do when their DLL is missing ----

DWORD WINAPI MissingWlanOpenHandle(DWORD, PVOID, PDWORD, PHANDLE) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
DWORD WINAPI MissingWlanCloseHandle(HANDLE, PVOID) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
DWORD WINAPI MissingWlanEnumInterfaces(HANDLE, PVOID, PWLAN_INTERFACE_INFO_LIST*) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
DWORD WINAPI MissingWlanQueryInterface(HANDLE, const GUID*, WLAN_INTF_OPCODE, PVOID, PDWORD, PVOID*,
                                       PWLAN_OPCODE_VALUE_TYPE) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
DWORD WINAPI MissingWlanGetInterfaceCapability(HANDLE, const GUID*, PVOID, PWLAN_INTERFACE_CAPABILITY*) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
DWORD WINAPI MissingWlanSetInterface(HANDLE, const GUID*, WLAN_INTF_OPCODE, DWORD, const PVOID, PVOID) {
    return ERROR_SERVICE_DOES_NOT_EXIST;
}
VOID WINAPI MissingWlanFreeMemory(PVOID) {}

ULONG WINAPI MissingGetAdaptersInfo(PIP_ADAPTER_INFO, PULONG) {
    return ERROR_NOT_SUPPORTED;
}

BSTR STDAPICALLTYPE MissingSysAllocStringLen(const OLECHAR*, UINT) {
    return nullptr;
}
void STDAPICALLTYPE MissingSysFreeString(BSTR) {}
UINT STDAPICALLTYPE MissingSysStringLen(BSTR) {
    return 0;
}
void STDAPICALLTYPE MissingVariantInit(VARIANTARG* variant) {
    variant->vt = VT_EMPTY;
}
// The sharing manager hands back interfaces in VARIANTs; they are released as VariantClear would.
HRESULT STDAPICALLTYPE MissingVariantClear(VARIANTARG* variant) {
    if ((variant->vt == VT_UNKNOWN || variant->vt == VT_DISPATCH) && variant->punkVal != nullptr)
        variant->punkVal->Release();
    variant->vt = VT_EMPTY;
    return S_OK;
}

DWORD WINAPI MissingGetFileVersionInfoSizeW(LPCWSTR, LPDWORD) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
}
WINBOOL WINAPI MissingGetFileVersionInfoW(LPCWSTR, DWORD, DWORD, LPVOID) {
    ::SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
}

// Each stand-in has exactly the type of the function it stands for.
#define AEROWISP_SAME_TYPE(function) \
    static_assert(std::is_same_v<decltype(&Missing##function), decltype(&::function)>)
AEROWISP_SAME_TYPE(WlanOpenHandle);
AEROWISP_SAME_TYPE(WlanCloseHandle);
AEROWISP_SAME_TYPE(WlanEnumInterfaces);
AEROWISP_SAME_TYPE(WlanQueryInterface);
AEROWISP_SAME_TYPE(WlanGetInterfaceCapability);
AEROWISP_SAME_TYPE(WlanSetInterface);
AEROWISP_SAME_TYPE(WlanFreeMemory);
AEROWISP_SAME_TYPE(GetAdaptersInfo);
AEROWISP_SAME_TYPE(SysAllocStringLen);
AEROWISP_SAME_TYPE(SysFreeString);
AEROWISP_SAME_TYPE(SysStringLen);
AEROWISP_SAME_TYPE(VariantInit);
AEROWISP_SAME_TYPE(VariantClear);
AEROWISP_SAME_TYPE(GetFileVersionInfoSizeW);
AEROWISP_SAME_TYPE(GetFileVersionInfoW);
#undef AEROWISP_SAME_TYPE

struct StandIn {
    std::string_view dll;
    std::string_view function;
    FARPROC call;
};

template <typename Function>
FARPROC AsFarProc(Function* function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

bool EqualsIgnoringCase(std::string_view a, const char* b) {
    return std::strlen(b) == a.size() && ::_strnicmp(a.data(), b, a.size()) == 0;
}

// ---- The delay-load helper's hooks ----

// Every delay-loaded DLL comes from the system folder. One that is not there is never asked for by bare
// name, which would search the program's folder first: the program's own module, which exports nothing,
// stands in for it, so each function is looked up in vain and the failure hook hands out its stand-in.
FARPROC WINAPI OnDelayLoadNotice(unsigned notice, PDelayLoadInfo info) {
    if (notice != dliNotePreLoadLibrary)
        return nullptr;
    HMODULE module = LoadSystemLibrary(info->szDll);
    if (module == nullptr && IsSideBySideLibrary(info->szDll))
        module = LoadSideBySideLibrary(info->szDll);
    if (module == nullptr)
        module = ::GetModuleHandleW(nullptr);
    return reinterpret_cast<FARPROC>(module);
}

// A function that could not be found: its stand-in, or null, which raises the helper's exception.
FARPROC WINAPI OnDelayLoadFailure(unsigned notice, PDelayLoadInfo info) {
    if (notice != dliFailGetProc || !info->dlp.fImportByName)
        return nullptr;
    return MissingLibraryStandIn(info->szDll, info->dlp.szProcName);
}

}  // namespace

void RestrictDllSearchToSystem() {
    if (auto setDefault = FindKernelFunction<SetDefaultDllDirectoriesFunction>("SetDefaultDllDirectories")) {
        if (setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32))
            return;
    }
    ::SetDllDirectoryW(L"");
}

HMODULE LoadSystemLibrary(const char* name) {
    std::wstring path(MAX_PATH, L'\0');
    const UINT length = ::GetSystemDirectoryW(path.data(), static_cast<UINT>(path.size()));
    if (length == 0 || length >= path.size())
        return nullptr;
    path.resize(length);
    path += L'\\';
    for (const char* c = name; *c != '\0'; ++c)
        path += static_cast<wchar_t>(static_cast<unsigned char>(*c));
    // The DLL's own dependencies are looked for beside it, in the system folder, before anywhere else.
    const DWORD flags = HasSearchFlags() ? LOAD_LIBRARY_SEARCH_DLL_LOAD_DIR | LOAD_LIBRARY_SEARCH_SYSTEM32
                                         : LOAD_WITH_ALTERED_SEARCH_PATH;
    return ::LoadLibraryExW(path.c_str(), nullptr, flags);
}

FARPROC MissingLibraryStandIn(const char* dll, const char* function) {
    static const std::array<StandIn, 15> kStandIns{{
        {"wlanapi.dll", "WlanOpenHandle", AsFarProc(&MissingWlanOpenHandle)},
        {"wlanapi.dll", "WlanCloseHandle", AsFarProc(&MissingWlanCloseHandle)},
        {"wlanapi.dll", "WlanEnumInterfaces", AsFarProc(&MissingWlanEnumInterfaces)},
        {"wlanapi.dll", "WlanQueryInterface", AsFarProc(&MissingWlanQueryInterface)},
        {"wlanapi.dll", "WlanGetInterfaceCapability", AsFarProc(&MissingWlanGetInterfaceCapability)},
        {"wlanapi.dll", "WlanSetInterface", AsFarProc(&MissingWlanSetInterface)},
        {"wlanapi.dll", "WlanFreeMemory", AsFarProc(&MissingWlanFreeMemory)},
        {"iphlpapi.dll", "GetAdaptersInfo", AsFarProc(&MissingGetAdaptersInfo)},
        {"oleaut32.dll", "SysAllocStringLen", AsFarProc(&MissingSysAllocStringLen)},
        {"oleaut32.dll", "SysFreeString", AsFarProc(&MissingSysFreeString)},
        {"oleaut32.dll", "SysStringLen", AsFarProc(&MissingSysStringLen)},
        {"oleaut32.dll", "VariantInit", AsFarProc(&MissingVariantInit)},
        {"oleaut32.dll", "VariantClear", AsFarProc(&MissingVariantClear)},
        {"version.dll", "GetFileVersionInfoSizeW", AsFarProc(&MissingGetFileVersionInfoSizeW)},
        {"version.dll", "GetFileVersionInfoW", AsFarProc(&MissingGetFileVersionInfoW)},
    }};
    if (dll == nullptr || function == nullptr)
        return nullptr;
    for (const StandIn& standIn : kStandIns) {
        if (EqualsIgnoringCase(standIn.dll, dll) && standIn.function == function)
            return standIn.call;
    }
    return nullptr;
}

}  // namespace aerowisp

// The delay-load helper reads its hooks from these two variables, which it declares for the program to
// define (delayimp.h gives them C linkage); they are set before the program starts and never change.
PfnDliHook __pfnDliNotifyHook2 = aerowisp::OnDelayLoadNotice;
PfnDliHook __pfnDliFailureHook2 = aerowisp::OnDelayLoadFailure;
