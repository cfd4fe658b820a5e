// Port adapters that make the calls which block for seconds on a real machine (the sharing manager's COM
// calls, waiting for netsh.exe or for a service to start) on a BlockingCallRunner's worker, so the interface
// thread keeps answering; every other call passes straight through.
#pragma once

#include <memory>

#include "core/platform/processes_and_windows.h"
#include "core/platform/service_control.h"
#include "core/platform/sharing_manager.h"
#include "fw/blocking_call_runner.h"

namespace aerowisp {

// The sharing manager and every object it hands out are created, used and released on the worker.
class OffThreadSharingManager final : public SharingManagerService {
  public:
    OffThreadSharingManager(SharingManagerService& inner, fw::BlockingCallRunner& runner)
        : inner_(inner), runner_(runner) {}

    void InitializeSecurity() override;
    std::unique_ptr<NetSharingManager> CreateSharingManager(HResult& result) override;

  private:
    SharingManagerService& inner_;
    fw::BlockingCallRunner& runner_;
};

class OffThreadProcesses final : public ProcessesAndWindows {
  public:
    OffThreadProcesses(ProcessesAndWindows& inner, fw::BlockingCallRunner& runner)
        : inner_(inner), runner_(runner) {}

    std::u16string SystemFolder() override { return inner_.SystemFolder(); }
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override {
        return inner_.ShellExecuteOpenHidden(file, parameters);
    }
    ProcessRun RunHiddenAndWait(const std::u16string& program, const std::u16string& parameters,
                                uint32_t timeoutMs) override {
        return runner_.Run([&] { return inner_.RunHiddenAndWait(program, parameters, timeoutMs); });
    }
    std::unique_ptr<RunningProcess> StartHidden(const std::u16string& program) override {
        return inner_.StartHidden(program);
    }
    WindowHandle FindWindowByTitle(const std::u16string& title) override {
        return inner_.FindWindowByTitle(title);
    }
    void SendSysCommandClose(WindowHandle window) override { inner_.SendSysCommandClose(window); }
    bool SendSysCommandCloseWithin(WindowHandle window, uint32_t timeoutMs) override {
        return inner_.SendSysCommandCloseWithin(window, timeoutMs);
    }
    std::u16string WindowProgramPath(WindowHandle window) override {
        return inner_.WindowProgramPath(window);
    }
    std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) override {
        return inner_.EnumTopLevelWindows(titleBufferLength);
    }
    void PostCommand(WindowHandle window, uint32_t commandId) override {
        inner_.PostCommand(window, commandId);
    }
    bool DeleteFileAt(const std::u16string& path) override { return inner_.DeleteFileAt(path); }
    void TraceDebug(const std::u16string& text) override { inner_.TraceDebug(text); }

  private:
    ProcessesAndWindows& inner_;
    fw::BlockingCallRunner& runner_;
};

// Starting a service waits until it runs, which takes seconds for the sharing service and its dependencies.
class OffThreadServiceControl final : public ServiceControl {
  public:
    OffThreadServiceControl(ServiceControl& inner, fw::BlockingCallRunner& runner)
        : inner_(inner), runner_(runner) {}

    uint32_t QueryService(const std::u16string& name, ServiceInfo& info) override {
        return inner_.QueryService(name, info);
    }
    uint32_t SetStartType(const std::u16string& name, ServiceStartType startType) override {
        return inner_.SetStartType(name, startType);
    }
    uint32_t Start(const std::u16string& name) override {
        return runner_.Run([&] { return inner_.Start(name); });
    }

  private:
    ServiceControl& inner_;
    fw::BlockingCallRunner& runner_;
};

}  // namespace aerowisp
