// Balloons at the notification-area icon when stations join or leave the hosted network: a look at the
// hosted network's stations every few seconds while the program is in AP+STA mode with the radio on,
// whether or not the association list page is open.
#pragma once

#include <string>

#include "core/lang/language_texts.h"
#include "core/state/main_window_state.h"
#include "core/ports/model_ports.h"
#include "core/ports/tray_view.h"
#include "core/hostednet/station_notices.h"

namespace aerowisp {

class StationWatch {
  public:
    StationWatch(const ModelPorts& ports, const LanguageTexts& texts, TrayView& tray,
                 const MainWindowState& state);
    StationWatch(const StationWatch&) = delete;
    StationWatch& operator=(const StationWatch&) = delete;

    // Starts the watch's periodic main-window timer, which runs for the window's whole life.
    void Start();
    // A main-window timer's tick: false when it is not the watch's.
    bool OnTimer(TimerId id);

  private:
    void Look();
    std::u16string NoticeText(const StationNotice& notice);

    ModelPorts ports_;
    const LanguageTexts& texts_;
    TrayView& tray_;
    const MainWindowState& state_;
    TimerId timer_ = 0;
    StationNotices notices_;
};

}  // namespace aerowisp
