// The application object's side of the single-instance decision on the real machine: COM, the
// instance mutex, the companion's event, the string table and the main window's modal run.
#pragma once

#include <functional>

#include "core/platform/instance_host.h"
#include "base/handle.h"

namespace aerowisp {

class NativeInstanceHost final : public InstanceHost {
  public:
    // `runMainWindow` constructs the main window, runs it modally and destroys it.
    explicit NativeInstanceHost(std::function<void()> runMainWindow);
    ~NativeInstanceHost() override;
    NativeInstanceHost(const NativeInstanceHost&) = delete;
    NativeInstanceHost& operator=(const NativeInstanceHost&) = delete;

    // CoInitializeEx, apartment-threaded. Both the early exits of the start-up and the exit call
    // CoUninitialize, so the host leaves the apartment once and ignores any further call.
    void EnterComApartment();

    MutexCreation CreateInstanceMutex(std::u16string_view name) override;
    void CloseInstanceMutex() override;
    bool OpenCompanionEvent(std::u16string_view name) override;
    void CloseCompanionEvent() override;
    std::u16string LoadStringResource(uint32_t id) override;
    void CoUninitialize() override;
    void RunMainWindow() override;

    // ReleaseMutex at exit when this copy holds the mutex. The handle stays open until the host goes
    // away with the process, so no other copy can take the mutex while this one is still ending.
    void ReleaseInstanceMutex();

  private:
    std::function<void()> m_runMainWindow;
    base::KernelHandle m_mutex;
    base::KernelHandle m_companionEvent;
    bool m_inComApartment = false;
};

}  // namespace aerowisp
