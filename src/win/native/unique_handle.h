// Owner of one kernel object handle (mutex, event, process, file), closed with CloseHandle.
#pragma once

#include <windows.h>

namespace aerowisp {

// Holds null or a valid handle; INVALID_HANDLE_VALUE is never stored. Not copyable.
class UniqueHandle {
  public:
    UniqueHandle() = default;
    explicit UniqueHandle(HANDLE handle) : m_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
    ~UniqueHandle() { Reset(); }

    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;

    HANDLE Get() const { return m_handle; }
    explicit operator bool() const { return m_handle != nullptr; }

    // Closes the handle held, if any, and takes `handle` instead.
    void Reset(HANDLE handle = nullptr) {
        if (m_handle != nullptr)
            ::CloseHandle(m_handle);
        m_handle = handle == INVALID_HANDLE_VALUE ? nullptr : handle;
    }

  private:
    HANDLE m_handle = nullptr;
};

}  // namespace aerowisp
