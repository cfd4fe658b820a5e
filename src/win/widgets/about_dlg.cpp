// The About dialog.
#include "widgets/about_dlg.h"

#include "core/app/about_flag.h"
#include "core/resource.h"

namespace aerowisp {

CAboutDlg::CAboutDlg() : fw::Dialog(IDD_ABOUTBOX) {}

bool CAboutDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_DESTROY)
        SetAboutDialogOpen(false);
    return fw::Dialog::OnMessage(message, wParam, lParam, result);
}

}  // namespace aerowisp
