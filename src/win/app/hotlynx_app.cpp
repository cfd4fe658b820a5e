// Start-up of the program and the main window's modal run.
#include "app/hotlynx_app.h"

#include <windows.h>
#include <commctrl.h>

#include "app/hotlynx_dlg.h"

namespace aerowisp {
namespace {

constexpr DWORD kCommonControlClasses = 0xFF;  // ICC_WIN95_CLASSES

}  // namespace

bool CHotlynxApp::InitInstance() {
    INITCOMMONCONTROLSEX controls{sizeof(controls), kCommonControlClasses};
    ::InitCommonControlsEx(&controls);

    CHotlynxDlg mainWindow(platform_);
    mainWindow.DoModal(nullptr);
    return false;
}

int CHotlynxApp::ExitInstance() {
    return 0;
}

}  // namespace aerowisp
