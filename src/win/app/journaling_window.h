// The main window on a simulated machine: a decorator of its tray view that journals the balloons and the
// wizard's close, the window's own events in the journal, and the machine's events made to happen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "app/window_events.h"
#include "sim/sim_machine.h"

namespace aerowisp {

class JournalingWindow final : public TrayView, public WindowEvents {
  public:
    JournalingWindow(TrayView& tray, SimMachine& machine) : tray_(tray), machine_(machine) {}
    JournalingWindow(const JournalingWindow&) = delete;
    JournalingWindow& operator=(const JournalingWindow&) = delete;

    // TrayView.
    bool AddTrayIcon(const TrayIconData& icon) override { return tray_.AddTrayIcon(icon); }
    void ModifyTrayTip(uint32_t uid, const std::u16string& tip) override { tray_.ModifyTrayTip(uid, tip); }
    void ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override;
    void ShowInfoBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override;
    void TrackTrayMenu(const std::vector<TrayMenuItem>& items) override { tray_.TrackTrayMenu(items); }
    bool IsMainWindowMinimized() override { return tray_.IsMainWindowMinimized(); }
    void RestoreMainWindow() override { tray_.RestoreMainWindow(); }
    void ShowMainWindow() override { tray_.ShowMainWindow(); }
    void BringMainWindowToForeground() override { tray_.BringMainWindowToForeground(); }
    void ActivateMainWindow() override { tray_.ActivateMainWindow(); }
    void PostCloseToMainWindow() override { tray_.PostCloseToMainWindow(); }
    void RunAboutDialog() override { tray_.RunAboutDialog(); }
    void RunSetupWizard() override { tray_.RunSetupWizard(); }
    bool CloseSetupWizard() override;

    // WindowEvents.
    void OnFirstShown() override;
    void OnControlRequest(std::string_view command) override;
    void OnMessage(bool intoReply) override;
    bool RaiseMachineEvent(MachineEvent event) override;

  private:
    void Note(std::string_view what);
    // The balloon with its icon's name ("info", "warning") and its texts.
    void NoteBalloon(std::string_view icon, const std::u16string& title, const std::u16string& text);

    TrayView& tray_;
    SimMachine& machine_;
    bool cardRemoved_ = false;
    // The stations joined from outside, numbering their MAC addresses.
    uint8_t joinedStations_ = 0;
};

}  // namespace aerowisp
