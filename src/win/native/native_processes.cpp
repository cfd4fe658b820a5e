// NativeProcessesAndWindows: one platform call per operation.
#include "native/native_processes.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>

#include "base/handle.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// ShellExecuteW reports success with any value above 31; the smaller ones are error codes.
constexpr INT_PTR kShellExecuteLastError = 31;
// QueryFullProcessImageNameW's buffer, terminator included: long paths are not cut to MAX_PATH.
constexpr DWORD kImagePathBuffer = 32768;

HWND ToWindow(WindowHandle window) {
    return reinterpret_cast<HWND>(window);
}

WindowHandle FromWindow(HWND window) {
    return reinterpret_cast<WindowHandle>(window);
}

struct Enumeration {
    size_t titleBufferLength;
    std::vector<TopLevelWindow> windows;
};

// Exceptions never leave the callback; running out of memory ends the enumeration early.
BOOL CALLBACK CollectWindow(HWND window, LPARAM context) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(context);
    try {
        std::wstring title(enumeration.titleBufferLength, L'\0');
        int copied = 0;
        if (!title.empty())
            copied = ::GetWindowTextW(window, title.data(), static_cast<int>(title.size()));
        title.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
        // 256 characters: the longest class name RegisterClass takes.
        std::wstring className(257, L'\0');
        const int classLength = ::GetClassNameW(window, className.data(), static_cast<int>(className.size()));
        className.resize(classLength > 0 ? static_cast<size_t>(classLength) : 0);
        enumeration.windows.push_back({FromWindow(window), fw::FromWide(title), fw::FromWide(className)});
        return TRUE;
    } catch (...) {
        return FALSE;
    }
}

// GetSystemDirectoryW or GetWindowsDirectoryW into a string; empty when it fails.
template <typename Getter>
std::wstring FolderFrom(Getter getter) {
    std::wstring folder(MAX_PATH, L'\0');
    UINT length = getter(folder.data(), static_cast<UINT>(folder.size()));
    if (length >= folder.size()) {
        // The answer was the size needed, terminator included.
        folder.assign(length, L'\0');
        length = getter(folder.data(), static_cast<UINT>(folder.size()));
        if (length >= folder.size())
            return {};
    }
    folder.resize(length);
    return folder;
}

// CreateProcessW with the program's full wide path as the application (no search, no ANSI conversion)
// and its quoted path first on the command line, as programs expect; no console window appears.
base::KernelHandle StartProcess(const std::u16string& program, const std::u16string& parameters) {
    std::wstring commandLine = L"\"" + fw::ToWide(program) + L"\"";
    if (!parameters.empty())
        commandLine += L" " + fw::ToWide(parameters);
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(fw::ToWide(program).c_str(), commandLine.data(), nullptr, nullptr, FALSE,
                          CREATE_NO_WINDOW, nullptr, nullptr, &startup, &started))
        return {};
    const base::KernelHandle thread(started.hThread);
    return base::KernelHandle(started.hProcess);
}

class NativeRunningProcess final : public RunningProcess {
  public:
    explicit NativeRunningProcess(base::KernelHandle process) : process_(std::move(process)) {}

    std::optional<uint32_t> ExitCode() override {
        DWORD code = 0;
        if (!::GetExitCodeProcess(process_.Get(), &code) || code == STILL_ACTIVE)
            return std::nullopt;
        return code;
    }

  private:
    base::KernelHandle process_;
};

bool IsWow64() {
    BOOL wow64 = FALSE;
    return ::IsWow64Process(::GetCurrentProcess(), &wow64) && wow64;
}

}  // namespace

// A 32-bit program on 64-bit Windows sees the 32-bit programs in System32; the system's own netsh.exe,
// which the hosted network's settings need, is reached through the Sysnative alias.
std::u16string NativeProcessesAndWindows::SystemFolder() {
    if (IsWow64()) {
        const std::wstring windows = FolderFrom(::GetWindowsDirectoryW);
        return windows.empty() ? std::u16string() : fw::FromWide(windows + L"\\Sysnative");
    }
    return fw::FromWide(FolderFrom(::GetSystemDirectoryW));
}

bool NativeProcessesAndWindows::ShellExecuteOpenHidden(const std::u16string& file,
                                                       const std::u16string& parameters) {
    const HINSTANCE result = ::ShellExecuteW(nullptr, L"open", fw::ToWide(file).c_str(),
                                             fw::ToWide(parameters).c_str(), nullptr, SW_HIDE);
    return reinterpret_cast<INT_PTR>(result) > kShellExecuteLastError;
}

ProcessRun NativeProcessesAndWindows::RunHiddenAndWait(const std::u16string& program,
                                                       const std::u16string& parameters, uint32_t timeoutMs) {
    const base::KernelHandle process = StartProcess(program, parameters);
    if (!process)
        return {};
    switch (::WaitForSingleObject(process.Get(), timeoutMs)) {
        case WAIT_OBJECT_0:
            break;
        case WAIT_TIMEOUT:
            return {ProcessRun::Outcome::kTimedOut, 0};
        default:
            return {};
    }
    DWORD code = 0;
    if (!::GetExitCodeProcess(process.Get(), &code))
        return {};
    return {ProcessRun::Outcome::kExited, code};
}

std::unique_ptr<RunningProcess> NativeProcessesAndWindows::StartHidden(const std::u16string& program) {
    base::KernelHandle process = StartProcess(program, {});
    if (!process)
        return nullptr;
    return std::make_unique<NativeRunningProcess>(std::move(process));
}

WindowHandle NativeProcessesAndWindows::FindWindowByTitle(const std::u16string& title) {
    return FromWindow(::FindWindowW(nullptr, fw::ToWide(title).c_str()));
}

void NativeProcessesAndWindows::SendSysCommandClose(WindowHandle window) {
    ::SendMessageW(ToWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
}

bool NativeProcessesAndWindows::SendSysCommandCloseWithin(WindowHandle window, uint32_t timeoutMs) {
    DWORD_PTR answer = 0;
    return ::SendMessageTimeoutW(ToWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0, SMTO_ABORTIFHUNG, timeoutMs,
                                 &answer) != 0;
}

// PROCESS_QUERY_LIMITED_INFORMATION is enough for the image name, and is granted for programs of other
// integrity levels too.
std::u16string NativeProcessesAndWindows::WindowProgramPath(WindowHandle window) {
    DWORD processId = 0;
    if (::GetWindowThreadProcessId(ToWindow(window), &processId) == 0 || processId == 0)
        return {};
    const base::KernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process)
        return {};
    std::wstring path(kImagePathBuffer, L'\0');
    DWORD length = kImagePathBuffer;
    if (!::QueryFullProcessImageNameW(process.Get(), 0, path.data(), &length))
        return {};
    path.resize(length);
    return fw::FromWide(path);
}

std::vector<TopLevelWindow> NativeProcessesAndWindows::EnumTopLevelWindows(size_t titleBufferLength) {
    Enumeration enumeration{std::min<size_t>(titleBufferLength, INT_MAX), {}};
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&enumeration));
    return std::move(enumeration.windows);
}

void NativeProcessesAndWindows::PostCommand(WindowHandle window, uint32_t commandId) {
    ::PostMessageW(ToWindow(window), WM_COMMAND, commandId, 0);
}

bool NativeProcessesAndWindows::DeleteFileAt(const std::u16string& path) {
    return ::DeleteFileW(fw::ToWide(path).c_str()) != FALSE;
}

void NativeProcessesAndWindows::TraceDebug(const std::u16string& text) {
    ::OutputDebugStringW(fw::ToWide(text).c_str());
}

}  // namespace aerowisp
