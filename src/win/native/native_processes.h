// Other programs and their windows on the real machine: the shell, WinExec and the window manager.
#pragma once

#include "core/platform/processes_and_windows.h"

namespace aerowisp {

class NativeProcessesAndWindows final : public ProcessesAndWindows {
  public:
    std::u16string SystemFolder() override;
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override;
    bool WinExecHidden(const std::string& ansiCommandLine) override;

    WindowHandle FindWindowByTitle(const std::u16string& title) override;
    void SendSysCommandClose(WindowHandle window) override;
    std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) override;
    void PostCommand(WindowHandle window, uint32_t commandId) override;

    bool DeleteFileAt(const std::u16string& path) override;
    void TraceDebug(const std::u16string& text) override;
};

}  // namespace aerowisp
