// The main window's timers, tray and device events on the model harness, with a recording tray view and
// the main window's operations bound to the model's.
#pragma once

#include "core/app/device_events.h"
#include "core/app/main_window_callbacks.h"
#include "core/app/status_timers.h"
#include "core/app/tray_control.h"
#include "model_harness.h"
#include "recording_tray_view.h"

namespace aerowisp::test {

struct TrayHarness : ModelHarness {
    explicit TrayHarness(const char* codePageName = "CP1252")
        : ModelHarness(codePageName),
          tray(&machine.Journal()),
          ports{machine.Wlan(), machine.Settings(), codePage, timers, processes, sharing},
          callbacks{.discoverInterface = [this](bool allowDialog) { model.DiscoverInterface(allowDialog); },
                    .isSelectedCardPresent =
                        [this](std::u16string_view description) {
                            return model.IsSelectedCardPresent(description);
                        },
                    .enableControlsForRadio =
                        [this](bool radioOn) { model.Window().EnableControlsForRadio(radioOn); },
                    .hideMainWindow = [this] { model.Window().HideMainWindow(); }},
          trayControl(ports, view, tray, State(), model.Wlan().State(), model.HostedNetwork()),
          statusTimers(ports, view, State(), model.HostedNetwork(), trayControl, callbacks),
          deviceEvents(ports, view, State(), model.Wlan().State(), model.HostedNetwork(), callbacks) {}

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

    RecordingTrayView tray;
    ModelPorts ports;
    MainWindowCallbacks callbacks;
    TrayControl trayControl;
    StatusTimers statusTimers;
    DeviceEvents deviceEvents;
};

}  // namespace aerowisp::test
