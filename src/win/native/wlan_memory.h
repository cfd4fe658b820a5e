// Owner of one buffer that the WLAN service allocated, released with WlanFreeMemory.
#pragma once

#include <windows.h>
#include <wlanapi.h>

namespace aerowisp {

template <typename T>
class WlanMemory {
  public:
    WlanMemory() = default;
    ~WlanMemory() {
        if (m_data != nullptr)
            WlanFreeMemory(m_data);
    }

    WlanMemory(const WlanMemory&) = delete;
    WlanMemory& operator=(const WlanMemory&) = delete;

    // Where the service stores the buffer's address; only for a holder that holds nothing yet.
    T** Receive() { return &m_data; }
    T* Get() const { return m_data; }
    T* operator->() const { return m_data; }

  private:
    T* m_data = nullptr;
};

}  // namespace aerowisp
