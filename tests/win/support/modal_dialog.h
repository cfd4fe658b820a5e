// Answering a modal dialog from a helper thread, as a user would: wait for it to appear, then act on it.
#pragma once

#include <windows.h>

#include <functional>

namespace aerowisp::test {

inline constexpr DWORD kDialogTimeoutMs = 10000;
inline constexpr DWORD kDialogPollMs = 20;

// Polls `done` until it holds or kDialogTimeoutMs has passed; the result of `done`.
inline bool WaitUntil(const std::function<bool()>& done) {
    const DWORD start = ::GetTickCount();
    while (!done()) {
        if (::GetTickCount() - start >= kDialogTimeoutMs)
            return false;
        ::Sleep(kDialogPollMs);
    }
    return true;
}

// A top-level window of process `processId` with exactly this title; visible ones only when asked, and,
// when `owner` is given, owned by it.
inline HWND FindProcessWindow(DWORD processId, const wchar_t* title, bool visibleOnly, HWND owner = nullptr) {
    for (HWND window = ::FindWindowExW(nullptr, nullptr, nullptr, title); window != nullptr;
         window = ::FindWindowExW(nullptr, window, nullptr, title)) {
        DWORD process = 0;
        ::GetWindowThreadProcessId(window, &process);
        if (process == processId && (!visibleOnly || ::IsWindowVisible(window)) &&
            (owner == nullptr || ::GetWindow(window, GW_OWNER) == owner))
            return window;
    }
    return nullptr;
}

// A visible top-level window of this process with the title, and, when `owner` is given, owned by it.
inline HWND FindWindowOfThisProcess(const wchar_t* title, HWND owner = nullptr) {
    return FindProcessWindow(::GetCurrentProcessId(), title, true, owner);
}

}  // namespace aerowisp::test
