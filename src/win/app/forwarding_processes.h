// A ProcessesAndWindows that hands every call to another; its subclasses replace only the calls they change.
#pragma once

#include "core/platform/processes_and_windows.h"

namespace aerowisp {

class ForwardingProcesses : public ProcessesAndWindows {
  public:
    explicit ForwardingProcesses(ProcessesAndWindows& inner) : inner_(inner) {}

    std::u16string SystemFolder() override { return inner_.SystemFolder(); }
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override {
        return inner_.ShellExecuteOpenHidden(file, parameters);
    }
    ProcessRun RunHiddenAndWait(const std::u16string& program, const std::u16string& parameters,
                                uint32_t timeoutMs) override {
        return inner_.RunHiddenAndWait(program, parameters, timeoutMs);
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

  protected:
    ProcessesAndWindows& Inner() { return inner_; }

  private:
    ProcessesAndWindows& inner_;
};

}  // namespace aerowisp
