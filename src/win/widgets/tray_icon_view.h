// The tray view: the notification-area icon, its pop-up menu and the main window as the tray brings it up.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "core/ports/tray_view.h"

namespace aerowisp {

class TrayIconView final : public TrayView {
  public:
    // The setup wizard runs in the main window: `runSetupWizard` runs it and applies its result,
    // `closeSetupWizard` ends a running one as cancelled (false when none runs).
    TrayIconView(std::function<void()> runSetupWizard, std::function<bool()> closeSetupWizard);
    TrayIconView(const TrayIconView&) = delete;
    TrayIconView& operator=(const TrayIconView&) = delete;

    // The main window, once it exists: the icon's owner, and where its messages and menu commands go.
    void Attach(HWND mainWindow) { window_ = mainWindow; }
    // Shell_NotifyIconW(NIM_DELETE) for the program's icon.
    void RemoveTrayIcon();

    bool AddTrayIcon(const TrayIconData& icon) override;
    void ModifyTrayTip(uint32_t uid, const std::u16string& tip) override;
    void ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override;
    void ShowInfoBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override;
    void TrackTrayMenu(const std::vector<TrayMenuItem>& items) override;
    bool IsMainWindowMinimized() override;
    void RestoreMainWindow() override;
    void ShowMainWindow() override;
    void BringMainWindowToForeground() override;
    void ActivateMainWindow() override;
    void PostCloseToMainWindow() override;
    void RunAboutDialog() override;
    void RunSetupWizard() override;
    bool CloseSetupWizard() override;

  private:
    HWND window_ = nullptr;
    std::function<void()> runSetupWizard_;
    std::function<bool()> closeSetupWizard_;
};

}  // namespace aerowisp
