// The main window's initialisation and message handling.
#include "app/hotlynx_dlg.h"

#include <shellapi.h>

#include "app/platform_services.h"
#include "app/user_message.h"
#include "core/app/ids.h"
#include "core/app/startup.h"
#include "core/lang/language_choice.h"
#include "core/settings/settings_operations.h"
#include "hostednet/easy_ap_setting.h"
#include "hostednet/sel_card_dlg.h"
#include "native/program_folder.h"
#include "native/string_table.h"
#include "native/windows_version.h"
#include "res/resource.h"

namespace aerowisp {
namespace {

constexpr char16_t kUnsupportedSystemKey[] = u"String23";
constexpr char16_t kUnsupportedSystemText[] = u"Sorry! We do not support this operation system!";

// What DoModal returns when the main window refused to come up, as a failed creation does.
constexpr INT_PTR kCreationRefused = -1;

// The notification-area icon's identifier.
constexpr UINT kTrayIconId = IDI_TRAY;

constexpr WPARAM kSysCommandMask = 0xFFF0;

// The controls whose look the launch command restores: the mode button and picture, and the two
// buttons that only AP+STA mode offers.
bool IsModeControl(uint32_t controlId) {
    return controlId == kIdcModeButton || controlId == kIdcModePicture || controlId == kIdcAssocListButton ||
           controlId == kIdcAdvancedButton;
}

}  // namespace

CHotlynxDlg::CHotlynxDlg(PlatformServices& platform)
    : fw::Dialog(IDD_AEROWISP_DIALOG),
      platform_(platform),
      language_(platform.Files(), platform.CodePage()) {}

CHotlynxDlg::~CHotlynxDlg() {
    platform_.DetachWindowTimers();
}

// ---- MainView ----

void CHotlynxDlg::ShowPage(ContentPage) {
    // The content pages are child windows of their own; until they exist there is nothing to show.
}

void CHotlynxDlg::ApplyControlLook(const ControlLook& look) {
    HWND control = Item(static_cast<int>(look.controlId));
    if (control == nullptr)
        return;
    if (look.state != ControlState::kUnchanged)
        ::EnableWindow(control, look.state == ControlState::kEnabled);
    if (look.repaint)
        ::InvalidateRect(control, nullptr, TRUE);
}

void CHotlynxDlg::EnableButton(uint32_t controlId, bool enable) {
    HWND control = Item(static_cast<int>(controlId));
    if (control != nullptr)
        ::EnableWindow(control, enable);
}

ApSettingsAnswer CHotlynxDlg::RunExtendedApSettingsDialog() {
    CEasyAPSetting dialog(*this, language_);
    return dialog.Ask(Handle());
}

std::optional<size_t> CHotlynxDlg::RunSelectCardDialog(const std::vector<std::u16string>& descriptions) {
    CSelCardDlg dialog(language_);
    return dialog.Ask(Handle(), descriptions);
}

void CHotlynxDlg::FillApConfigPage(const std::u16string&, const std::u16string&) {
    // Filled once the AP configuration page exists.
}

void CHotlynxDlg::RestartApConfigPageTimer(uint32_t, uint32_t) {
    // The timer runs on the AP configuration page's own window, once that page exists.
}

void CHotlynxDlg::ClearAssociationList() {
    // Cleared once the association list page exists.
}

std::u16string CHotlynxDlg::LoadLanguageString(std::u16string_view key) {
    return language_.LoadLanguageString(key);
}

void CHotlynxDlg::RemoveTrayIcon() {
    NOTIFYICONDATAW icon{};
    icon.cbSize = sizeof(icon);
    icon.hWnd = Handle();
    icon.uID = kTrayIconId;
    ::Shell_NotifyIconW(NIM_DELETE, &icon);
    trayIconAdded_ = false;
}

// ---- Start and end ----

BOOL CHotlynxDlg::OnInitDialog() {
    // On an unsupported system the program ends here, with nothing written and no tray icon.
    if (!IsOperatingSystemSupported()) {
        RefuseOperatingSystem();
        return TRUE;
    }
    windowTimers_.emplace(Handle());
    model_ = std::make_unique<HotlynxModel>(
        ModelPorts{platform_.Wlan(), platform_.Settings(), platform_.CodePage(),
                   platform_.AttachWindowTimers(*windowTimers_), platform_.Processes(), platform_.Sharing()},
        *this);
    SetText(LoadResourceString(IDS_APP_TITLE));
    // The start-hidden rule of the first frame paint looks in the program folder.
    model_->State().programFolder = ProgramFolder();
    ChooseLanguageFile(platform_.Settings(), model_->State().programFolder);
    RestoreStartState();
    return TRUE;
}

bool CHotlynxDlg::IsOperatingSystemSupported() {
    return IsSupportedWindowsVersion(ReadWindowsVersionValues());
}

void CHotlynxDlg::RefuseOperatingSystem() {
    ShowUserMessage(Handle(), LanguageTextOr(*this, kUnsupportedSystemKey, kUnsupportedSystemText));
    EndDialog(kCreationRefused);
}

void CHotlynxDlg::RestoreStartState() {
    MainWindowState& state = model_->State();
    SettingsStore& settings = platform_.Settings();
    state.chosenConnection = ReadIcsCardName(settings);
    SerializeApSettings(settings, state.programFolder, true, state.hostedNetwork.desiredSsid,
                        state.hostedNetwork.desiredKey);
    model_->DiscoverInterface(true);

    uint32_t storedMode = 0;
    uint32_t radio = 1;
    ReadModeSetting(settings, kModeSelectorCurrentMode, storedMode, radio);
    ReadModeSetting(settings, kModeSelectorRadioState, storedMode, radio);
    state.radioOn = radio == 1;
    // Without a card, or with its radio off, the program starts in station mode whatever was stored.
    // The switch sets the mode itself, so a cancelled Extended AP Settings dialog leaves station mode.
    if (storedMode != 0 && state.cardPresent && state.radioOn)
        model_->HostedNetwork().SwitchToApStaMode();
}

// Until the notification-area icon exists a hidden window could not be brought back, so the close
// box and Esc end the program through the close clean-up instead of hiding the window.
bool CHotlynxDlg::CloseBoxHides() const {
    return trayIconAdded_;
}

void CHotlynxDlg::OnCloseBox() {
    if (CloseBoxHides()) {
        HideMainWindow();
    } else {
        Post(WM_CLOSE);
    }
}

void CHotlynxDlg::HideMainWindow() {
    model_->State().shown = false;
    ::EnableWindow(Handle(), TRUE);
    ::SetActiveWindow(nullptr);
    Show(SW_HIDE);
}

void CHotlynxDlg::OnLaunchConfigUtility() {
    MainWindowState& state = model_->State();
    if (::IsIconic(Handle())) {
        Show(SW_RESTORE);
    } else {
        state.shown = true;
        ::EnableWindow(Handle(), TRUE);
        Show(SW_SHOWNORMAL);
    }
    ::SetForegroundWindow(Handle());
    ::SetActiveWindow(Handle());
    if (!state.radioOn)
        return;
    const bool apMode = state.hostedNetwork.apMode;
    ShowPage(apMode ? ContentPage::kApConfig : ContentPage::kLinkStatus);
    for (const ControlLook& look : ControlLooks(apMode ? ModeLook::kApSta : ModeLook::kStation)) {
        if (IsModeControl(look.controlId))
            ApplyControlLook(look);
    }
}

// The clean-up comes before the modal run ends; the mode stays stored for the next start.
void CHotlynxDlg::OnClose() {
    model_->OnClose();
    EndDialog(IDCANCEL);
}

// ---- Messages ----

bool CHotlynxDlg::OnCommand(int id, int, HWND) {
    // Nothing runs before the model exists, nor after the window refused to come up.
    if (!model_)
        return true;
    switch (id) {
        case IDOK:  // Enter never ends the program
            return true;
        case IDCANCEL:  // Esc does what the close box does
            OnCloseBox();
            return true;
        case kIdcModeButton:
            model_->HostedNetwork().OnModeButton();
            return true;
        case kCmdLaunchConfigUtility:
            OnLaunchConfigUtility();
            return true;
        case kCmdSwitchToApStaMode:
            model_->HostedNetwork().SwitchToApStaMode();
            return true;
        case kCmdSwitchToStationMode:
            model_->HostedNetwork().SwitchToStationMode();
            return true;
        default:
            return false;
    }
}

bool CHotlynxDlg::OnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    if (!model_)
        return false;
    switch (message) {
        case WM_NCPAINT:
            if (!model_->OnNcPaint())
                return false;
            Show(SW_HIDE);
            result = 0;
            return true;
        case WM_SHOWWINDOW:
            if (wParam != FALSE && !shownNoted_) {
                shownNoted_ = true;
                platform_.NoteEvent("MainWindowShown");
            }
            return false;
        case WM_SYSCOMMAND:
            if ((wParam & kSysCommandMask) != SC_CLOSE)
                return false;
            OnCloseBox();
            result = 0;
            return true;
        case WM_CLOSE:
            OnClose();
            result = 0;
            return true;
        case WM_TIMER:
            model_->OnTimer(wParam);
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace aerowisp
