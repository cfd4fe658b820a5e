// Port adapters that make the calls which block for seconds on a real machine (the sharing manager's COM
// calls, waiting for netsh.exe or for a service to start) on a BlockingCallRunner's worker, so the interface
// thread keeps answering; every other call passes straight through.
#pragma once

#include <memory>

#include "core/platform/service_control.h"
#include "core/platform/sharing_manager.h"
#include "app/forwarding_processes.h"
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

// netsh.exe is awaited on the worker; every other call passes straight through.
class OffThreadProcesses final : public ForwardingProcesses {
  public:
    OffThreadProcesses(ProcessesAndWindows& inner, fw::BlockingCallRunner& runner)
        : ForwardingProcesses(inner), runner_(runner) {}

    ProcessRun RunHiddenAndWait(const std::u16string& program, const std::u16string& parameters,
                                uint32_t timeoutMs) override {
        return runner_.Run([&] { return Inner().RunHiddenAndWait(program, parameters, timeoutMs); });
    }

  private:
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
