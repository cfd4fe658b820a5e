// The system DLLs: loaded by full path from the system folder, and what a call does when its DLL is
// missing (the stand-ins fail as the real functions fail; Wine cannot hide version.dll from a program).
#include <windows.h>

#include <gtest/gtest.h>

#include <iphlpapi.h>
#include <oleauto.h>
#include <wlanapi.h>

#include <string>

#include "native/system_libraries.h"

namespace aerowisp {
namespace {

std::wstring ModulePath(HMODULE module) {
    std::wstring path(MAX_PATH, L'\0');
    path.resize(::GetModuleFileNameW(module, path.data(), MAX_PATH));
    return path;
}

std::wstring SystemFolder() {
    std::wstring folder(MAX_PATH, L'\0');
    folder.resize(::GetSystemDirectoryW(folder.data(), MAX_PATH));
    return folder;
}

TEST(LoadSystemLibrary, LoadsFromTheSystemFolderOrNotAtAll) {
    struct Case {
        const char* name;
        bool present;
    };
    const Case cases[] = {{"version.dll", true}, {"VERSION.DLL", true}, {"no-such-library.dll", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const HMODULE module = LoadSystemLibrary(c.name);
        ASSERT_EQ(module != nullptr, c.present);
        if (module == nullptr)
            continue;
        const std::wstring path = ModulePath(module);
        EXPECT_EQ(::CompareStringOrdinal(path.c_str(), static_cast<int>(SystemFolder().size()),
                                         SystemFolder().c_str(), -1, TRUE),
                  CSTR_EQUAL)
            << "loaded from " << std::string(path.begin(), path.end());
        ::FreeLibrary(module);
    }
}

template <typename Function>
Function* StandIn(const char* dll, const char* function) {
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(MissingLibraryStandIn(dll, function)));
}

// What the programs' calls get where their DLL is missing: the WLAN functions say the service is not
// installed, the others fail as when their data is not there.
TEST(MissingLibraryStandIn, FailsAsTheRealFunctionsFail) {
    HANDLE client = nullptr;
    DWORD negotiated = 0;
    EXPECT_EQ(StandIn<decltype(::WlanOpenHandle)>("WLANAPI.DLL", "WlanOpenHandle")(2, nullptr, &negotiated,
                                                                                   &client),
              static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST));
    PWLAN_INTERFACE_INFO_LIST list = nullptr;
    EXPECT_EQ(
        StandIn<decltype(::WlanEnumInterfaces)>("wlanapi.dll", "WlanEnumInterfaces")(client, nullptr, &list),
        static_cast<DWORD>(ERROR_SERVICE_DOES_NOT_EXIST));
    ULONG size = 0;
    EXPECT_EQ(StandIn<decltype(::GetAdaptersInfo)>("iphlpapi.dll", "GetAdaptersInfo")(nullptr, &size),
              static_cast<ULONG>(ERROR_NOT_SUPPORTED));
    DWORD handle = 0;
    EXPECT_EQ(
        StandIn<decltype(::GetFileVersionInfoSizeW)>("version.dll", "GetFileVersionInfoSizeW")(L"x", &handle),
        0u);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_MOD_NOT_FOUND));
    EXPECT_EQ(StandIn<decltype(::SysAllocStringLen)>("oleaut32.dll", "SysAllocStringLen")(L"x", 1), nullptr);
    VARIANT variant{};
    variant.vt = VT_I4;
    StandIn<decltype(::VariantInit)>("oleaut32.dll", "VariantInit")(&variant);
    EXPECT_EQ(variant.vt, VT_EMPTY);

    EXPECT_EQ(MissingLibraryStandIn("wlanapi.dll", "WlanHostedNetworkStartUsing"), nullptr)
        << "looked up by name where called, never delay-loaded";
    EXPECT_EQ(MissingLibraryStandIn("version.dll", "WlanOpenHandle"), nullptr);
    EXPECT_EQ(MissingLibraryStandIn(nullptr, "WlanOpenHandle"), nullptr);
}

}  // namespace
}  // namespace aerowisp
