// The main window's Wizard command: hides the window, runs the setup wizard, and applies its result or
// undoes what the wizard changed on the way.
#pragma once

#include <string>

#include "core/ports/control_context.h"
#include "core/ports/tray_view.h"
#include "core/hostednet/hosted_network_control.h"
#include "core/hostednet/problem_reporter.h"
#include "core/ics/connection_sharing_control.h"
#include "core/wizard/wizard_session.h"

namespace aerowisp {

// Port: the wizard's window, run modally. Implementations: SetupWizardRunner (src/win/wizard, the
// CWizardSheet the main window runs), ScriptedWizard (tests/core/support), which plays a user's clicks.
class WizardSheetRunner {
  public:
    virtual ~WizardSheetRunner() = default;
    // Shows the sheet over `session` until it ends; true when the user pressed Finish. Cancel, the close
    // box and a close command from outside all end it cancelled.
    virtual bool RunWizardSheet(WizardSession& session) = 0;
};

class SetupWizardControl final : public WizardHost {
  public:
    SetupWizardControl(const ControlContext& context, TrayView& tray, HostedNetworkControl& hostedNetwork,
                       ProblemReporter& problems, ConnectionSharingControl& sharing);
    SetupWizardControl(const SetupWizardControl&) = delete;
    SetupWizardControl& operator=(const SetupWizardControl&) = delete;

    // The tray's Wizard commands. Does nothing while a wizard runs. On Finish on the create path the
    // name, key and connection are taken, the AP+STA look shown, the mode stored, DuvaDI.ini written
    // and sharing started, in that order. Cancel and the join path stop a network the wizard started
    // and give the name and key back; a running network the key page changed gets its old name and key
    // pushed again. Finish after the service refused the key page's apply counts as Cancel, so the mode,
    // the look and DuvaDI.ini never claim a network that does not run.
    void RunSetupWizard(WizardSheetRunner& sheet);

    // WizardHost.
    void ApplyWizardNetwork(const std::u16string& ssid, const std::u16string& key) override;
    ConnectionListFill WizardConnections() override;

  private:
    void ApplyCreatedAccessPoint(const WizardData& data);
    // Gives the desired name and key their values from before the run; true when they had changed.
    bool RestoreKeptNetwork(const std::u16string& ssid, const std::u16string& key);

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    TrayView& tray_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    ProblemReporter& problems_;
    ConnectionSharingControl& sharing_;
    // The key page's last apply was taken by the service.
    bool networkApplied_ = false;
};

}  // namespace aerowisp
