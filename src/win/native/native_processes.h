// Other programs and their windows on the real machine: the shell, CreateProcessW and the window manager.
#pragma once

#include "core/platform/processes_and_windows.h"

namespace aerowisp {

class NativeProcessesAndWindows final : public ProcessesAndWindows {
  public:
    std::u16string SystemFolder() override;
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override;
    ProcessRun RunHiddenAndWait(const std::u16string& program, const std::u16string& parameters,
                                uint32_t timeoutMs) override;
    std::unique_ptr<RunningProcess> StartHidden(const std::u16string& program) override;

    WindowHandle FindWindowByTitle(const std::u16string& title) override;
    void SendSysCommandClose(WindowHandle window) override;
    bool SendSysCommandCloseWithin(WindowHandle window, uint32_t timeoutMs) override;
    std::u16string WindowProgramPath(WindowHandle window) override;
    std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) override;
    void PostCommand(WindowHandle window, uint32_t commandId) override;

    bool DeleteFileAt(const std::u16string& path) override;
    void TraceDebug(const std::u16string& text) override;
};

}  // namespace aerowisp
