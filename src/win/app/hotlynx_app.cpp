// Start-up of the program and the main window's modal run.
#include "app/hotlynx_app.h"

#include <commctrl.h>
#include <gdiplus.h>

#include "app/hotlynx_dlg.h"
#include "core/app/startup.h"

namespace aerowisp {
namespace {

// Every class of the first common controls (ICC_WIN95_CLASSES): the pages' list views and progress bars,
// the buttons' tooltips and the rest of that set.
constexpr DWORD kCommonControlClasses = ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES |
                                        ICC_TAB_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS |
                                        ICC_HOTKEY_CLASS | ICC_ANIMATE_CLASS;
static_assert(kCommonControlClasses == ICC_WIN95_CLASSES);
constexpr UINT32 kGdiplusVersion = 1;
constexpr int kExitCode = 0;

}  // namespace

void GdiplusSession::Start() {
    if (started_)
        return;
    Gdiplus::GdiplusStartupInput input;
    input.GdiplusVersion = kGdiplusVersion;
    input.DebugEventCallback = nullptr;
    input.SuppressBackgroundThread = FALSE;
    input.SuppressExternalCodecs = FALSE;
    started_ = Gdiplus::GdiplusStartup(&token_, &input, nullptr) == Gdiplus::Ok;
}

void GdiplusSession::Shutdown() {
    if (!started_)
        return;
    started_ = false;
    Gdiplus::GdiplusShutdown(token_);
}

CHotlynxApp::CHotlynxApp(PlatformServices& platform, bool startHidden)
    : platform_(platform), startHidden_(startHidden), host_([this] { RunMainWindow(); }) {}

bool CHotlynxApp::InitInstance() {
    // COM first, so that every CoUninitialize of the start-up and the exit has its CoInitializeEx.
    host_.EnterComApartment();
    // COM fixes the process's security at its first marshalled call (ShellExecuteW makes one long before
    // sharing starts) and ignores every later setting, so the sharing manager's is made here, first.
    platform_.SharingManager().InitializeSecurity();
    INITCOMMONCONTROLSEX controls{sizeof(controls), kCommonControlClasses};
    ::InitCommonControlsEx(&controls);
    gdiplus_.Start();
    RunSingleInstance(host_, platform_.Desktop(), platform_.Settings(), platform_.SystemClock());
    return false;
}

int CHotlynxApp::ExitInstance() {
    host_.ReleaseInstanceMutex();
    gdiplus_.Shutdown();
    host_.CoUninitialize();
    return kExitCode;
}

void CHotlynxApp::RunMainWindow() {
    CHotlynxDlg mainWindow(platform_, startHidden_);
    mainWindow.DoModal(nullptr);
}

}  // namespace aerowisp
