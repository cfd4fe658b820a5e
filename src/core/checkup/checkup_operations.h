// The program's own operations that the check-up's fixes reuse where they belong to the main window's
// controls: the hosted network's start sequence, which pushes the stored name and key.
// Implementations: the main window model's adapter over HostedNetworkControl; test fakes.
#pragma once

namespace aerowisp {

class CheckupOperations {
  public:
    virtual ~CheckupOperations() = default;

    // Stops the hosted network when it runs and starts it again with the stored name and key, as the
    // switch to AP+STA mode does; false when the service refused it.
    virtual bool RestartHostedNetwork() = 0;
};

}  // namespace aerowisp
