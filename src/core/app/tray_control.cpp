// The notification-area icon, its tip and its menus.
#include "core/app/tray_control.h"

#include <algorithm>

#include "core/app/about_flag.h"
#include "core/resource.h"
#include "core/platform/guid.h"
#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

constexpr char16_t kApModeLabel[] = u"AP mode";

// The controls whose look the launch command restores: the mode button and picture, and the two
// buttons only AP+STA mode offers.
bool IsModeControl(uint32_t controlId) {
    return controlId == IDC_MODE_BUTTON || controlId == IDC_MODE_PICTURE ||
           controlId == IDC_ASSOC_LIST_BUTTON || controlId == IDC_ADVANCED_BUTTON;
}

// The connected network's name as the tip's "%s" reads it: the SSID's bytes (never more than the
// field holds) in the ANSI code page, up to a zero byte.
std::u16string SsidText(const Dot11Ssid& ssid, AnsiCodePage& codePage) {
    const size_t length = std::min<size_t>(ssid.length, ssid.ssid.size());
    std::string bytes(reinterpret_cast<const char*>(ssid.ssid.data()), length);
    bytes.resize(std::min(bytes.size(), bytes.find('\0')));
    return codePage.AnsiToWide(bytes);
}

}  // namespace

std::vector<TrayMenuItem> TrayMenuItems(const MainWindowState& state) {
    const TrayMenuTexts& text = state.trayMenu;
    if (!state.cardPresent)
        return {{ID_ABOUT_PLAIN, text.about}, {ID_EXIT_PLAIN, text.exit}};
    if (!state.radioOn) {
        return {{ID_LAUNCH_CONFIG_UTILITY, text.launch},
                {ID_ABOUT_PLAIN, text.about},
                {ID_EXIT_PLAIN, text.exit}};
    }
    if (state.hostedNetwork.apMode) {
        return {{ID_SHOW_WINDOW, text.launch},
                {ID_SWITCH_TO_STA_MODE, text.toStationMode},
                {ID_WIZARD_APSTA, text.wizard},
                {ID_ABOUT_APSTA, text.about},
                {ID_EXIT_APSTA, text.exit}};
    }
    return {{ID_LAUNCH_CONFIG_UTILITY, text.launch},
            {ID_SWITCH_TO_APSTA_MODE, text.toApStaMode},
            {ID_WIZARD_STATION, text.wizard},
            {ID_ABOUT_STATION, text.about},
            {ID_EXIT_STATION, text.exit}};
}

std::u16string TrayTipText(std::u16string_view text) {
    return CutWithoutSplittingPairs(text, kTrayTipMaxLength);
}

TrayControl::TrayControl(const ControlContext& context, TrayView& tray, const WlanClientState& wlanClient,
                         HostedNetworkControl& hostedNetwork)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      tray_(tray),
      state_(context.state),
      wlanClient_(wlanClient),
      hostedNetwork_(hostedNetwork) {}

bool TrayControl::AddTrayIcon() {
    const bool added = tray_.AddTrayIcon({.uid = ID_TRAY_ICON,
                                          .flags = kTrayAddFlags,
                                          .callbackMessage = WM_TRAY_NOTIFY,
                                          .iconResource = IDI_TRAY,
                                          .tip = kTrayFirstTip});
    state_.trayIconShown = state_.trayIconShown || added;
    return added;
}

void TrayControl::SetTrayTip(std::u16string_view text) {
    tray_.ModifyTrayTip(ID_TRAY_ICON, TrayTipText(text));
}

void TrayControl::UpdateTrayTip() {
    std::u16string tip;
    if (!state_.cardPresent) {
        tip = texts_.ShownText(kNoCardTrayTip);
        if (state_.wlanServiceMissing)
            tip += u"\n" + texts_.ShownText(kWlanServiceMissingNotice);
    } else if (!state_.radioOn) {
        tip = texts_.ShownText(kRadioOffTrayTip);
    } else if (state_.hostedNetwork.apMode) {
        tip = std::u16string(kApModeLabel) + u" : " + state_.hostedNetwork.desiredSsid;
    } else if (!StationTip(tip)) {
        return;
    }
    SetTrayTip(tip);
}

