// Other programs and their windows on the simulated machine: program files that open a window when
// started, top-level windows declared by tests or scenarios, and a journal entry for every call.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/platform/clock.h"
#include "core/platform/processes_and_windows.h"

namespace aerowisp {

class FailurePlan;
class Journal;

inline constexpr char16_t kSimSystemFolder[] = u"C:\\Windows\\system32";
// The program of windows that belong to neither Aerowisp nor its DHCP server.
inline constexpr char16_t kOtherProgramPath[] = u"C:\\Program Files\\Other\\Other.exe";

// Journal entries (arguments as in res/sim/README.md; window handles are decimal numbers):
//   GetSystemDirectoryW  folder="C:\\Windows\\system32"
//   ShellExecuteW        verb="open" file="C:\\Windows\\system32\\netsh.exe" parameters="..." show=SW_HIDE
//                        (result 2 when the file does not exist)
//   CreateProcessW       application="C:\\...\\netsh.exe" commandLine="\"C:\\...\\netsh.exe\" int ..."
//                        flags=CREATE_NO_WINDOW show=SW_HIDE process=1 (result 2 when no such program)
//   WaitForSingleObject  process=1 timeout=15000 (result 258 WAIT_TIMEOUT when it still runs)
//   GetExitCodeProcess   process=1 exitCode=0 (259 STILL_ACTIVE while it runs)
//   FindWindowW          class=NULL title="Tftpd32" window=65552 (out: 0 when there is none)
//   SendMessageW         window=65552 message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0
//   SendMessageTimeoutW  window=65552 message=WM_SYSCOMMAND wParam=SC_CLOSE flags=SMTO_ABORTIFHUNG
//                        timeout=3000 (result 1460 ERROR_TIMEOUT for a hung window)
//   QueryFullProcessImageNameW  window=65552 path="C:\\...\\DhcpServer.exe" (out)
//   EnumWindows          count=3 (out)
//   PostMessageW         window=65552 message=WM_COMMAND wParam=32778 lParam=0
//   DeleteFileW          path="..." (result 2 when the file does not exist)
//   OutputDebugStringW   text="..."

// How a program started with CreateProcessW that ends on its own behaves: it runs `durationMs` and ends
// with `exitCode`; only a run that ends with 0 changes the machine.
struct SimProgramRun {
    uint32_t durationMs = 0;
    uint32_t exitCode = 0;
};

class SimProcessesAndWindows final : public ProcessesAndWindows {
  public:
    // What a program run through ShellExecuteW, or started with CreateProcessW and ended with exit code 0,
    // does to the rest of the machine (netsh.exe setting the hosted network's key or an address), given
    // the full file path and the parameters.
    using ShellCommandHandler =
        std::function<void(const std::u16string& file, const std::u16string& parameters)>;
    // Time passing while the program waits for another one.
    using PassTime = std::function<void(uint32_t milliseconds)>;

    // With `failures`, the calls fail as the plan says. The system folder holds netsh.exe.
    explicit SimProcessesAndWindows(Journal& journal, FailurePlan* failures = nullptr);
    SimProcessesAndWindows(const SimProcessesAndWindows&) = delete;
    SimProcessesAndWindows& operator=(const SimProcessesAndWindows&) = delete;

    std::u16string SystemFolder() override;
    bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) override;
    // Programs that end on their own (netsh.exe) end in the order of their end times: the changes of
    // every one whose time has come land before anything else happens.
    ProcessRun RunHiddenAndWait(const std::u16string& program, const std::u16string& parameters,
                                uint32_t timeoutMs) override;
    // A program with a window runs until its window is closed (exit code 0) or EndProgram ends it.
    std::unique_ptr<RunningProcess> StartHidden(const std::u16string& program) override;
    WindowHandle FindWindowByTitle(const std::u16string& title) override;
    void SendSysCommandClose(WindowHandle window) override;
    bool SendSysCommandCloseWithin(WindowHandle window, uint32_t timeoutMs) override;
    std::u16string WindowProgramPath(WindowHandle window) override;
    std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) override;
    void PostCommand(WindowHandle window, uint32_t commandId) override;
    bool DeleteFileAt(const std::u16string& path) override;
    void TraceDebug(const std::u16string& text) override;

    // ---- Preparing and inspecting the machine (not journaled) ----
    // Called for every ShellExecuteW of a file that exists, and for every program run that ends with 0.
    void OnShellExecute(ShellCommandHandler handler) { shellHandler_ = std::move(handler); }
    // The clock the machine runs by and how time passes on it; without them programs end at once.
    void UseTime(Clock* clock, PassTime passTime) {
        clock_ = clock;
        passTime_ = std::move(passTime);
    }
    // How the programs of this file name ("netsh.exe") run.
    void SetProgramRun(const std::u16string& fileName, SimProgramRun run);
    // Ends the running program with this path (its windows close) with `exitCode`; false when none runs.
    bool EndProgram(const std::u16string& path, uint32_t exitCode);
    // Empty: GetSystemDirectoryW fails.
    void SetSystemFolder(std::u16string folder) { systemFolder_ = std::move(folder); }
    // File paths ignore the case of A-Z.
    void AddFile(const std::u16string& path);
    bool FileExists(const std::u16string& path) const;
    // A program file; when started it opens a top-level window with `windowTitle` (none when empty).
    void AddProgram(const std::u16string& path, const std::u16string& windowTitle = {});
    // The full paths of the programs started, in order.
    const std::vector<std::u16string>& StartedPrograms() const { return started_; }
    // A top-level window of another program, whose process has the path `programPath`, a dialog box unless
    // `className` says otherwise. One that ignores SC_CLOSE stays open when asked to close; a hung one
    // answers no message.
    WindowHandle OpenWindow(const std::u16string& title, bool closesOnSysCommand = true,
                            const std::u16string& programPath = kOtherProgramPath, bool hung = false,
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
        std::u16string programPath;
        bool hung = false;
    };
    struct Process {
        uint32_t id = 0;
        std::u16string path;
        std::u16string parameters;
        // Programs without a window end at `endTick`; the others when their window closes.
        bool endsOnItsOwn = true;
        uint32_t endTick = 0;
        bool ended = false;
        uint32_t exitCode = 0;
    };
    friend class SimRunningProcess;

    // The error the failure plan gives `operation` this time, if any.
    std::optional<uint32_t> Injected(std::string_view operation);
    const Program* FindProgram(const std::u16string& path) const;
    Window* WindowByHandle(WindowHandle handle);
    const Window* WindowByHandle(WindowHandle handle) const;
    uint32_t Now() const;
    // Ends, in the order of their end times, the programs whose time has come.
    void EndDuePrograms();
    // The window closed: a program whose window it was ends with 0.
    void CloseWindow(WindowHandle handle);
    Process* ProcessById(uint32_t id);
    // GetExitCodeProcess, journaled: the exit code, STILL_ACTIVE, or nothing when the call failed.
    std::optional<uint32_t> ReadExitCode(uint32_t process);

    Journal& journal_;
    FailurePlan* failures_;
    std::u16string systemFolder_ = kSimSystemFolder;
    ShellCommandHandler shellHandler_;
    std::vector<std::u16string> files_;  // folded
    std::vector<Program> programs_;
    std::vector<std::u16string> started_;
    std::vector<Window> windows_;
    WindowHandle nextWindow_ = 0x10010;
    std::vector<std::u16string> traces_;
    Clock* clock_ = nullptr;
    PassTime passTime_;
    std::vector<std::pair<std::u16string, SimProgramRun>> programRuns_;  // by folded file name
    std::vector<Process> processes_;
};

}  // namespace aerowisp
