// Owner of a buffer that the WLAN service allocated for its caller, released with WlanFreeMemory.
#pragma once

#include <windows.h>
#include <wlanapi.h>

#include "base/handle.h"

namespace fw {

namespace detail {
inline void FreeWlanMemory(void* memory) {
    ::WlanFreeMemory(memory);
}
}  // namespace detail

template <typename T>
using WlanMemory = base::OwnedHandle<T*, detail::FreeWlanMemory>;

}  // namespace fw
