// What the main window asks of connection sharing: the table of adapters that can be shared, and
// starting and stopping sharing with the hosted network's virtual adapter.
// Implementations: InertConnectionSharing (below, until the sharing controller exists),
// FakeConnectionSharing (tests/core/support).
#pragma once

#include <string>
#include <vector>

namespace aerowisp {

class ConnectionSharing {
  public:
    virtual ~ConnectionSharing() = default;

    // Rebuilds the adapter table from the machine's network adapters.
    virtual void ScanAdapters() = 0;
    // The device name of each row of the adapter table, in row order.
    virtual std::vector<std::u16string> AdapterDeviceNames() const = 0;
    // Shares the connection with this device name with the virtual adapter.
    virtual void StartConnectionSharing(const std::u16string& deviceName) = 0;
    virtual void StopConnectionSharing() = 0;
};

// Sees no adapters and shares nothing: the hosted network runs without an Internet connection.
class InertConnectionSharing final : public ConnectionSharing {
  public:
    void ScanAdapters() override {}
    std::vector<std::u16string> AdapterDeviceNames() const override { return {}; }
    void StartConnectionSharing(const std::u16string&) override {}
    void StopConnectionSharing() override {}
};

}  // namespace aerowisp
