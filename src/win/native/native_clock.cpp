// NativeClock over the kernel's tick count and sleep.
#include "native/native_clock.h"

#include <windows.h>

namespace aerowisp {

uint32_t NativeClock::GetTickCount() {
    return ::GetTickCount();
}

void NativeClock::Sleep(uint32_t milliseconds) {
    ::Sleep(milliseconds);
}

}  // namespace aerowisp
