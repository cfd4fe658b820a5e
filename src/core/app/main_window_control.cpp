// The main window's own operations.
#include "core/app/main_window_control.h"

#include "core/resource.h"
#include "core/looks/start_looks.h"
#include "core/lang/language_strings.h"
#include "core/settings/settings_operations.h"

namespace aerowisp {
namespace {

// Without a card only button 1003 stays usable: it shows the About page.
constexpr uint32_t kDisabledWithoutCard[] = {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON,
                                             IDC_ADVANCED_BUTTON,    IDC_RADIO_BUTTON,
                                             IDC_STA_AP_BUTTON,      IDC_MODE_BUTTON};

// The ICS page's rows: one per adapter of the table, with its device and connection names.
std::vector<ConnectionListRow> AdapterRows(const AdapterTable& table) {
    std::vector<ConnectionListRow> rows;
    for (const AdapterRow& adapter : table.rows)
        rows.push_back({adapter.deviceName, adapter.connectionName});
    return rows;
}

}  // namespace

MainWindowControl::MainWindowControl(const ControlContext& context, TrayView& tray,
                                     HostedNetworkControl& hostedNetwork, ConnectionSharingControl& sharing,
                                     const WlanClientState& wlanClient)
    : ports_(context.ports),
      view_(context.view),
      tray_(tray),
      texts_(context.texts),
      state_(context.state),
      hostedNetwork_(hostedNetwork),
      sharing_(sharing),
      wlanClient_(wlanClient) {}

void MainWindowControl::LoadTrayMenuTexts() {
    TrayMenuTexts& texts = state_.trayMenu;
    texts.launch = texts_.TextFromKey(kTrayMenuLaunch);
    texts.toStationMode = texts_.TextFromKey(kTrayMenuToStationMode);
    texts.wizard = texts_.TextFromKey(kTrayMenuWizard);
    texts.about = texts_.TextFromKey(kTrayMenuAbout);
    texts.exit = texts_.TextFromKey(kTrayMenuExit);
    texts.toApStaMode = texts_.TextFromKey(kTrayMenuToApStaMode);
}

void MainWindowControl::LoadStoredSettings() {
    state_.chosenConnection = ReadIcsCardName(ports_.settings);
    ApSettings{ports_.settings, state_.programFolder, state_.hostedNetwork.desiredSsid,
               state_.hostedNetwork.desiredKey}
        .Load();
}

// "Current Mode" holds 0 or 1 when the program wrote it; any other value starts station mode, though it
// still picks the AP+STA faces and look of the mode button as every value but 0 does.
void MainWindowControl::SetUpButtons() {
    SetUpButton(IDC_LINK_STATUS_BUTTON, kLinkStatusFaces,
                ModeLookOf(ModeLook::kStation, IDC_LINK_STATUS_BUTTON));
    SetUpButton(IDC_ASSOC_LIST_BUTTON, kAssocListFaces, AssocListLook());

    uint32_t storedMode = 0;
    uint32_t radio = 1;
    ReadModeSetting(ports_.settings, kModeSelectorCurrentMode, storedMode, radio);
    ReadModeSetting(ports_.settings, kModeSelectorRadioState, storedMode, radio);
    // Any non-zero "Current Mode" means AP+STA mode, as the settings store reads it; a value such as 7
    // from a hand-edited registry must not leave the flag neither station nor AP+STA.
    state_.hostedNetwork.apMode = storedMode != 0 && state_.cardPresent;
    state_.radioOn = radio == 1;
    EnableApStaButtons(state_.hostedNetwork.apMode);

    SetUpButton(IDC_ICS_BUTTON, kIcsFaces, ModeLookOf(ModeLook::kStation, IDC_ICS_BUTTON));
    SetUpButton(IDC_RADIO_BUTTON, kRadioFaces, RadioButtonLook(state_.radioOn));
    if (!state_.radioOn)
        state_.hostedNetwork.apMode = false;

    const ModeLook storedLook = storedMode == 0 ? ModeLook::kStation : ModeLook::kApSta;
    SetUpButton(IDC_MODE_BUTTON, storedMode == 0 ? kModeStationFaces : kModeApStaFaces,
                ModeLookOf(storedLook, IDC_MODE_BUTTON));
    if (storedMode == 0)
        view_.FrameModePicture();
    view_.ApplyControlLook(ModeLookOf(storedLook, IDC_MODE_PICTURE));
}

void MainWindowControl::ShowStartPage() {
    if (wlanClient_.interfaces && !wlanClient_.interfaces->interfaces.empty()) {
        view_.ShowPage(state_.hostedNetwork.apMode ? ContentPage::kApConfig : ContentPage::kLinkStatus);
        return;
    }
    state_.cardPresent = false;
    view_.ShowPage(ContentPage::kAbout);
    for (uint32_t control : kDisabledWithoutCard)
        view_.EnableButton(control, false);
}

// A start the user cancels in the Extended AP Settings dialog, or the service refuses, stays in station
// mode, and looks it.
void MainWindowControl::StartInStoredMode() {
    if (!state_.radioOn)
        EnableControlsForRadio(false);
    if (state_.hostedNetwork.apMode && !hostedNetwork_.SwitchToApStaMode(SwitchOrigin::kRestore))
        hostedNetwork_.ShowStationMode();
    state_.showRequestTimer = ports_.timers.SetTimer(IDT_SHOW_REQUEST, kShowRequestPeriodMs);
    state_.trayReaddTimer = ports_.timers.SetTimer(IDT_TRAY_READD, kTrayReaddPeriodMs);
    state_.trayReaddCount = 0;
}

void MainWindowControl::OnLinkStatusButton() {
    view_.ShowPage(state_.hostedNetwork.apMode ? ContentPage::kApConfig : ContentPage::kLinkStatus);
}

void MainWindowControl::OnAssocListButton() {
    if (!state_.hostedNetwork.apMode)
        return;
    view_.ShowPage(ContentPage::kAssociationList);
    view_.RestartPageTimer(ContentPage::kAssociationList, IDT_ASSOC_LIST_REFRESH, kAssocListRefreshPeriodMs);
}

void MainWindowControl::OnIcsButton() {
    if (state_.hostedNetwork.apMode) {
        sharing_.ScanAdapters();
        view_.ShowPage(ContentPage::kIcs);
        view_.FillConnectionList(ConnectionListFor(AdapterRows(state_.adapters), state_.chosenConnection));
        return;
    }
    view_.ShowPage(ContentPage::kAbout);
    view_.RefreshVersionInfo(AboutPageDeviceName(state_, wlanClient_, texts_));
}

void MainWindowControl::EnableControlsForRadio(bool radioOn) {
    view_.EnableButton(IDC_LINK_STATUS_BUTTON, radioOn);
    EnableApStaButtons(radioOn && state_.hostedNetwork.apMode);
    view_.EnableButton(IDC_ICS_BUTTON, radioOn);
    view_.EnableButton(IDC_RADIO_BUTTON, true);
    view_.EnableButton(IDC_STA_AP_BUTTON, radioOn);
    view_.EnableButton(IDC_MODE_BUTTON, radioOn);
    view_.EnableButton(IDC_MODE_PICTURE, radioOn);
}

void MainWindowControl::HideMainWindow() {
    state_.shown = false;
    state_.wizardShowAgain = false;
    if (state_.wizardRunning) {
        tray_.CloseSetupWizard();
        state_.wizardRunning = false;
    }
    view_.HideToTray();
}

void MainWindowControl::SetUpButton(uint32_t controlId, const ButtonFaces& faces, const ControlLook& look) {
    view_.SetButtonFaces(controlId, faces);
    view_.ApplyControlLook(look);
}

void MainWindowControl::EnableApStaButtons(bool enable) {
    view_.EnableButton(IDC_ASSOC_LIST_BUTTON, enable);
    view_.EnableButton(IDC_ADVANCED_BUTTON, enable);
}

}  // namespace aerowisp
