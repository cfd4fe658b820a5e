// The main window's model.
#include "core/app/main_window_model.h"

#include <utility>

#include "core/lang/language_choice.h"

namespace aerowisp {

MainWindowModel::MainWindowModel(const ModelPorts& ports, MainView& view, TrayView& tray)
    : ports_(ports),
      view_(view),
      trayView_(tray),
      texts_(ports.files, ports.codePage),
      problems_(view, tray, texts_),
      context_{ports_, view, texts_, state_},
      sharing_(context_, tray),
      hostedNetwork_(context_, problems_, sharing_),
      wlanClient_(ports, view, state_, hostedNetwork_),
      window_(context_, tray, hostedNetwork_, sharing_, wlanClient_.State()),
      pages_(context_, hostedNetwork_, problems_, sharing_, wlanClient_.State()),
      callbacks_{
          .discoverInterface = [this](bool allowDialog) { DiscoverInterface(allowDialog); },
          .isSelectedCardPresent = [this](std::u16string_view card) { return IsSelectedCardPresent(card); },
          .enableControlsForRadio = [this](bool radioOn) { window_.EnableControlsForRadio(radioOn); },
          .hideMainWindow = [this] { window_.HideMainWindow(); }},
      tray_(context_, tray, wlanClient_.State(), hostedNetwork_),
      stationWatch_(ports, texts_, tray, state_),
      statusTimers_(context_, hostedNetwork_, problems_, tray_, callbacks_),
      deviceEvents_(ports, view, state_, wlanClient_.State(), hostedNetwork_, callbacks_),
      radio_(context_, hostedNetwork_, problems_, wlanClient_.State(), callbacks_),
      wizard_(context_, tray, hostedNetwork_, problems_, sharing_) {}

void MainWindowModel::OnInitDialog(std::u16string programFolder) {
    if (!tray_.AddTrayIcon())
        tray_.AddTrayIcon();
    state_.programFolder = std::move(programFolder);
    ChooseLanguageFile(ports_.settings, state_.programFolder);
    window_.LoadTrayMenuTexts();
    view_.ApplyLanguageToWindow();
    window_.LoadStoredSettings();
    DiscoverInterface(true);
    window_.SetUpButtons();
    view_.CreateContentPages();
    pages_.StartLinkStatusTimer();
    window_.ShowStartPage();
    view_.RefreshVersionInfo(AboutPageDeviceName(state_, wlanClient_.State(), texts_));
    window_.StartInStoredMode();
    stationWatch_.Start();
}

bool MainWindowModel::OnNcPaint() {
    // The marker is looked at (and deleted) on every paint, as ever; the switch, like a found marker,
    // asks once.
    const bool markerFound = IsStartHiddenRequested(ports_.settings, ports_.processes, state_.programFolder);
    const bool switchGiven = std::exchange(startHiddenBySwitch_, false);
    const bool hideRequested = markerFound || switchGiven;
    return startHiddenAllowance_.ShouldHide(hideRequested, state_.cardPresent);
}

void MainWindowModel::OnClose() {
    view_.ClearAssociationList();
    if (state_.hostedNetwork.apMode) {
        if (MaybeFailure refused = hostedNetwork_.StopApStaNetwork())
            problems_.NoteProblem(*refused);
        problems_.TellProblems(SwitchOrigin::kUser);
    }
    wlanClient_.CloseClient();
    view_.RemoveTrayIcon();
    state_.trayIconShown = false;
}

// Until the notification-area icon exists a hidden window could not be brought back, so the close box
// and Esc end the program through the close clean-up instead of hiding the window.
void MainWindowModel::OnCloseBox() {
    if (state_.trayIconShown) {
        window_.HideMainWindow();
    } else {
        trayView_.PostCloseToMainWindow();
    }
}

}  // namespace aerowisp
