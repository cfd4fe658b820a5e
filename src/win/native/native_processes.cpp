// NativeProcessesAndWindows: one platform call per operation.
#include "native/native_processes.h"

#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <climits>

#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// WinExec and ShellExecuteW report success with any value above 31; the smaller ones are error codes.
constexpr UINT kWinExecLastError = 31;

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
    return reinterpret_cast<INT_PTR>(result) > static_cast<INT_PTR>(kWinExecLastError);
}

bool NativeProcessesAndWindows::WinExecHidden(const std::string& ansiCommandLine) {
    return ::WinExec(ansiCommandLine.c_str(), SW_HIDE) > kWinExecLastError;
}

WindowHandle NativeProcessesAndWindows::FindWindowByTitle(const std::u16string& title) {
    return FromWindow(::FindWindowW(nullptr, fw::ToWide(title).c_str()));
}

void NativeProcessesAndWindows::SendSysCommandClose(WindowHandle window) {
    ::SendMessageW(ToWindow(window), WM_SYSCOMMAND, SC_CLOSE, 0);
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
