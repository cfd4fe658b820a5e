// The main window's control of the hosted network.
#include "core/hostednet/hosted_network_control.h"

#include <algorithm>
#include <vector>

#include "core/programs/external_programs.h"
#include "core/resource.h"
#include "core/hostednet/ap_input_rules.h"
#include "core/hostednet/service_text.h"
#include "core/ics/internet_connection.h"
#include "core/settings/settings_operations.h"
#include "core/text/ascii_case.h"

namespace aerowisp {

HostedNetworkControl::HostedNetworkControl(const ControlContext& context, ProblemReporter& problems,
                                           ConnectionSharingControl& sharing)
    : ports_(context.ports),
      view_(context.view),
      problems_(problems),
      state_(context.state),
      sharing_(sharing) {}

MaybeFailure HostedNetworkControl::PushSsid(const std::u16string& ssid) {
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    const WlanResult result = ports_.wlan.HostedNetworkSetConnectionSettings(
        state_.wlanHandle, ConnectionSettingsFor(ssid, ports_.codePage), &reason);
    if (result != kWlanSuccess)
        return HostedNetworkFailure{HostedNetworkStep::kSsid, result, reason};
    Settings().appliedSsid = ssid;
    return std::nullopt;
}

MaybeFailure HostedNetworkControl::PushKey(const std::u16string& key) {
    // The secondary-key call takes passphrases only, so a 64-digit hexadecimal key goes through netsh.
    // Any other key, even one of 64 bytes in a multi-byte code page, goes to the WLAN service, which
    // refuses what it cannot use: only hexadecimal digits are safe on netsh's command line. Whether netsh
    // then takes the key is not awaited; only a netsh.exe that could not be started is known.
    if (IsHexKey(key)) {
        if (!RunNetsh(ports_.processes, NetshKeyParameters(key)))
            return HostedNetworkFailure{HostedNetworkStep::kNetshKey, kWlanSuccess,
                                        HostedNetworkReason::kSuccess};
    } else {
        HostedNetworkReason reason = HostedNetworkReason::kSuccess;
        const WlanResult result = ports_.wlan.HostedNetworkSetSecondaryKey(
            state_.wlanHandle, ports_.codePage.WideToAnsi(key), true, true, &reason);
        if (result != kWlanSuccess)
            return HostedNetworkFailure{HostedNetworkStep::kKey, result, reason};
    }
    Settings().appliedKey = key;
    return std::nullopt;
}

// A network started with a name or key the service refused would run under the old ones, so nothing
// is started then. A refused start arms no guard: no virtual adapter comes up.
MaybeFailure HostedNetworkControl::StartHostedNetwork(StartFallback fallback) {
    if (MaybeFailure refused = PushSsid(Settings().desiredSsid))
        return refused;
    if (MaybeFailure refused = PushKey(Settings().desiredKey))
        return refused;
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    WlanResult result = ports_.wlan.HostedNetworkStartUsing(state_.wlanHandle, &reason);
    if (result != kWlanSuccess && fallback == StartFallback::kForceStart)
        result = ports_.wlan.HostedNetworkForceStart(state_.wlanHandle, &reason);
    if (result != kWlanSuccess)
        return HostedNetworkFailure{HostedNetworkStep::kStart, result, reason};
    ArmStartGuard();
    return std::nullopt;
}

void HostedNetworkControl::ArmStartGuard() {
    Settings().startGuard = true;
    KillTimerIfSet(ports_.timers, Settings().guardTimer);
    Settings().guardTimer = ports_.timers.SetTimer(IDT_START_GUARD, kStartGuardPeriodMs);
}

// StopUsing ends only this client's own use of the network, so whether it stops is ForceStop's to say;
// and a refused stop of a network that is not running (the radio went off, say) leaves nothing to tell.
MaybeFailure HostedNetworkControl::StopHostedNetwork() {
    ports_.wlan.HostedNetworkStopUsing(state_.wlanHandle, nullptr);
    HostedNetworkReason reason = HostedNetworkReason::kSuccess;
    const WlanResult result = ports_.wlan.HostedNetworkForceStop(state_.wlanHandle, &reason);
    if (result == kWlanSuccess)
        return std::nullopt;
    HostedNetworkStatus status;
    if (ports_.wlan.HostedNetworkQueryStatus(state_.wlanHandle, status) == kWlanSuccess &&
        status.state != HostedNetworkState::kActive) {
        return std::nullopt;
    }
    return HostedNetworkFailure{HostedNetworkStep::kStop, result, reason};
}

MaybeFailure HostedNetworkControl::StopApStaNetwork() {
    CloseApStaServices();
    return StopHostedNetwork();
}

bool HostedNetworkControl::ModeSwitchAllowed() const {
    return state_.cardPresent && state_.radioOn && !switching_;
}

void HostedNetworkControl::OnModeButton() {
    if (!ModeSwitchAllowed())
        return;
    view_.EnableButton(IDC_MODE_BUTTON, false);
    if (Settings().apMode) {
        SwitchToStationMode();
    } else {
        SwitchToApStaMode();
    }
}

// "Current Mode" is written only once the network runs: a refused start leaves it as it was, so a start
// the program makes on its own keeps 1 and tries again next time.
bool HostedNetworkControl::SwitchToApStaMode(SwitchOrigin origin) {
    switching_ = true;
    LoadApSettings();
    if (NeedsApSettingsDialog()) {
        ApSettingsAnswer answer = view_.RunExtendedApSettingsDialog();
        if (!answer.confirmed) {
            view_.EnableButton(IDC_MODE_BUTTON, true);
            switching_ = false;
            return false;
        }
        Settings().desiredSsid = answer.ssid;
        Settings().desiredKey = answer.key;
    }
    SaveApSettings();
    ports_.wlan.HostedNetworkInitSettings(state_.wlanHandle, nullptr);
    if (MaybeFailure refused = StartHostedNetwork(StartFallback::kForceStart)) {
        problems_.NoteProblem(*refused);
        ShowStationMode();
        switching_ = false;
        problems_.TellProblems(origin);
        return false;
    }
    WriteCurrentMode(true);
    Settings().apMode = true;
    sharing_.ScanAdapters();
    ShowApConfigPage();
    ApplyLook(ModeLook::kApSta);
    StartSharingChosenConnection();
    view_.EnableButton(IDC_MODE_BUTTON, true);
    switching_ = false;
    problems_.TellProblems(origin);
    return true;
}

void HostedNetworkControl::SwitchToStationMode() {
    switching_ = true;
    LeaveApStaMode();
    if (MaybeFailure refused = StopHostedNetwork()) {
        problems_.NoteProblem(*refused);
        view_.EnableButton(IDC_MODE_BUTTON, true);
    } else {
        WriteCurrentMode(false);
        ShowStationMode();
    }
    switching_ = false;
    problems_.TellProblems(SwitchOrigin::kUser);
}

bool HostedNetworkControl::ApplyApConfig(const std::u16string& ssid, const std::u16string& key) {
    bool accepted = true;
    if (ssid != Settings().desiredSsid) {
        const std::u16string previousSsid = Settings().desiredSsid;
        const std::u16string previousKey = Settings().desiredKey;
        Settings().desiredSsid = ssid;
        Settings().desiredKey = key;
        StopHostedNetwork();
        if (MaybeFailure refused = StartHostedNetwork(StartFallback::kNone)) {
            // A name or key the service refused is not kept; one it took is, for the next start.
            problems_.NoteProblem(*refused);
            if (refused->step == HostedNetworkStep::kStart) {
                SaveApSettings();
            } else {
                Settings().desiredSsid = previousSsid;
                Settings().desiredKey = previousKey;
            }
            LeaveApStaMode();
            ShowStationMode();
            problems_.TellProblems(SwitchOrigin::kUser);
            return false;
        }
        SaveApSettings();
    } else if (key != Settings().desiredKey) {
        // A refused key leaves the running network with the key it has.
        if (MaybeFailure refused = PushKey(key)) {
            problems_.NoteProblem(*refused);
            accepted = false;
        } else {
            Settings().desiredKey = key;
            SaveApSettings();
        }
    }
    WriteCurrentMode(true);
    Settings().apMode = true;
    problems_.TellProblems(SwitchOrigin::kUser);
    return accepted;
}

// A network the wizard started earlier in its run is treated like one running in AP+STA mode: a new name
// needs a restart, since a running network keeps the name it started with, and a new key is pushed as
// it is. It stays the wizard's to stop whatever the service says now, so the wizard-start flag is set
// once and never taken back while that network may run. Only AP+STA mode writes "Current Mode" and
// falls back to station mode when the restart is refused.
bool HostedNetworkControl::ApplyWizardNetwork() {
    bool applied = true;
    const bool apMode = Settings().apMode;
    if (!apMode && !Settings().wizardStart) {
        Settings().wizardStart = true;
        ports_.wlan.HostedNetworkInitSettings(state_.wlanHandle, nullptr);
        if (MaybeFailure refused = StartHostedNetwork(StartFallback::kNone)) {
            problems_.NoteProblem(*refused);
            Settings().wizardStart = false;
            applied = false;
        }
    } else if (Settings().desiredSsid != Settings().appliedSsid) {
        StopHostedNetwork();
        if (MaybeFailure refused = StartHostedNetwork(StartFallback::kNone)) {
            problems_.NoteProblem(*refused);
            if (apMode) {
                LeaveApStaMode();
                ShowStationMode();
            } else {
                // Nothing runs now under the name pushed, so the next pass starts the network whatever
                // its name.
                Settings().appliedSsid.clear();
            }
            applied = false;
        } else if (apMode) {
            WriteCurrentMode(true);
        }
    } else {
        if (Settings().desiredKey != Settings().appliedKey) {
            // The running network keeps the key it has, and so does the program.
            if (MaybeFailure refused = PushKey(Settings().desiredKey)) {
                problems_.NoteProblem(*refused);
                Settings().desiredKey = Settings().appliedKey;
                applied = false;
            }
        }
        if (apMode)
            WriteCurrentMode(true);
    }
    sharing_.ScanAdapters();
    problems_.TellProblems(SwitchOrigin::kUser);
    return applied;
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
    ports_.wlan.HostedNetworkSetEnable(state_.wlanHandle, true, nullptr);
}

bool HostedNetworkControl::OnStartGuardTimer(TimerId id) {
    if (id == 0 || id != Settings().guardTimer)
        return false;
    KillTimerIfSet(ports_.timers, Settings().guardTimer);
    Settings().startGuard = false;
    return true;
}

void HostedNetworkControl::LoadApSettings() {
    ApSettings{ports_.settings, state_.programFolder, Settings().desiredSsid, Settings().desiredKey}.Load();
}

void HostedNetworkControl::SaveApSettings() {
    if (!ApSettings{ports_.settings, state_.programFolder, Settings().desiredSsid, Settings().desiredKey}
             .Save()) {
        problems_.NoteProblem(kIniSaveFailedMessage);
    }
}

void HostedNetworkControl::WriteCurrentMode(bool apMode) {
    if (!WriteModeSetting(ports_.settings, kModeSelectorCurrentMode, apMode ? 1 : 0, 0))
        problems_.NoteProblem(kRegistrySaveFailedMessage);
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
    view_.RestartPageTimer(ContentPage::kApConfig, IDT_AP_CONFIG_PAGE, kApConfigPageTimerPeriodMs);
}

void HostedNetworkControl::ApplyLook(ModeLook look) {
    for (const ControlLook& control : ControlLooks(look))
        view_.ApplyControlLook(control);
}

void HostedNetworkControl::LeaveApStaMode() {
    KillTimerIfSet(ports_.timers, state_.rediscoveryTimer);
    KillTimerIfSet(ports_.timers, state_.dhcpLaunchTimer);
    KillTimerIfSet(ports_.timers, state_.radioOnStartTimer);
    view_.ClearAssociationList();
    CloseApStaServices();
}

void HostedNetworkControl::CloseApStaServices() {
    CloseDhcpServer(ports_.processes, state_.programFolder);
    if (!sharing_.StopConnectionSharing())
        problems_.NoteProblem(kIcsStopFailedMessage);
}

void HostedNetworkControl::ShowStationMode() {
    view_.ShowPage(ContentPage::kLinkStatus);
    Settings().apMode = false;
    view_.EnableButton(IDC_MODE_BUTTON, true);
    ApplyLook(ModeLook::kStation);
}

// The stored choice stands when the table still has that device; otherwise the connection the routing
// table sends Internet traffic through is shared, else the first row (which may be a virtual machine's or
// a Bluetooth adapter). With no adapters at all there is nothing to share: the choice is kept for a later
// start and sharing is not started.
void HostedNetworkControl::StartSharingChosenConnection() {
    const std::vector<AdapterRow>& rows = state_.adapters.rows;
    if (rows.empty())
        return;
    const bool listed = std::ranges::any_of(rows, [&](const AdapterRow& row) {
        return EqualsIgnoringCaseAZ(state_.chosenConnection, row.deviceName);
    });
    if (state_.chosenConnection.empty() || !listed)
        state_.chosenConnection = rows[InternetConnectionRow(ports_.adapters, rows)].deviceName;
    if (!sharing_.StartConnectionSharing())
        problems_.NoteProblem(kIcsStartFailedMessage, sharing_.FailureDetail());
}

}  // namespace aerowisp
