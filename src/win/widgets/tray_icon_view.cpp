// The tray view over the shell's notification area and the main window.
#include "widgets/tray_icon_view.h"

#include <utility>

#include "core/resource.h"
#include "widgets/about_dlg.h"
#include "widgets/tray_icon.h"

namespace aerowisp {

TrayIconView::TrayIconView(std::function<void()> runSetupWizard, std::function<bool()> closeSetupWizard)
    : runSetupWizard_(std::move(runSetupWizard)), closeSetupWizard_(std::move(closeSetupWizard)) {}

void TrayIconView::RemoveTrayIcon() {
    aerowisp::RemoveTrayIcon(window_, ID_TRAY_ICON);
}

bool TrayIconView::AddTrayIcon(const TrayIconData& icon) {
    return aerowisp::AddTrayIcon(window_, icon);
}

void TrayIconView::ModifyTrayTip(uint32_t uid, const std::u16string& tip) {
    aerowisp::ModifyTrayTip(window_, uid, tip);
}

void TrayIconView::ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) {
    ShowTrayBalloon(window_, uid, title, text, NIIF_WARNING);
}

// News of stations comes often; it need not sound like trouble.
void TrayIconView::ShowInfoBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) {
    ShowTrayBalloon(window_, uid, title, text, NIIF_INFO | NIIF_NOSOUND);
}

// The window must be in front for the menu to close when the user clicks elsewhere, and the posted
// message lets the menu's own end reach the window.
void TrayIconView::TrackTrayMenu(const std::vector<TrayMenuItem>& items) {
    const fw::Menu menu = BuildTrayMenu(items);
    if (!menu)
        return;
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::SetForegroundWindow(window_);
    ::TrackPopupMenu(menu.Get(), TPM_RIGHTBUTTON, cursor.x, cursor.y, 0, window_, nullptr);
    ::PostMessageW(window_, WM_NULL, 0, 0);
}

bool TrayIconView::IsMainWindowMinimized() {
    return ::IsIconic(window_) != FALSE;
}

void TrayIconView::RestoreMainWindow() {
    ::ShowWindow(window_, SW_RESTORE);
}

void TrayIconView::ShowMainWindow() {
    ::EnableWindow(window_, TRUE);
    ::ShowWindow(window_, SW_SHOWNORMAL);
}

void TrayIconView::BringMainWindowToForeground() {
    ::SetForegroundWindow(window_);
}

void TrayIconView::ActivateMainWindow() {
    ::SetActiveWindow(window_);
}

void TrayIconView::PostCloseToMainWindow() {
    ::PostMessageW(window_, WM_CLOSE, 0, 0);
}

void TrayIconView::RunAboutDialog() {
    CAboutDlg about;
    about.DoModal(nullptr);
}

void TrayIconView::RunSetupWizard() {
    runSetupWizard_();
}

bool TrayIconView::CloseSetupWizard() {
    return closeSetupWizard_();
}

}  // namespace aerowisp
