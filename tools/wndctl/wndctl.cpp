// wndctl: finds a top-level window by its exact title and waits for it, closes it, or works its controls.
// Runs inside the same Wine desktop as the program, so FindWindowW sees the program's windows.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

constexpr DWORD kPollMilliseconds = 100;
constexpr DWORD kDefaultTimeoutMilliseconds = 30000;

int Usage() {
    std::fwprintf(stderr,
                  L"usage: wndctl wait TITLE [TIMEOUT_MS]   wait until the window is visible\n"
                  L"       wndctl gone TITLE [TIMEOUT_MS]   wait until no such window exists\n"
                  L"       wndctl close TITLE               post WM_CLOSE\n"
                  L"       wndctl command TITLE ID          post WM_COMMAND ID\n"
                  L"       wndctl click TITLE ID            press button ID (BM_CLICK)\n"
                  L"       wndctl text TITLE ID             print the control's text\n"
                  L"       wndctl enabled TITLE ID          print 1 or 0\n"
                  L"       wndctl visible TITLE [ID]        print 1 or 0\n");
    return 2;
}

DWORD TimeoutArgument(int argc, wchar_t** argv) {
    return argc > 3 ? static_cast<DWORD>(std::wcstoul(argv[3], nullptr, 10)) : kDefaultTimeoutMilliseconds;
}

bool WaitFor(const wchar_t* title, DWORD timeout, bool present) {
    const DWORD start = ::GetTickCount();
    for (;;) {
        HWND window = ::FindWindowW(nullptr, title);
        const bool found = window != nullptr && (!present || ::IsWindowVisible(window));
        if (found == present) return true;
        if (::GetTickCount() - start >= timeout) return false;
        ::Sleep(kPollMilliseconds);
    }
}

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = L"";
    ::GetWindowTextW(window, buffer, 1024);
    return buffer;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) return Usage();
    const std::wstring verb = argv[1];
    const wchar_t* title = argv[2];
    if (verb == L"wait") return WaitFor(title, TimeoutArgument(argc, argv), true) ? 0 : 1;
    if (verb == L"gone") return WaitFor(title, TimeoutArgument(argc, argv), false) ? 0 : 1;

    HWND window = ::FindWindowW(nullptr, title);
    if (window == nullptr) {
        std::fwprintf(stderr, L"wndctl: no window titled \"%ls\"\n", title);
        return 1;
    }
    if (verb == L"close") return ::PostMessageW(window, WM_CLOSE, 0, 0) ? 0 : 1;
    if (verb == L"visible" && argc == 3) {
        std::wprintf(L"%d\n", ::IsWindowVisible(window) ? 1 : 0);
        return 0;
    }
    if (argc < 4) return Usage();
    const int id = static_cast<int>(std::wcstol(argv[3], nullptr, 10));
    if (verb == L"command") return ::PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0) ? 0 : 1;
    HWND control = ::GetDlgItem(window, id);
    if (control == nullptr) {
        std::fwprintf(stderr, L"wndctl: window \"%ls\" has no control %d\n", title, id);
        return 1;
    }
    if (verb == L"click") {
        ::SendMessageW(control, BM_CLICK, 0, 0);
        return 0;
    }
    if (verb == L"text") {
        std::wprintf(L"%ls\n", TextOf(control).c_str());
        return 0;
    }
    if (verb == L"enabled") {
        std::wprintf(L"%d\n", ::IsWindowEnabled(control) ? 1 : 0);
        return 0;
    }
    if (verb == L"visible") {
        std::wprintf(L"%d\n", ::IsWindowVisible(control) ? 1 : 0);
        return 0;
    }
    return Usage();
}
