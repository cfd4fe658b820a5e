// A tray view for native tests: records the icon, tip, menu and window calls, and lets a test act while
// the About dialog or the wizard is open.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/ports/tray_view.h"
#include "sim/journal.h"
#include "sim/sim_text.h"

namespace aerowisp::test {

class RecordingTrayView final : public TrayView {
  public:
    // With a journal, each call is also recorded there as "Tray.<call>".
    explicit RecordingTrayView(Journal* journal = nullptr) : journal_(journal) {}

    bool AddTrayIcon(const TrayIconData& icon) override {
        added.push_back(icon);
        Note("AddTrayIcon", std::to_string(icon.uid));
        return addSucceeds;
    }
    void ModifyTrayTip(uint32_t uid, const std::u16string& text) override {
        tip = text;
        Note("ModifyTrayTip", std::to_string(uid) + " " + QuoteText(text));
    }
    void ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override {
        balloons.push_back(text);
        Note("ShowBalloon", std::to_string(uid) + " " + QuoteText(title) + " " + QuoteText(text));
    }
    void ShowInfoBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) override {
        infoBalloons.push_back(text);
        Note("ShowInfoBalloon", std::to_string(uid) + " " + QuoteText(title) + " " + QuoteText(text));
    }
    void TrackTrayMenu(const std::vector<TrayMenuItem>& items) override {
        menus.push_back(items);
        Note("TrackTrayMenu", std::to_string(items.size()));
    }
    bool IsMainWindowMinimized() override { return minimized; }
    void RestoreMainWindow() override { Note("RestoreMainWindow", ""); }
    void ShowMainWindow() override { Note("ShowMainWindow", ""); }
    void BringMainWindowToForeground() override { Note("BringMainWindowToForeground", ""); }
    void ActivateMainWindow() override { Note("ActivateMainWindow", ""); }
    void PostCloseToMainWindow() override { Note("PostCloseToMainWindow", ""); }
    void RunAboutDialog() override {
        Note("RunAboutDialog", "");
        if (whileAboutOpen)
            whileAboutOpen();
    }
    void RunSetupWizard() override { Note("RunSetupWizard", ""); }
    bool CloseSetupWizard() override {
        Note("CloseSetupWizard", "");
        return std::exchange(wizardOpen, false);
    }

    // "Call arguments" lines in call order.
    std::vector<std::string> calls;
    std::vector<TrayIconData> added;
    std::optional<std::u16string> tip;
    std::vector<std::vector<TrayMenuItem>> menus;
    // The texts of the balloons shown, in order.
    std::vector<std::u16string> balloons;
    std::vector<std::u16string> infoBalloons;
    bool addSucceeds = true;
    bool minimized = false;
    // A setup wizard shows, until CloseSetupWizard ends it.
    bool wizardOpen = false;
    // Runs while the About dialog is open, as tray messages do during its modal loop.
    std::function<void()> whileAboutOpen;

  private:
    void Note(const std::string& call, const std::string& arguments) {
        calls.push_back(arguments.empty() ? call : call + " " + arguments);
        if (journal_)
            journal_->Record("Tray." + call, arguments);
    }

    Journal* journal_;
};

}  // namespace aerowisp::test
