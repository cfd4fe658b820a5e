// NativeTimerService over the window manager's timers.
#include "native/native_timer_service.h"

namespace aerowisp {

TimerId NativeTimerService::SetTimer(TimerId id, uint32_t periodMs) {
    return ::SetTimer(m_window, id, periodMs, nullptr);
}

bool NativeTimerService::KillTimer(TimerId id) {
    return ::KillTimer(m_window, id) != FALSE;
}

}  // namespace aerowisp
