// NativeWebBrowser: the address is opened by the desktop's own shell (Explorer), so the browser runs with
// the desktop user's rights rather than with this elevated program's.
#include "native/native_web_browser.h"

#include <windows.h>
#include <exdisp.h>
#include <servprov.h>
#include <shellapi.h>
#include <shldisp.h>
#include <shlguid.h>
#include <shlobj.h>

#include <string>

#include "fw/com.h"
#include "base/handle.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// The desktop's Shell.Application: its window among the shell windows, the browser behind it, the view it
// shows and that view's background object, whose Application is the shell of the desktop's process.
fw::ComPtr<IShellDispatch2> DesktopShell() {
    fw::ComPtr<IShellWindows> shellWindows;
    if (FAILED(::CoCreateInstance(CLSID_ShellWindows, nullptr, CLSCTX_LOCAL_SERVER, IID_IShellWindows,
                                  shellWindows.ReceiveVoid())) ||
        !shellWindows)
        return {};
    VARIANT desktopLocation{};
    desktopLocation.vt = VT_I4;
    desktopLocation.lVal = CSIDL_DESKTOP;
    VARIANT noRoot{};
    noRoot.vt = VT_EMPTY;
    long desktopWindow = 0;
    fw::ComPtr<IDispatch> desktop;
    if (shellWindows.Get()->FindWindowSW(&desktopLocation, &noRoot, SWC_DESKTOP, &desktopWindow,
                                         SWFO_NEEDDISPATCH, desktop.Receive()) != S_OK ||
        !desktop)
        return {};
    const auto services = desktop.As<IServiceProvider>(IID_IServiceProvider);
    fw::ComPtr<IShellBrowser> browser;
    if (!services ||
        FAILED(
            services.Get()->QueryService(SID_STopLevelBrowser, IID_IShellBrowser, browser.ReceiveVoid())) ||
        !browser)
        return {};
    fw::ComPtr<IShellView> view;
    if (FAILED(browser.Get()->QueryActiveShellView(view.Receive())) || !view)
        return {};
    fw::ComPtr<IDispatch> background;
    if (FAILED(view.Get()->GetItemObject(SVGIO_BACKGROUND, IID_IDispatch, background.ReceiveVoid())) ||
        !background)
        return {};
    const auto folderView = background.As<IShellFolderViewDual>(IID_IShellFolderViewDual);
    fw::ComPtr<IDispatch> application;
    if (!folderView || FAILED(folderView.Get()->get_Application(application.Receive())) || !application)
        return {};
    return application.As<IShellDispatch2>(IID_IShellDispatch2);
}

bool OpenThroughDesktopShell(const std::wstring& address) {
    const fw::ComPtr<IShellDispatch2> shell = DesktopShell();
    if (!shell)
        return false;
    const fw::Bstr file(address);
    const fw::Bstr verb(L"open");
    if (file.Get() == nullptr || verb.Get() == nullptr)
        return false;
    VARIANT noArguments{};
    noArguments.vt = VT_EMPTY;
    VARIANT noDirectory{};
    noDirectory.vt = VT_EMPTY;
    // The VARIANT borrows the verb, which stays its owner's.
    VARIANT operation{};
    operation.vt = VT_BSTR;
    operation.bstrVal = verb.Get();
    VARIANT show{};
    show.vt = VT_I4;
    show.lVal = SW_SHOWNORMAL;
    return SUCCEEDED(shell.Get()->ShellExecute(file.Get(), noArguments, noDirectory, operation, show));
}

// Running with more rights than the desktop: an administrator's full token while the desktop has the
// filtered one. A token that cannot be asked counts as elevated.
bool IsElevatedAboveTheDesktop() {
    base::KernelHandle token;
    if (!::OpenProcessToken(::GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return true;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeFull;
    DWORD size = 0;
    if (!::GetTokenInformation(token.Get(), TokenElevationType, &type, sizeof(type), &size))
        return true;
    return type == TokenElevationTypeFull;
}

}  // namespace

// Without the desktop's shell (Explorer not running) the program opens the address itself only where that
// gives the browser no more rights than the desktop has; an elevated program then opens nothing.
void NativeWebBrowser::OpenWebAddress(const std::u16string& address) {
    const std::wstring wideAddress = fw::ToWide(address);
    if (OpenThroughDesktopShell(wideAddress) || IsElevatedAboveTheDesktop())
        return;
    ::ShellExecuteW(nullptr, L"open", wideAddress.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

}  // namespace aerowisp
