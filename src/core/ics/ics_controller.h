// The ICS controller: finds the chosen connection and the virtual adapter's connection through the
// sharing manager, shares that pair and unshares them again.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "core/ics/ics_state.h"
#include "core/platform/sharing_manager.h"

namespace aerowisp {

struct FoundConnection {
    std::u16string name;
    std::u16string deviceName;
};

// Each operation sets the process security and creates the sharing manager afresh; when the manager
// cannot be created the operation changes no sharing.
class IcsController {
  public:
    IcsController(SharingManagerService& service, IcsState& state) : service_(service), state_(state) {}

    // Refills the records. The chosen connection, matched by device name or else by name (A-Z case
    // ignored), gives the public GUID, which is cleared first so a choice that matches nothing never
    // shares an earlier match; the virtual adapter's connection gives the private GUID and the virtual
    // connection name, which survive a refresh that does not see it.
    void RefreshIcsConnections(const std::u16string& chosenConnection);
    // Unshares the public connection and a private-shared virtual connection of the records; with
    // `enable`, then shares the pair. The sharing flag is set only when both sides end up shared.
    void ApplySharing(bool enable);
    // Unshares every connection shared as `type` up to the one with `guid`, and that one whatever its
    // state; true when that last call succeeded.
    bool DisableSharingOfType(int32_t type, const std::u16string& guid);
    // Unshares other public and private connections, then shares the two as public and private. Each
    // flag is set to true only when its side reads back shared as asked, and left alone otherwise.
    void EnableSharingPair(const std::u16string& publicGuid, const std::u16string& privateGuid,
                           bool& publicOk, bool& privateOk);
    // The eligible connection with `guid` (A-Z case ignored).
    std::optional<FoundConnection> FindConnectionByGuid(const std::u16string& guid);

    // Unshares every connection the manager's public and private enumerations list, also the records
    // of connections that are no longer there; false when one could not be unshared or listed.
    bool DisableListedSharing();

    // Whether a sharing manager call failed since the last ClearTrouble: the records may then miss a
    // connection, and an unsharing may not have happened.
    bool Troubled() const { return troubled_; }
    // The HRESULT of the first creation of the manager, EnableSharing or DisableSharing that failed since
    // the last ClearTrouble.
    HResult LastError() const { return lastError_; }
    void ClearTrouble() {
        troubled_ = false;
        lastError_ = kSOk;
    }

  private:
    bool ShareAs(NetConnection& connection, IcsSharingType type);
    void Note(HResult result);
    std::unique_ptr<NetSharingManager> OpenManager();
    std::optional<int32_t> SharedAs(NetConnection& connection);
    bool Unshare(NetConnection& connection);
    // Passes `ok` through, noting a failure.
    template <typename T>
    T Checked(T ok) {
        troubled_ = troubled_ || !ok;
        return ok;
    }

    SharingManagerService& service_;
    IcsState& state_;
    bool troubled_ = false;
    HResult lastError_ = kSOk;
};

// LAN, phone, PPPoE or bridge media, and not a network adapter over IEEE 1394.
bool IsEligibleConnection(const NetConnectionProps& props);

}  // namespace aerowisp
