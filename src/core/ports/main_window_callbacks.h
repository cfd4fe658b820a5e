// The main window's operations that its timers, tray and device events start but that live with the
// main window and its WLAN client; the model binds them when it builds those parts.
#pragma once

#include <functional>
#include <string_view>

namespace aerowisp {

struct MainWindowCallbacks {
    // Enumerates the interfaces again and chooses the card; sets the card-present flag.
    std::function<void(bool allowDialog)> discoverInterface;
    // Whether a card with `description` is listed now; sets the card-present flag to the answer.
    std::function<bool(std::u16string_view description)> isSelectedCardPresent;
    std::function<void(bool radioOn)> enableControlsForRadio;
    // Hides the main window to the notification area, closing an open setup wizard.
    std::function<void()> hideMainWindow;
};

}  // namespace aerowisp
