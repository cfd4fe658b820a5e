// Port: what the application object does around the single-instance decision: the instance mutex,
// the companion's event, string resources, COM and the modal run of the main window.
// Implementations: NativeInstanceHost (src/win/native, over CreateMutexW, OpenEventW, LoadStringW,
// CoUninitialize and the main window's modal run), FakeInstanceHost (tests/core/support).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace aerowisp {

enum class MutexCreation {
    kCreated,        // this is the only copy
    kAlreadyExists,  // CreateMutexW succeeded with GetLastError() == ERROR_ALREADY_EXISTS
    kFailed,         // any other failure; the program then runs as the first copy
};

class InstanceHost {
  public:
    virtual ~InstanceHost() = default;

    // CreateMutexW(NULL, FALSE, name); the host keeps the handle until CloseInstanceMutex or its exit.
    virtual MutexCreation CreateInstanceMutex(std::u16string_view name) = 0;
    // CloseHandle on the mutex; the host forgets the handle, so its exit releases nothing.
    virtual void CloseInstanceMutex() = 0;
    // OpenEventW(EVENT_ALL_ACCESS, TRUE, name): true when the event exists; the host keeps the handle.
    virtual bool OpenCompanionEvent(std::u16string_view name) = 0;
    virtual void CloseCompanionEvent() = 0;
    // LoadStringW from the program's string table; empty when the string is missing.
    virtual std::u16string LoadStringResource(uint32_t id) = 0;
    virtual void CoUninitialize() = 0;
    // Constructs the main window, runs it modally until it ends and destroys it.
    virtual void RunMainWindow() = 0;
};

}  // namespace aerowisp
