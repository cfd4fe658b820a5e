// The main window's WLAN client: the one client handle, the wireless card it chose among the interfaces
// the service lists, and whether that card is still there.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "core/hostednet/hosted_network_control.h"
#include "core/lang/language_texts.h"
#include "core/ports/main_view.h"
#include "core/state/main_window_state.h"
#include "core/ports/model_ports.h"
#include "core/platform/wlan_types.h"

namespace aerowisp {

// What the program knows of the chosen card. The client handle and the card-present flag are the main
// window's (MainWindowState::wlanHandle and cardPresent), which every WLAN operation of the program reads.
struct WlanClientState {
    // The interfaces of the last discovery; nothing after a failed enumeration and after the close.
    std::optional<WlanInterfaceList> interfaces;
    // The chosen card's interface GUID in UuidToStringW's form; nothing until a discovery finds a card.
    // The radio, the link status and the tray tip convert it back for every query.
    std::optional<std::u16string> interfaceGuidText;
    // The chosen card's description: how the card is recognised again, and the About page's device name.
    std::u16string cardDescription;
    // The entry taken with OK in the selection dialog.
    size_t selectedIndex = 0;
};

// The About page's device name: the chosen card's description or, where Windows has no WLAN service and
// so no card was ever found, the sentence saying so.
std::u16string AboutPageDeviceName(const MainWindowState& state, const WlanClientState& client,
                                   const LanguageTexts& texts);

class WlanClient {
  public:
    WlanClient(const ModelPorts& ports, MainView& view, MainWindowState& state,
               HostedNetworkControl& hostedNetwork);
    WlanClient(const WlanClient&) = delete;
    WlanClient& operator=(const WlanClient&) = delete;

    WlanClientState& State() { return client_; }
    const WlanClientState& State() const { return client_; }

    // Opens the client handle when none is open, lists the interfaces and chooses the card: the only one,
    // or with several the one the user picks when `allowDialog` (else, and when the dialog is closed, the
    // first). After every successful enumeration, even an empty one, the hosted network is allowed. A
    // failed enumeration only marks the card absent; what was known of the card stays.
    void DiscoverInterface(bool allowDialog);

    // Whether an interface with `description` (A-Z case ignored) is listed now; sets the card-present
    // flag to the answer. An empty description is absent without asking the service. The stored list,
    // GUID text and choice stay as they are.
    bool IsSelectedCardPresent(std::u16string_view description);

    // The close clean-up: closes the client handle once and forgets the interface list.
    void CloseClient();

  private:
    // The entry to take among several interfaces.
    size_t ChooseAmong(const WlanInterfaceList& list, bool allowDialog);

    ModelPorts ports_;
    MainView& view_;
    MainWindowState& state_;
    HostedNetworkControl& hostedNetwork_;
    WlanClientState client_;
};

}  // namespace aerowisp
