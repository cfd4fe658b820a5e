// The setup wizard's run and the application of its result.
#include "core/wizard/setup_wizard_control.h"

#include "core/ics/connection_list.h"
#include "core/settings/settings_operations.h"

namespace aerowisp {

SetupWizardControl::SetupWizardControl(const ControlContext& context, TrayView& tray,
                                       HostedNetworkControl& hostedNetwork, ProblemReporter& problems,
                                       ConnectionSharingControl& sharing)
    : ports_(context.ports),
      view_(context.view),
      texts_(context.texts),
      tray_(tray),
      state_(context.state),
      hostedNetwork_(hostedNetwork),
      problems_(problems),
      sharing_(sharing) {}

void SetupWizardControl::RunSetupWizard(WizardSheetRunner& sheet) {
    if (state_.wizardRunning)
        return;
    HostedNetworkSettings& hosted = state_.hostedNetwork;
    const bool savedShown = state_.shown;
    state_.wizardRunning = true;
    state_.shown = false;
    state_.wizardShowAgain = true;
    view_.HideToTray();
    const std::u16string keptSsid = hosted.desiredSsid;
    const std::u16string keptKey = hosted.desiredKey;

    WizardSession session(WizardData{1, hosted.desiredSsid, hosted.desiredKey, {}, {}}, this,
                          ports_.codePage);
    networkApplied_ = false;
    const bool finished = sheet.RunWizardSheet(session);
    const WizardData& data = session.Data();
    const bool join = finished && data.opMode == 0;
    if (finished && !join && networkApplied_) {
        ApplyCreatedAccessPoint(data);
    } else if (hosted.wizardStart) {
        hostedNetwork_.StopHostedNetwork();
        RestoreKeptNetwork(keptSsid, keptKey);
        if (join && hosted.apMode)
            hostedNetwork_.SwitchToStationMode();
    } else if (join) {
        // Joining leaves AP+STA mode; a name and key the key page gave the running network go with it.
        RestoreKeptNetwork(keptSsid, keptKey);
        if (hosted.apMode)
            hostedNetwork_.SwitchToStationMode();
    } else if (RestoreKeptNetwork(keptSsid, keptKey) && hosted.apMode) {
        // Cancelled, or finished after the service refused the key page's name or key (the user was
        // told): the running network gets back the name and key DuvaDI.ini holds, or the next start
        // would quietly change it.
        hostedNetwork_.ApplyWizardNetwork();
    }

    hosted.wizardStart = false;
    state_.wizardRunning = false;
    if (savedShown && state_.wizardShowAgain) {
        state_.shown = true;
        tray_.ShowMainWindow();
    }
}

void SetupWizardControl::ApplyWizardNetwork(const std::u16string& ssid, const std::u16string& key) {
    state_.hostedNetwork.desiredSsid = ssid;
    state_.hostedNetwork.desiredKey = key;
    networkApplied_ = hostedNetwork_.ApplyWizardNetwork();
}

ConnectionListFill SetupWizardControl::WizardConnections() {
    std::vector<ConnectionListRow> rows;
    for (const AdapterRow& adapter : state_.adapters.rows)
        rows.push_back({adapter.deviceName, adapter.connectionName});
    return ConnectionListFor(std::move(rows), state_.chosenConnection);
}

void SetupWizardControl::ApplyCreatedAccessPoint(const WizardData& data) {
    HostedNetworkSettings& hosted = state_.hostedNetwork;
    hosted.desiredSsid = data.ssid;
    hosted.desiredKey = data.key;
    state_.chosenConnection = data.deviceName;
    hostedNetwork_.ShowApStaLook();
    hosted.apMode = true;
    if (!WriteModeSetting(ports_.settings, kModeSelectorCurrentMode, 1, 0))
        view_.ShowMessage(texts_.TextFromKey(kRegistrySaveFailedMessage));
    if (!ApSettings{ports_.settings, state_.programFolder, hosted.desiredSsid, hosted.desiredKey}.Save())
        view_.ShowMessage(texts_.TextFromKey(kIniSaveFailedMessage));
    if (!sharing_.StartConnectionSharing()) {
        problems_.NoteProblem(kIcsStartFailedMessage, sharing_.FailureDetail());
        problems_.TellProblems(SwitchOrigin::kUser);
    }
}

bool SetupWizardControl::RestoreKeptNetwork(const std::u16string& ssid, const std::u16string& key) {
    HostedNetworkSettings& hosted = state_.hostedNetwork;
    if (hosted.desiredSsid == ssid && hosted.desiredKey == key)
        return false;
    hosted.desiredSsid = ssid;
    hosted.desiredKey = key;
    return true;
}

}  // namespace aerowisp
