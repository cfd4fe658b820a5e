// The main window's own operations: its initialisation's decisions (the stored mode and radio, the
// buttons' first looks, the first page), the page buttons, the enabling for the radio state and the
// hiding to the notification area.
#pragma once

#include <cstdint>

#include "core/hostednet/hosted_network_control.h"
#include "core/ports/control_context.h"
#include "core/ports/tray_view.h"
#include "core/hostednet/wlan_client.h"
#include "core/ics/connection_sharing_control.h"

namespace aerowisp {

class MainWindowControl {
  public:
    MainWindowControl(const ControlContext& context, TrayView& tray, HostedNetworkControl& hostedNetwork,
                      ConnectionSharingControl& sharing, const WlanClientState& wlanClient);
    MainWindowControl(const MainWindowControl&) = delete;
    MainWindowControl& operator=(const MainWindowControl&) = delete;

    // ---- Initialisation, in the order the main window runs these ----

    // The six tray menu texts: the language file's, or the English ones.
    void LoadTrayMenuTexts();
    // The shared connection ("ICS CardName") and the hosted network's name and key (DuvaDI.ini).
    void LoadStoredSettings();
    // Gives the buttons and the mode picture their faces and first looks, reading the stored mode and
    // radio state on the way. The stored mode becomes the AP mode, except without a card or with the
    // radio off; the mode button and picture show the stored mode all the same.
    void SetUpButtons();
    // The first content page: the mode's page, or without a listed card the About page with every button
    // but 1003 disabled.
    void ShowStartPage();
    // Applies the radio state and the AP mode restored by SetUpButtons, then starts the status timers.
    void StartInStoredMode();

    // ---- Page buttons ----

    // 1000: the AP configuration page in AP+STA mode, else the link status page.
    void OnLinkStatusButton();
    // 1001: in AP+STA mode only, the association list page with its refresh timer restarted.
    void OnAssocListButton();
    // 1003: in AP+STA mode the ICS page over a fresh adapter scan, else the About page, refreshed.
    void OnIcsButton();

    // Enables the buttons the radio state allows (and their tooltips), disables the others.
    void EnableControlsForRadio(bool radioOn);
    // Hides the main window to the notification area, closing an open setup wizard.
    void HideMainWindow();

  private:
    void SetUpButton(uint32_t controlId, const ButtonFaces& faces, const ControlLook& look);
    void EnableApStaButtons(bool enable);

    ModelPorts ports_;
    MainView& view_;
    TrayView& tray_;
    const LanguageTexts& texts_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    ConnectionSharingControl& sharing_;
    const WlanClientState& wlanClient_;
};

}  // namespace aerowisp
