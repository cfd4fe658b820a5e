// The main window's control of the hosted network.
#include "core/hostednet/hosted_network_control.h"

#include <vector>

#include "core/app/external_programs.h"
#include "core/resource.h"
#include "core/hostednet/ap_input_rules.h"
#include "core/hostednet/service_text.h"
#include "core/settings/settings_operations.h"
#include "core/text/ascii_case.h"

namespace aerowisp {

HostedNetworkControl::HostedNetworkControl(const ModelPorts& ports, MainView& view, MainWindowState& state,
                                           ConnectionSharingControl& sharing)
    : ports_(ports), view_(view), state_(state), sharing_(sharing) {}

void HostedNetworkControl::PushSsid(const std::u16string& ssid) {
    Settings().appliedSsid = ssid;
    ports_.wlan.HostedNetworkSetConnectionSettings(state_.wlanHandle,
                                                   ConnectionSettingsFor(ssid, ports_.codePage));
}

void HostedNetworkControl::PushKey(const std::u16string& key) {
    Settings().appliedKey = key;
    // The secondary-key call takes passphrases only, so a 64-digit hexadecimal key goes through netsh.
    // Any other key, even one of 64 bytes in a multi-byte code page, goes to the WLAN service, which
    // refuses what it cannot use: only hexadecimal digits are safe on netsh's command line.
    if (IsHexKey(key)) {
        RunNetsh(ports_.processes, NetshKeyParameters(key));
        return;
    }
    ports_.wlan.HostedNetworkSetSecondaryKey(state_.wlanHandle, ports_.codePage.WideToAnsi(key), true, true);
}

void HostedNetworkControl::StartHostedNetwork(StartFallback fallback) {
    PushSsid(Settings().desiredSsid);
    PushKey(Settings().desiredKey);
    if (ports_.wlan.HostedNetworkStartUsing(state_.wlanHandle) != kWlanSuccess &&
        fallback == StartFallback::kForceStart) {
        ports_.wlan.HostedNetworkForceStart(state_.wlanHandle);
    }
    ArmStartGuard();
}

void HostedNetworkControl::ArmStartGuard() {
    Settings().startGuard = true;
    KillTimerIfSet(ports_.timers, Settings().guardTimer);
    Settings().guardTimer = ports_.timers.SetTimer(IDT_START_GUARD, kStartGuardPeriodMs);
}

void HostedNetworkControl::StopHostedNetwork() {
    ports_.wlan.HostedNetworkStopUsing(state_.wlanHandle);
    ports_.wlan.HostedNetworkForceStop(state_.wlanHandle);
}

void HostedNetworkControl::OnModeButton() {
    view_.EnableButton(IDC_MODE_BUTTON, false);
    if (Settings().apMode) {
        SwitchToStationMode();
    } else {
        SwitchToApStaMode();
    }
}

bool HostedNetworkControl::SwitchToApStaMode() {
    LoadApSettings();
    if (NeedsApSettingsDialog()) {
        ApSettingsAnswer answer = view_.RunExtendedApSettingsDialog();
        if (!answer.confirmed) {
            view_.EnableButton(IDC_MODE_BUTTON, true);
            return false;
        }
        Settings().desiredSsid = answer.ssid;
        Settings().desiredKey = answer.key;
    }
    SaveApSettings();
    ports_.wlan.HostedNetworkInitSettings(state_.wlanHandle);
    StartHostedNetwork(StartFallback::kForceStart);
    WriteCurrentMode(true);
    Settings().apMode = true;
    sharing_.ScanAdapters();
    ShowApConfigPage();
    ApplyLook(ModeLook::kApSta);
    StartSharingChosenConnection();
    view_.EnableButton(IDC_MODE_BUTTON, true);
    return true;
}

void HostedNetworkControl::SwitchToStationMode() {
    KillTimerIfSet(ports_.timers, state_.rediscoveryTimer);
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    KillTimerIfSet(ports_.timers, state_.radioOnStartTimer);
    view_.ClearAssociationList();
    CloseDhcpServer(ports_.processes);
    sharing_.StopConnectionSharing();
    StopHostedNetwork();
    WriteCurrentMode(false);
    view_.ShowPage(ContentPage::kLinkStatus);
    Settings().apMode = false;
    view_.EnableButton(IDC_MODE_BUTTON, true);
    ApplyLook(ModeLook::kStation);
}

void HostedNetworkControl::ApplyApConfig(const std::u16string& ssid, const std::u16string& key) {
    if (!EqualsIgnoringCaseAZ(ssid, Settings().desiredSsid)) {
        Settings().desiredSsid = ssid;
        Settings().desiredKey = key;
        StopHostedNetwork();
        StartHostedNetwork(StartFallback::kNone);
        SaveApSettings();
    } else if (!EqualsIgnoringCaseAZ(key, Settings().desiredKey)) {
        Settings().desiredKey = key;
        PushKey(key);
        SaveApSettings();
    }
    WriteCurrentMode(true);
    Settings().apMode = true;
}

void HostedNetworkControl::ApplyWizardNetwork() {
    if (!Settings().apMode) {
        Settings().wizardStart = true;
        ports_.wlan.HostedNetworkInitSettings(state_.wlanHandle);
        StartHostedNetwork(StartFallback::kNone);
    } else {
        if (!EqualsIgnoringCaseAZ(Settings().desiredSsid, Settings().appliedSsid)) {
            StopHostedNetwork();
            StartHostedNetwork(StartFallback::kNone);
        } else if (!EqualsIgnoringCaseAZ(Settings().desiredKey, Settings().appliedKey)) {
            PushKey(Settings().desiredKey);
        }
        WriteCurrentMode(true);
    }
    sharing_.ScanAdapters();
}

void HostedNetworkControl::ShowApStaLook() {
    ShowApConfigPage();
    ApplyLook(ModeLook::kApSta);
    view_.EnableButton(IDC_MODE_BUTTON, true);
    view_.EnableButton(IDC_ASSOC_LIST_BUTTON, true);
    view_.EnableButton(IDC_ADVANCED_BUTTON, true);
}

void HostedNetworkControl::AllowHostedNetwork() {
    ArmStartGuard();
    ports_.wlan.HostedNetworkSetEnable(state_.wlanHandle, true);
}

bool HostedNetworkControl::OnStartGuardTimer(TimerId id) {
    if (id == 0 || id != Settings().guardTimer)
        return false;
    KillTimerIfSet(ports_.timers, Settings().guardTimer);
    Settings().startGuard = false;
    return true;
}

void HostedNetworkControl::LoadApSettings() {
    SerializeApSettings(ports_.settings, state_.programFolder, true, Settings().desiredSsid,
                        Settings().desiredKey);
}

void HostedNetworkControl::SaveApSettings() {
    SerializeApSettings(ports_.settings, state_.programFolder, false, Settings().desiredSsid,
                        Settings().desiredKey);
}

void HostedNetworkControl::WriteCurrentMode(bool apMode) {
    WriteModeSetting(ports_.settings, kModeSelectorCurrentMode, apMode ? 1 : 0, 0);
}

// DuvaDI.ini is edited by hand as well, so what it holds is only used when it passes the rules typed
// input must pass; anything else counts as missing and the user is asked for both values. The file is
// rewritten only once the user has confirmed new ones.
bool HostedNetworkControl::NeedsApSettingsDialog() {
    return !IsUsableStoredApInput(Settings().desiredSsid, Settings().desiredKey, ports_.codePage);
}

void HostedNetworkControl::ShowApConfigPage() {
    view_.ShowPage(ContentPage::kApConfig);
    view_.FillApConfigPage(Settings().desiredSsid, Settings().desiredKey);
    view_.RestartApConfigPageTimer(IDT_AP_CONFIG_PAGE, kApConfigPageTimerPeriodMs);
}

void HostedNetworkControl::ApplyLook(ModeLook look) {
    for (const ControlLook& control : ControlLooks(look))
        view_.ApplyControlLook(control);
}

// The stored choice stands when the table still has that device; otherwise the first row is shared.
// With no adapters at all there is nothing to share: the choice is kept for a later start and sharing
// is not started.
void HostedNetworkControl::StartSharingChosenConnection() {
    const std::vector<AdapterRow>& rows = state_.adapters.rows;
    if (rows.empty())
        return;
    bool listed = false;
    for (const AdapterRow& row : rows) {
        if (EqualsIgnoringCaseAZ(state_.chosenConnection, row.deviceName)) {
            listed = true;
            break;
        }
    }
    if (state_.chosenConnection.empty() || !listed)
        state_.chosenConnection = rows.front().deviceName;
    sharing_.StartConnectionSharing();
}

}  // namespace aerowisp
