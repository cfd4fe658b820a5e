// Other programs and their windows on the simulated machine: program files that open a window when
// started, top-level windows declared by tests or scenarios, and a journal entry for every call.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/ansi_code_page.h"
#include "core/platform/processes_and_windows.h"

namespace aerowisp {

class FailurePlan;
class Journal;

inline constexpr char16_t kSimSystemFolder[] = u"C:\\Windows\\system32";

// Journal entries (arguments as in res/sim/README.md; window handles are decimal numbers):
//   GetSystemDirectoryW  folder="C:\\Windows\\system32"
//   ShellExecuteW        verb="open" file="C:\\Windows\\system32\\netsh.exe" parameters="..." show=SW_HIDE
//                        (result 2 when the file does not exist)
//   WinExec              commandLine="\"C:\\...\\DhcpServer.exe\"" show=SW_HIDE (ANSI bytes; result 2 when
//                        no program was found)
//   FindWindowW          class=NULL title="Tftpd32" window=65552 (out: 0 when there is none)
//   SendMessageW         window=65552 message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0
//   EnumWindows          count=3 (out)
//   PostMessageW         window=65552 message=WM_COMMAND wParam=32778 lParam=0
//   DeleteFileW          path="..." (result 2 when the file does not exist)
//   OutputDebugStringW   text="..."

class SimProcessesAndWindows final : public ProcessesAndWindows {
  public:
    // What a program run through ShellExecuteW does to the rest of the machine (netsh.exe setting the
    // hosted network's key or an address), given the full file path and the parameters.
    using ShellCommandHandler =
        std::function<void(const std::u16string& file, const std::u16string& parameters)>;

    // `codePage` reads WinExec's ANSI command line; without one each byte is taken as one character.
    // With `failures`, ShellExecuteW and WinExec fail as the plan says. The system folder holds netsh.exe.
    explicit SimProcessesAndWindows(Journal& journal, AnsiCodePage* codePage = nullptr,
                                    FailurePlan* failures = nullptr);
    SimProcessesAndWindows(const SimProcessesAndWindows&) = delete;
    SimProcessesAndWindows& operator=(const SimProcessesAndWindows&) = delete;

    std::u16string SystemFolder() override;
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override;
    // Resolves the command line the way CreateProcess does: a quoted program path is taken as it is;
    // an unquoted one is tried at each space in turn ("C:\Program Files\A.exe" first as "C:\Program.exe").
    bool WinExecHidden(const std::string& ansiCommandLine) override;
    WindowHandle FindWindowByTitle(const std::u16string& title) override;
    void SendSysCommandClose(WindowHandle window) override;
    std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) override;
    void PostCommand(WindowHandle window, uint32_t commandId) override;
    bool DeleteFileAt(const std::u16string& path) override;
    void TraceDebug(const std::u16string& text) override;

    // ---- Preparing and inspecting the machine (not journaled) ----
    void UseCodePage(AnsiCodePage* codePage) { codePage_ = codePage; }
    // Called for every ShellExecuteW of a file that exists.
    void OnShellExecute(ShellCommandHandler handler) { shellHandler_ = std::move(handler); }
    // Empty: GetSystemDirectoryW fails.
    void SetSystemFolder(std::u16string folder) { systemFolder_ = std::move(folder); }
    // File paths ignore the case of A-Z.
    void AddFile(const std::u16string& path);
    bool FileExists(const std::u16string& path) const;
    // A program file; when started it opens a top-level window with `windowTitle` (none when empty).
    void AddProgram(const std::u16string& path, const std::u16string& windowTitle = {});
    // The full paths of the programs started, in order.
    const std::vector<std::u16string>& StartedPrograms() const { return started_; }
    // A top-level window of another program, a dialog box unless `className` says otherwise. One that
    // ignores SC_CLOSE stays open when asked to close.
    WindowHandle OpenWindow(const std::u16string& title, bool closesOnSysCommand = true,
                            const std::u16string& className = kDialogWindowClass);
    bool IsWindowOpen(const std::u16string& title) const;
    // The commands posted to a window, in order; empty for a window that no longer exists.
    std::vector<uint32_t> PostedCommands(WindowHandle window) const;
    const std::vector<std::u16string>& DebugTraces() const { return traces_; }

  private:
    struct Program {
        std::u16string path;
        std::u16string windowTitle;
    };
    struct Window {
        WindowHandle handle = 0;
        std::u16string title;
        bool closesOnSysCommand = true;
        std::u16string className;
        std::vector<uint32_t> posted;
    };

    // The error the failure plan gives `operation` this time, if any.
    std::optional<uint32_t> Injected(std::string_view operation);
    const Program* FindProgram(const std::u16string& path) const;
    // The program a command line names, or null when no candidate exists.
    const Program* ResolveCommandLine(const std::u16string& commandLine) const;
    Window* WindowByHandle(WindowHandle handle);
    const Window* WindowByHandle(WindowHandle handle) const;

    Journal& journal_;
    AnsiCodePage* codePage_;
    FailurePlan* failures_;
    std::u16string systemFolder_ = kSimSystemFolder;
    ShellCommandHandler shellHandler_;
    std::vector<std::u16string> files_;  // folded
    std::vector<Program> programs_;
    std::vector<std::u16string> started_;
    std::vector<Window> windows_;
    WindowHandle nextWindow_ = 0x10010;
    std::vector<std::u16string> traces_;
};

}  // namespace aerowisp
