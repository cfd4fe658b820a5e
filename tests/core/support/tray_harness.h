// The main window's timers, tray and device events of the model harness, under the names the tests use.
#pragma once

#include "model_harness.h"

namespace aerowisp::test {

struct TrayHarness : ModelHarness {
    explicit TrayHarness(const char* codePageName = "CP1252")
        : ModelHarness(codePageName), trayControl(Tray()), statusTimers(model), deviceEvents(model) {}

    // Starts timer `id` as its starter does and stores its identifier in `held`.
    void Start(TimerId& held, TimerId id, uint32_t periodMs) { held = timers.SetTimer(id, periodMs); }
    // The card found and the journal and the recorded views emptied, as after the main window's start.
    void FindCard() {
        model.DiscoverInterface(false);
        Forget();
    }
    void Forget() {
        Log().Clear();
        view.calls.clear();
        view.looks.clear();
        view.enabled.clear();
        tray.calls.clear();
    }

    TrayControl& trayControl;
    MainWindowModel& statusTimers;
    MainWindowModel& deviceEvents;
};

}  // namespace aerowisp::test
