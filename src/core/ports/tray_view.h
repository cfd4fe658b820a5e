// Port: the notification-area icon, its pop-up menu, and the main window brought up from the tray.
// Implementations: TrayIconView (src/win/widgets), JournalingWindow (src/win/app, a decorator in front of it
// on a simulated machine), RecordingTrayView (tests/core/support).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace aerowisp {

// One NOTIFYICONDATAW for NIM_ADD (zero-filled, cbSize = sizeof(NOTIFYICONDATAW), hWnd the main window).
struct TrayIconData {
    uint32_t uid = 0;
    // NIF_MESSAGE | NIF_ICON | NIF_TIP.
    uint32_t flags = 0;
    uint32_t callbackMessage = 0;
    // The icon resource; LoadIconW from the program's module.
    uint32_t iconResource = 0;
    std::u16string tip;
};

// A plain string item of a pop-up menu.
struct TrayMenuItem {
    uint32_t commandId = 0;
    std::u16string text;

    friend bool operator==(const TrayMenuItem&, const TrayMenuItem&) = default;
};

class TrayView {
  public:
    virtual ~TrayView() = default;

    // Shell_NotifyIconW(NIM_ADD): true when the shell took the icon.
    virtual bool AddTrayIcon(const TrayIconData& icon) = 0;
    // Shell_NotifyIconW(NIM_MODIFY) with NIF_TIP only, for the icon `uid`; `tip` fits szTip.
    virtual void ModifyTrayTip(uint32_t uid, const std::u16string& tip) = 0;
    // Shell_NotifyIconW(NIM_MODIFY) with NIF_INFO for the icon `uid`: a balloon with the warning icon.
    // `title` and `text` fit szInfoTitle and szInfo.
    virtual void ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) = 0;
    // The same with the information icon: news, not trouble.
    virtual void ShowInfoBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) = 0;
    // Builds a pop-up menu of `items` in order, brings the main window to the foreground, tracks the
    // menu at the cursor (TPM_RIGHTBUTTON, owned by the main window) and destroys it. The chosen item
    // reaches the main window as WM_COMMAND.
    virtual void TrackTrayMenu(const std::vector<TrayMenuItem>& items) = 0;

    virtual bool IsMainWindowMinimized() = 0;
    // ShowWindow(SW_RESTORE).
    virtual void RestoreMainWindow() = 0;
    // EnableWindow(TRUE), then ShowWindow(SW_SHOWNORMAL).
    virtual void ShowMainWindow() = 0;
    virtual void BringMainWindowToForeground() = 0;
    // SetActiveWindow(main window).
    virtual void ActivateMainWindow() = 0;
    // PostMessageW(main window, WM_CLOSE): the close clean-up runs and the program ends.
    virtual void PostCloseToMainWindow() = 0;

    // Runs the About dialog (template 100) modally, without an owner. The dialog clears the About flag
    // when its window is destroyed.
    virtual void RunAboutDialog() = 0;
    // Runs the setup wizard and applies its result.
    virtual void RunSetupWizard() = 0;
    // Ends the running setup wizard as its close box does (WM_SYSCOMMAND SC_CLOSE): cancelled. False
    // when no wizard shows.
    virtual bool CloseSetupWizard() = 0;
};

}  // namespace aerowisp
