// Port: what the main window tells the machine it runs on about itself, and how the model reaches the
// window's tray view on that machine.
#pragma once

#include <string_view>

#include "app/machine_event.h"
#include "core/ports/tray_view.h"

namespace aerowisp {

// Implementations: a silent one on the real machine (platform_services.cpp), JournalingWindow on a
// simulated one, which journals them so outside tools can follow the run.
class WindowEvents {
  public:
    virtual ~WindowEvents() = default;

    // The main window shows for the first time.
    virtual void OnFirstShown() = 0;
    // A request of the command line is about to run.
    virtual void OnControlRequest(std::string_view command) = 0;
    // A message to the user is about to be told: in a message box, or `intoReply` in the reply to the
    // command line's request that runs.
    virtual void OnMessage(bool intoReply) = 0;
    // Makes `event` happen on a simulated machine before the window hears of it as it would of the
    // real one; false on the real machine, where only the hardware raises them, and for an event that
    // cannot happen now (a card inserted that was never removed).
    virtual bool RaiseMachineEvent(MachineEvent event) = 0;
};

// The main window as its machine attaches it: the tray view its model is given, and where the window's
// own events go.
struct AttachedWindow {
    TrayView& tray;
    WindowEvents& events;
};

}  // namespace aerowisp
