// The main window: dialog 102, run modally for the whole life of the program. It forwards its
// messages to the model it owns and shows what the model asks for.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/window_events.h"
#include "control/control_pipe_server.h"
#include "core/app/control_commands.h"
#include "core/app/main_window_model.h"
#include "core/ports/main_view.h"
#include "core/ports/retrying_ports.h"
#include "fw/dialog.h"
#include "fw/gdi.h"
#include "fw/run_length_picture.h"
#include "hostednet/ap_config_page.h"
#include "hostednet/assoc_tbl_page.h"
#include "hostednet/link_status_page.h"
#include "ics/ics_page.h"
#include "ics/msg_dialog.h"
#include "native/native_timer_service.h"
#include "widgets/about_page.h"
#include "widgets/hover_button.h"
#include "widgets/owner_draw_wnd.h"
#include "widgets/tray_icon_view.h"
#include "wizard/wizard_runner.h"

namespace aerowisp {

class PlatformServices;

// The main view is the window itself; the tray view and the wizard's sheet are objects of their own.
class CHotlynxDlg final : public fw::Dialog, public MainView {
  public:
    // `startHidden`: the command line asked for the start in the notification area.
    CHotlynxDlg(PlatformServices& platform, bool startHidden);
    ~CHotlynxDlg() override;

    // MainView. Controls that do not exist (yet) are left alone.
    void ShowPage(ContentPage page) override;
    void ApplyControlLook(const ControlLook& look) override;
    void EnableButton(uint32_t controlId, bool enable) override;
    void SetButtonFaces(uint32_t controlId, const ButtonFaces& faces) override;
    void FrameModePicture() override;
    void HideToTray() override;
    ApSettingsAnswer RunExtendedApSettingsDialog() override;
    std::optional<size_t> RunSelectCardDialog(const std::vector<std::u16string>& descriptions) override;
    void FillApConfigPage(const std::u16string& ssid, const std::u16string& key) override;
    void SetApConfigBssid(const std::u16string& bssid) override;
    void RestartPageTimer(ContentPage page, uint32_t timerId, uint32_t periodMs) override;
    void KillPageTimer(ContentPage page) override;
    void ShowLinkStatus(const LinkStatusFigures& figures) override;
    void ShowAssociationList(const std::vector<AssociationRow>& rows) override;
    void ClearAssociationList() override;
    void FillConnectionList(const ConnectionListFill& fill) override;
    void ShowPleaseWait(const std::u16string& text) override;
    void ClosePleaseWait() override;
    void ApplyLanguageToWindow() override;
    void CreateContentPages() override;
    void RefreshVersionInfo(const std::u16string& cardDescription) override;
    void ShowMessage(const std::u16string& text) override;
    void RemoveTrayIcon() override;

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;

  private:
    // The operating-system check, made before anything else of the window is set up.
    bool IsOperatingSystemSupported();
    void RefuseOperatingSystem();

    // The steps of the initialisation that belong to the window itself.
    void DoDataExchange();
    void AddAboutItemToSystemMenu();
    CAppProPage* CreatedPage(ContentPage page);
    void PlacePage(CAppProPage& page);
    void RegisterDeviceNotifications();

    CHoverButton* HoverButton(uint32_t controlId);
    CAppProPage* Page(ContentPage page);

    void OnClose();
    // The tray's Wizard commands: the wizard runs in its sheet and its result is applied.
    void RunSetupWizard();
    void OnDeviceChange(WPARAM event, LPARAM record);
    void OnMachineEvent(WPARAM event);
    // A request from the command line, carried out as the button or tray command would.
    void OnControlRequest(LPARAM job);

    // A sharing transaction runs while its slow calls wait on the worker: the window keeps painting and
    // answering, but takes no command that would start a second one until the transaction is over, when
    // the interface thread is back in its message loop.
    void BeginTransaction();
    void OnTransactionCheck();
    bool HeldDuringTransaction(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);

    bool OnPaint();
    void OnEraseBkgnd(HDC dc);
    bool OnSetCursor(HWND window);

    // A WM_CLOSE that arrives while the start-up, a dialog it runs, or a transaction is under way waits
    // until it is over: the close clean-up then runs once, and nothing afterwards works on what it released.
    class CloseDeferral {
      public:
        explicit CloseDeferral(CHotlynxDlg& window);
        ~CloseDeferral();
        CloseDeferral(const CloseDeferral&) = delete;
        CloseDeferral& operator=(const CloseDeferral&) = delete;

      private:
        CHotlynxDlg& m_window;
    };

    PlatformServices& m_platform;
    int m_closeDeferrals = 0;
    bool m_closeDeferred = false;
    // Menu commands that came during a transaction, carried out after it.
    std::vector<WPARAM> m_deferredCommands;
    // Made at initialisation, once the window exists; the model runs on the window's timers.
    std::optional<NativeTimerService> m_windowTimers;
    // The ports the model runs on, with the calls that fail for a moment made again.
    std::optional<RetryPolicy> m_retryPolicy;
    std::optional<RetryingPorts> m_retryingPorts;
    // Made with the model, whose texts the wizard shows.
    std::optional<SetupWizardRunner> m_wizardSheet;
    TrayIconView m_trayIcon;
    // Attached at initialisation: the tray view the model is given (the icon, or a decorator in front of
    // it) and where the window's own events go.
    TrayView* m_tray = nullptr;
    WindowEvents* m_events = nullptr;
    std::unique_ptr<MainWindowModel> m_model;
    bool m_startHidden;

    CHoverButton m_btnLinkStatus;  // 1000
    CHoverButton m_btnAssocList;   // 1001
    CHoverButton m_btnAdvanced;    // 1002
    CHoverButton m_btnIcs;         // 1003
    CHoverButton m_btnRadio;       // 1004
    CHoverButton m_btnStaAp;       // 1006
    CHoverButton m_btnMode;        // 1005
    COwnerDrawWnd m_modePicture;   // 1007

    CLinkStatusPage m_linkStatusPage;
    CAPConfigPage m_apConfigPage;
    CAssocTblPage m_assocTblPage;
    CICSPage m_icsPage;
    CAboutPage m_aboutPage;
    CAppProPage* m_currentPage = nullptr;
    // Pages are made on demand once the model has asked for them.
    bool m_pagesAllowed = false;
    // What the About page shows once it is made.
    std::optional<std::u16string> m_pendingCardDescription;
    // Exists only while a sharing operation runs.
    std::unique_ptr<CMsgDialog> m_pleaseWait;

    // Icon 128, shared by the system: never destroyed.
    HICON m_hIcon = nullptr;
    fw::RunLengthPicture m_background;
    fw::DeviceNotification m_deviceNotification;
    // Explorer's "TaskbarCreated" broadcast.
    UINT m_taskbarCreatedMessage = 0;
    // A simulated machine's event asked for from outside.
    UINT m_machineEventMessage = 0;
    bool m_shownNoted = false;
    // Held from a transaction's first slow call until the check after its last one; a close waits for it.
    std::optional<CloseDeferral> m_transaction;
    bool m_enabledBeforeTransaction = true;
    // The command line's pipe, served from the end of the initialisation until the close clean-up;
    // while one of its requests runs, messages go into its reply.
    std::unique_ptr<ControlPipeServer> m_controlServer;
    ControlCapture m_controlCapture;
};

}  // namespace aerowisp
