// Port: other programs and their windows: netsh.exe and the DHCP server started hidden, top-level
// windows found by title and sent commands, the one file deletion and the debug trace of start-up.
// Implementations: NativeProcessesAndWindows (src/win/native, over the shell, WinExec and the window
// manager), SimProcessesAndWindows (src/sim, journals each call over declared windows and files).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp {

// A top-level window (an HWND on Windows); 0 means "no window".
using WindowHandle = uintptr_t;

// The window class of dialog boxes, which every window of this product is.
inline constexpr char16_t kDialogWindowClass[] = u"#32770";

struct TopLevelWindow {
    WindowHandle handle = 0;
    std::u16string title;
    // GetClassNameW's answer, such as kDialogWindowClass.
    std::u16string className;
};

class ProcessesAndWindows {
  public:
    virtual ~ProcessesAndWindows() = default;

    // The folder of the system's own programs such as netsh.exe, without a trailing backslash: System32
    // (GetSystemDirectoryW), or "%windir%\Sysnative" for a 32-bit program on 64-bit Windows, which
    // would otherwise be sent to the 32-bit copies. Empty when it is unknown.
    virtual std::u16string SystemFolder() = 0;
    // ShellExecuteW(NULL, "open", file, parameters, NULL, SW_HIDE). Not awaited: true when the program
    // was started (ShellExecuteW gave more than 32), whatever it then does.
    virtual bool ShellExecuteOpenHidden(const std::u16string& file, const std::u16string& parameters) = 0;
    // WinExec(commandLine, SW_HIDE) with the command line in the ANSI code page. Not awaited; true when
    // the program was started.
    virtual bool WinExecHidden(const std::string& ansiCommandLine) = 0;

    // FindWindowW(NULL, title): a top-level window whose title is exactly `title`, or 0.
    virtual WindowHandle FindWindowByTitle(const std::u16string& title) = 0;
    // SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0).
    virtual void SendSysCommandClose(WindowHandle window) = 0;
    // EnumWindows with GetWindowTextW into a buffer of `titleBufferLength` characters, so each title
    // holds at most titleBufferLength - 1 characters, and each window's class name; in the window
    // manager's order.
    virtual std::vector<TopLevelWindow> EnumTopLevelWindows(size_t titleBufferLength) = 0;
    // PostMessageW(window, WM_COMMAND, commandId, 0).
    virtual void PostCommand(WindowHandle window, uint32_t commandId) = 0;

    // DeleteFileW: false when the file could not be deleted.
    virtual bool DeleteFileAt(const std::u16string& path) = 0;
    // OutputDebugStringW.
    virtual void TraceDebug(const std::u16string& text) = 0;
};

}  // namespace aerowisp