bool TrayControl::StationTip(std::u16string& tip) {
    if (!wlanClient_.interfaceGuidText)
        return false;
    const std::optional<Guid> card = GuidFromString(*wlanClient_.interfaceGuidText);
    if (!card)
        return false;
    WlanInterfaceQueryResult interfaceState;
    if (ports_.wlan.QueryInterface(state_.wlanHandle, *card, WlanIntfOpcode::kInterfaceState,
                                   interfaceState) != kWlanSuccess ||
        interfaceState.dataSize != sizeof(uint32_t))
        return false;
    if (interfaceState.value != static_cast<uint32_t>(WlanInterfaceState::kConnected)) {
        tip = texts_.ShownText(kDisconnectedTrayTip);
        return true;
    }
    WlanInterfaceQueryResult connection;
    if (ports_.wlan.QueryInterface(state_.wlanHandle, *card, WlanIntfOpcode::kCurrentConnection,
                                   connection) != kWlanSuccess)
        return false;
    tip = u" SSID : " + SsidText(connection.connection.ssid, ports_.codePage) + u" \n " +
          texts_.ShownText(kConnectedStatusLine) + u" ";
    return true;
}

void TrayControl::OnTrayNotify(uint32_t mouseMessage) {
    switch (mouseMessage) {
        case kWmMouseMove:
            UpdateTrayTip();
            break;
        case kWmLButtonDblClk:
            if (state_.cardPresent) {
                state_.shown = true;
                tray_.ShowMainWindow();
                tray_.BringMainWindowToForeground();
            }
            break;
        case kWmRButtonUp:
            ShowTrayMenu();
            break;
        default:
            break;
    }
}

void TrayControl::ShowTrayMenu() {
    tray_.TrackTrayMenu(TrayMenuItems(state_));
}

void TrayControl::OnTaskbarCreated() {
    AddTrayIcon();
}

bool TrayControl::OnTrayCommand(uint32_t commandId) {
    switch (commandId) {
        case ID_LAUNCH_CONFIG_UTILITY:
            OnLaunchConfigUtility();
            return true;
        case ID_SHOW_WINDOW:
            OnShowWindowCommand();
            return true;
        case ID_SWITCH_TO_APSTA_MODE:
            if (MenuOffers(commandId) && hostedNetwork_.ModeSwitchAllowed())
                hostedNetwork_.SwitchToApStaMode();
            return true;
        case ID_SWITCH_TO_STA_MODE:
            if (MenuOffers(commandId) && hostedNetwork_.ModeSwitchAllowed())
                hostedNetwork_.SwitchToStationMode();
            return true;
        case ID_ABOUT_STATION:
        case ID_ABOUT_APSTA:
        case ID_ABOUT_PLAIN:
            ShowAboutDialog();
            return true;
        case ID_EXIT_STATION:
            OnExitCommand(ExitVariant::kStation);
            return true;
        case ID_EXIT_APSTA:
            OnExitCommand(ExitVariant::kApSta);
            return true;
        case ID_EXIT_PLAIN:
            OnExitCommand(ExitVariant::kPlain);
            return true;
        case ID_WIZARD_STATION:
        case ID_WIZARD_APSTA:
            if (MenuOffers(commandId))
                tray_.RunSetupWizard();
            return true;
        default:
            return false;
    }
}

// Another program can post any command; the mode and wizard commands act only in the state whose menu
// offers them, as their items would.
bool TrayControl::MenuOffers(uint32_t commandId) const {
    return std::ranges::any_of(TrayMenuItems(state_),
                               [&](const TrayMenuItem& item) { return item.commandId == commandId; });
}

void TrayControl::OnLaunchConfigUtility() {
    ShowMainWindowInFront();
    if (!state_.radioOn)
        return;
    const bool apMode = state_.hostedNetwork.apMode;
    view_.ShowPage(apMode ? ContentPage::kApConfig : ContentPage::kLinkStatus);
    for (const ControlLook& look : ControlLooks(apMode ? ModeLook::kApSta : ModeLook::kStation)) {
        if (IsModeControl(look.controlId))
            view_.ApplyControlLook(look);
    }
}

void TrayControl::OnShowWindowCommand() {
    ShowMainWindowInFront();
}

// The dialog clears the flag when its window goes; clearing it here as well keeps the About dialog
// available after one that could not even be created.
void TrayControl::ShowAboutDialog() {
    if (IsAboutDialogOpen())
        return;
    SetAboutDialogOpen(true);
    tray_.RunAboutDialog();
    SetAboutDialogOpen(false);
}

void TrayControl::OnExitCommand(ExitVariant variant) {
    if (variant == ExitVariant::kStation) {
        tray_.CloseSetupWizard();
    } else if (variant == ExitVariant::kApSta && state_.wizardRunning) {
        tray_.CloseSetupWizard();
        state_.wizardRunning = false;
    }
    tray_.PostCloseToMainWindow();
}

void TrayControl::ShowMainWindowInFront() {
    if (tray_.IsMainWindowMinimized()) {
        tray_.RestoreMainWindow();
    } else {
        state_.shown = true;
        tray_.ShowMainWindow();
    }
    tray_.BringMainWindowToForeground();
    tray_.ActivateMainWindow();
}

}  // namespace aerowisp
