// The main window: dialog 102, run modally for the whole life of the program. It forwards its
// messages to the model it owns and shows what the model asks for.
#pragma once

#include <memory>
#include <optional>

#include "core/app/hotlynx_model.h"
#include "core/app/main_view.h"
#include "core/lang/language_file.h"
#include "fw/dialog.h"
#include "native/native_timer_service.h"

namespace aerowisp {

class PlatformServices;

class CHotlynxDlg final : public fw::Dialog, public MainView {
  public:
    explicit CHotlynxDlg(PlatformServices& platform);
    ~CHotlynxDlg() override;

    // MainView. Controls that do not exist (yet) are left alone.
    void ShowPage(ContentPage page) override;
    void ApplyControlLook(const ControlLook& look) override;
    void EnableButton(uint32_t controlId, bool enable) override;
    ApSettingsAnswer RunExtendedApSettingsDialog() override;
    std::optional<size_t> RunSelectCardDialog(const std::vector<std::u16string>& descriptions) override;
    void FillApConfigPage(const std::u16string& ssid, const std::u16string& key) override;
    void RestartApConfigPageTimer(uint32_t timerId, uint32_t periodMs) override;
    void ClearAssociationList() override;
    std::u16string LoadLanguageString(std::u16string_view key) override;
    void RemoveTrayIcon() override;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // The operating-system check, made before anything else of the window is set up.
    bool IsOperatingSystemSupported();
    void RefuseOperatingSystem();
    // Restores what the program was doing when it last ended: settings, card, mode and radio.
    void RestoreStartState();

    void OnCloseBox();
    bool CloseBoxHides() const;
    void HideMainWindow();
    void OnLaunchConfigUtility();
    void OnClose();

    PlatformServices& platform_;
    // The language file chosen at initialisation; read afresh at every lookup.
    LanguageFile language_;
    // Made at initialisation, once the window exists; the model runs on the window's timers.
    std::optional<NativeTimerService> windowTimers_;
    std::unique_ptr<HotlynxModel> model_;
    // Set by adding the notification-area icon; until then a hidden window could not be brought back.
    bool trayIconAdded_ = false;
    bool shownNoted_ = false;
};

}  // namespace aerowisp
