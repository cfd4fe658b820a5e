// Port: what the main window model shows and asks through the main window and its pages.
// Implementations: CHotlynxDlg (src/win/app), RecordingMainView (tests/core/support).
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/looks/control_looks.h"
#include "core/looks/start_looks.h"
#include "core/hostednet/association_list.h"
#include "core/hostednet/link_status.h"
#include "core/ics/connection_list.h"

namespace aerowisp {

// The five content pages of the main window.
enum class ContentPage { kLinkStatus, kApConfig, kAssociationList, kIcs, kAbout };

// The Extended AP Settings dialog's answer; `ssid` and `key` have passed ValidateApInput when confirmed.
struct ApSettingsAnswer {
    bool confirmed = false;
    std::u16string ssid;
    std::u16string key;
};

class MainView {
  public:
    virtual ~MainView() = default;

    // Makes `page` the current content page (hiding the previous one); nothing when it already is.
    virtual void ShowPage(ContentPage page) = 0;
    virtual void ApplyControlLook(const ControlLook& look) = 0;
    // Enables or disables a button and activates or deactivates its tooltip with it.
    virtual void EnableButton(uint32_t controlId, bool enable) = 0;
    // Loads a picture button's four faces and sizes the button to its normal face.
    virtual void SetButtonFaces(uint32_t controlId, const ButtonFaces& faces) = 0;
    // The mode picture centres its icons in the rectangle it has now, rather than shrinking to them.
    virtual void FrameModePicture() = 0;
    // Enables the main window, deactivates it and hides it: it lives on in the notification area.
    virtual void HideToTray() = 0;

    // Runs the Extended AP Settings dialog modally, owned by the main window.
    virtual ApSettingsAnswer RunExtendedApSettingsDialog() = 0;
    // Runs the "Select a Wireless LAN card" dialog modally, owned by the main window, listing
    // `descriptions` in order with the first selected: the index taken with OK, or nothing when the dialog
    // was closed.
    virtual std::optional<size_t> RunSelectCardDialog(const std::vector<std::u16string>& descriptions) = 0;

    // The AP configuration page: SSID box := ssid, key and confirmation boxes := key.
    virtual void FillApConfigPage(const std::u16string& ssid, const std::u16string& key) = 0;
    // The AP configuration page's BSSID label; the boxes keep what they hold.
    virtual void SetApConfigBssid(const std::u16string& bssid) = 0;
    // Starts a page's own timer on the page's window, killing the one running there first. Its ticks go
    // to the PageRequests the pages were created with.
    virtual void RestartPageTimer(ContentPage page, uint32_t timerId, uint32_t periodMs) = 0;
    virtual void KillPageTimer(ContentPage page) = 0;
    // The link status page's texts, quality label and bar.
    virtual void ShowLinkStatus(const LinkStatusFigures& figures) = 0;
    // The association list page's rows, replacing all it had.
    virtual void ShowAssociationList(const std::vector<AssociationRow>& rows) = 0;
    // The association list page: kills its refresh timer, deletes all rows and refreshes its controls.
    virtual void ClearAssociationList() = 0;
    // The ICS page: rebuilds its list and shows the selected row's network name. Without rows only the
    // list is emptied.
    virtual void FillConnectionList(const ConnectionListFill& fill) = 0;
    // The modeless please-wait window (template 200) centred on the desktop, topmost, showing `text`
    // and painted before this returns, since long blocking calls follow. At most one exists.
    virtual void ShowPleaseWait(const std::u16string& text) = 0;
    // Ends and destroys the please-wait window; nothing when none is shown.
    virtual void ClosePleaseWait() = 0;
    // The main window's fixed texts from the language file.
    virtual void ApplyLanguageToWindow() = 0;
    // Creates the five content pages over the main window's placeholder, all hidden.
    virtual void CreateContentPages() = 0;
    // The About page: the card's name and the program's version and date.
    virtual void RefreshVersionInfo(const std::u16string& cardDescription) = 0;

    // A message box owned by the main window, captioned "Aerowisp", with the exclamation icon and an OK
    // button; returns when the user has closed it.
    virtual void ShowMessage(const std::u16string& text) = 0;

    // Shell_NotifyIconW(NIM_DELETE) for the program's notification-area icon.
    virtual void RemoveTrayIcon() = 0;
};

}  // namespace aerowisp
