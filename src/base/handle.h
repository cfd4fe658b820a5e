// Owners of Win32 handles and of memory the system allocates: one template, one small release function
// per kind, so nothing is released by hand anywhere in the program.
#pragma once

#include <windows.h>

#include <utility>

namespace base {

// A handle that one function releases; movable, never copied. Holds `Null` (null unless the kind of handle
// says otherwise, as sockets do) or a valid handle.
template <typename Handle, auto Release, Handle Null = Handle{}>
class OwnedHandle {
  public:
    OwnedHandle() = default;
    explicit OwnedHandle(Handle handle) : handle_(handle) {}
    ~OwnedHandle() { Reset(); }
    OwnedHandle(OwnedHandle&& other) noexcept : handle_(other.Detach()) {}
    OwnedHandle& operator=(OwnedHandle&& other) noexcept {
        if (this != &other)
            Reset(other.Detach());
        return *this;
    }
    OwnedHandle(const OwnedHandle&) = delete;
    OwnedHandle& operator=(const OwnedHandle&) = delete;

    Handle Get() const { return handle_; }
    explicit operator bool() const { return handle_ != Null; }
    // Releases the handle held so far and takes `handle`.
    void Reset(Handle handle = Null) {
        if (handle_ != Null && handle_ != handle)
            Release(handle_);
        handle_ = handle;
    }
    Handle Detach() { return std::exchange(handle_, Null); }
    // Releases what is held and gives the address a creating call stores the new handle at.
    Handle* Receive() {
        Reset();
        return &handle_;
    }

  private:
    Handle handle_ = Null;
};

namespace detail {
inline void CloseKernelHandle(HANDLE handle) {
    ::CloseHandle(handle);
}
inline void CloseRegistryKey(HKEY key) {
    ::RegCloseKey(key);
}
inline void FreeLocalMemory(void* memory) {
    ::LocalFree(memory);
}
inline void FreeGlobalMemory(HGLOBAL memory) {
    ::GlobalFree(memory);
}
inline void CloseService(SC_HANDLE handle) {
    ::CloseServiceHandle(handle);
}
inline void DestroyOwnedWindow(HWND window) {
    ::DestroyWindow(window);
}
}  // namespace detail

// A kernel object (mutex, event, process, thread, file). INVALID_HANDLE_VALUE, which some creating
// calls return on failure, is never stored.
class KernelHandle : public OwnedHandle<HANDLE, detail::CloseKernelHandle> {
  public:
    KernelHandle() = default;
    explicit KernelHandle(HANDLE handle) : OwnedHandle(handle == INVALID_HANDLE_VALUE ? nullptr : handle) {}
};

using RegistryKey = OwnedHandle<HKEY, detail::CloseRegistryKey>;

// A window its creator destroys, such as a program's own hidden window. Whoever handles its WM_DESTROY
// detaches it, so a window destroyed from outside is not destroyed again.
using OwnedWindow = OwnedHandle<HWND, detail::DestroyOwnedWindow>;

// The service control manager or one of its services (OpenSCManagerW, OpenServiceW, CreateServiceW).
using ServiceHandle = OwnedHandle<SC_HANDLE, detail::CloseService>;

// Memory that a system call allocated with LocalAlloc for its caller (CommandLineToArgvW,
// FormatMessageW with FORMAT_MESSAGE_ALLOCATE_BUFFER).
template <typename T>
using LocalMemory = OwnedHandle<T*, detail::FreeLocalMemory>;

// Moveable memory from GlobalAlloc, as the clipboard takes it: Detach once SetClipboardData owns it.
using GlobalMemory = OwnedHandle<HGLOBAL, detail::FreeGlobalMemory>;

}  // namespace base
