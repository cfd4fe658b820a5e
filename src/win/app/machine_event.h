// The events a simulated machine raises when asked from outside, as a real machine's hardware would:
// shared by the program and the tools that drive it.
#pragma once

#include <cstdint>

namespace aerowisp {

// The registered message a tool sends to the main window; wParam is the MachineEvent. Only a program
// running on the simulated machine acts on it.
inline constexpr wchar_t kMachineEventMessage[] = L"AerowispSimulatedMachineEvent";

enum class MachineEvent : uint32_t {
    // The scenario's first card is unplugged, or plugged in again.
    kCardRemoved = 1,
    kCardInserted = 2,
    kSuspend = 3,
    kResume = 4,
    // A station joins the running hosted network, or the one that joined last leaves it.
    kStationJoined = 5,
    kStationLeft = 6,
};

}  // namespace aerowisp
