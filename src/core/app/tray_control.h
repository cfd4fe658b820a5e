// The notification-area icon: adding it, its tip built from the state, the mouse on it, the pop-up
// menus of the four states and every menu command.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/hostednet/hosted_network_control.h"
#include "core/ports/control_context.h"
#include "core/ports/tray_view.h"
#include "core/hostednet/wlan_client.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"

namespace aerowisp {

// The flags of the icon's add (NIF_MESSAGE | NIF_ICON | NIF_TIP).
inline constexpr uint32_t kTrayAddFlags = 7;
// The tip until the mouse first moves over the icon.
inline constexpr char16_t kTrayFirstTip[] = u" ";
// szTip holds 128 characters with its terminator.
inline constexpr size_t kTrayTipMaxLength = 127;

// Explorer broadcasts this registered message when it (re)creates the taskbar; every icon it had is gone.
inline constexpr char16_t kTaskbarCreatedMessage[] = u"TaskbarCreated";

// The mouse messages the icon's callback carries in lParam.
inline constexpr uint32_t kWmMouseMove = 0x200;
inline constexpr uint32_t kWmLButtonDblClk = 0x203;
inline constexpr uint32_t kWmRButtonUp = 0x205;

// Which menu's Exit was chosen: they differ in how they close an open setup wizard first.
enum class ExitVariant { kStation, kApSta, kPlain };

// The menu for the state, tested in this order: no card; radio off; AP+STA mode; station mode.
std::vector<TrayMenuItem> TrayMenuItems(const MainWindowState& state);

// The tip as szTip takes it: the first 127 characters. A cut that would leave half of a surrogate pair
// drops that half too.
std::u16string TrayTipText(std::u16string_view text);

class TrayControl {
  public:
    TrayControl(const ControlContext& context, TrayView& tray, const WlanClientState& wlanClient,
                HostedNetworkControl& hostedNetwork);
    TrayControl(const TrayControl&) = delete;
    TrayControl& operator=(const TrayControl&) = delete;

    // True when the shell took the icon; adding one that exists fails.
    bool AddTrayIcon();
    void SetTrayTip(std::u16string_view text);
    // The tip for the state: no card, radio off, AP+STA mode with the network name, or the station's
    // connection. A station query that fails leaves the tip as it was.
    void UpdateTrayTip();
    // The icon's callback message with the mouse message it carries.
    void OnTrayNotify(uint32_t mouseMessage);
    void ShowTrayMenu();
    // Explorer restarted: the icon is added again, or the program could not be reached any more.
    void OnTaskbarCreated();

    // A tray menu command (also posted by a second copy of the program): false when `commandId` is none.
    bool OnTrayCommand(uint32_t commandId);
    // Shows the main window (restoring it when minimised) in front with the look of the mode.
    void OnLaunchConfigUtility();
    // Shows the main window in front, nothing else.
    void OnShowWindowCommand();
    // Runs the About dialog unless one is open already.
    void ShowAboutDialog();
    void OnExitCommand(ExitVariant variant);

  private:
    bool MenuOffers(uint32_t commandId) const;
    // Station mode: the card's connection state; false when a query failed and the tip is to stay.
    bool StationTip(std::u16string& tip);
    void ShowMainWindowInFront();

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    TrayView& tray_;
    MainWindowState& state_;
    const WlanClientState& wlanClient_;
    HostedNetworkControl& hostedNetwork_;
};

}  // namespace aerowisp
