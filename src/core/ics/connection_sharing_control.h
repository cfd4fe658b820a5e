// The main window's sharing operations: the adapter scan, and starting and stopping the sharing of the
// chosen connection with the hosted network's virtual adapter, with its fixed address and the DHCP
// server started beside it.
#pragma once

#include <string>

#include "core/ports/control_context.h"
#include "core/ports/tray_view.h"
#include "core/ics/ics_controller.h"

namespace aerowisp {

inline constexpr char16_t kEnablingIcsText[] = u"Enabling ICS. Please wait...";
inline constexpr char16_t kDisablingIcsText[] = u"Disabling ICS. Please wait...";
// netsh's parameters are formatted into a buffer of this many characters, terminator included.
inline constexpr size_t kNetshParameterBuffer = 512;

class ConnectionSharingControl {
  public:
    ConnectionSharingControl(const ControlContext& context, TrayView& tray);
    ConnectionSharingControl(const ConnectionSharingControl&) = delete;
    ConnectionSharingControl& operator=(const ConnectionSharingControl&) = delete;

    // Rebuilds the adapter table and notes the virtual adapter's address.
    void ScanAdapters();
    // Shares the chosen connection with the virtual adapter. With the same connection already shared
    // only the address and the DHCP server are renewed; a different one is unshared first. Does nothing
    // but close the DHCP server when the adapter table is empty. A step that failed is tried again;
    // false when the pair is not shared with the fixed address in the end (the caller tells the user).
    // The sharing service is started first when it is off (a balloon says so); a conflicting address
    // range of the service is told in a balloon.
    bool StartConnectionSharing();
    // Closes the DHCP server, returns the virtual adapter to automatic addressing and unshares both
    // sides as the sharing manager shows them now, whoever shared them. When a call failed on the way the
    // whole is tried again; false when it may still have left something shared or addressed.
    bool StopConnectionSharing();
    // A new chosen connection: stop, then start; false when either did not finish.
    bool RestartConnectionSharing();

    IcsController& Controller() { return controller_; }
    // Why the last start did not share, in the language file's words; empty when it gave no reason
    // beyond having failed (or did not fail).
    std::u16string FailureDetail() const { return failureDetail_; }

  private:
    // The sharing service running; false, with the failure told in FailureDetail, when it cannot be.
    bool PrepareSharingService();
    void WarnOfConflictingScope();
    bool FinishSharingStart();
    // IP Helper lists the fixed address on the virtual adapter.
    bool VirtualAdapterAddressed();
    // The virtual adapter's connection name for netsh: the one the sharing manager showed, else the one
    // the network class key holds for the virtual adapter; empty when neither is known.
    std::u16string AddressableConnectionName() const;
    // netsh "int ip set address name=... source=static ..." (static) or "source=dhcp", awaited; skipped,
    // with a debug trace, for a name netsh's quoted argument cannot carry safely. False when netsh.exe did
    // not end with exit code 0 in time, and for a static command that was skipped.
    bool RunAddressCommand(const std::u16string& connectionName, bool staticAddress);

    ModelPorts ports_;
    MainView& view_;
    const LanguageTexts& texts_;
    TrayView& tray_;
    MainWindowState& state_;
    IcsController controller_;
    std::u16string failureDetail_;
};

// "interface set interface name="NAME" admin=enabled"; nothing for a name NetshAddressParameters refuses.
std::optional<std::u16string> NetshEnableInterfaceParameters(const std::u16string& connectionName);
// "int ip set address name="NAME" source=static addr=192.168.139.1 mask=255.255.255.0" or
// "... source=dhcp"; nothing when the name is empty, holds a quote or a control character, or the
// parameters do not fit netsh's buffer.
std::optional<std::u16string> NetshAddressParameters(const std::u16string& connectionName,
                                                     bool staticAddress);

}  // namespace aerowisp
