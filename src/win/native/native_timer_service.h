// The main window's timers on the real machine: SetTimer / KillTimer on the window, ticks as WM_TIMER.
#pragma once

#include <windows.h>

#include "core/platform/timer_service.h"

namespace aerowisp {

// Made together with the window it times; its timers end with the window.
class NativeTimerService final : public TimerService {
  public:
    explicit NativeTimerService(HWND window) : m_window(window) {}
    NativeTimerService(const NativeTimerService&) = delete;
    NativeTimerService& operator=(const NativeTimerService&) = delete;

    TimerId SetTimer(TimerId id, uint32_t periodMs) override;
    bool KillTimer(TimerId id) override;

  private:
    HWND m_window;
};

}  // namespace aerowisp
