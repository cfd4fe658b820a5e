// bench_launch: starts two programs in turn and measures them from outside for scripts/bench. Runs inside
// the same Wine desktop as the programs, so FindWindowW sees their windows.
//   bench_launch start PAIRS TITLE_A COMMAND_A TITLE_B COMMAND_B
//       one unmeasured start of each, then PAIRS alternated starts of A and B; for each start one line
//       "run A|B MILLISECONDS PEAK_KIB": the time from CreateProcess until a visible top-level window
//       with the exact title belongs to the process, and the peak working set once it has settled
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "fw/handle.h"

namespace {

constexpr DWORD kPollMilliseconds = 1;
constexpr DWORD kTimeoutMilliseconds = 30000;
// After the window shows, the program finishes painting and its first timers run before the
// working set is read.
constexpr DWORD kSettleMilliseconds = 1500;

int Usage() {
    std::fwprintf(stderr, L"usage: bench_launch start PAIRS TITLE_A COMMAND_A TITLE_B COMMAND_B\n");
    return 2;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const LONGLONG frequency = [] {
        LARGE_INTEGER f{};
        ::QueryPerformanceFrequency(&f);
        return f.QuadPart;
    }();
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency);
}

LARGE_INTEGER Now() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now;
}

struct EnumState {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM param) {
    auto* state = reinterpret_cast<EnumState*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t text[128] = L"";
    if (owner == state->processId && ::IsWindowVisible(window) &&
        ::GetWindowTextW(window, text, static_cast<int>(std::size(text))) > 0 &&
        std::wcscmp(text, state->title) == 0) {
        state->found = window;
        return FALSE;
    }
    return TRUE;
}

// A visible window of the process with this title; FindWindowW first, as it is the cheap test.
HWND VisibleWindowOf(DWORD processId, const wchar_t* title) {
    HWND window = ::FindWindowW(nullptr, title);
    if (window == nullptr || !::IsWindowVisible(window))
        return nullptr;
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == processId)
        return window;
    EnumState state{processId, title, nullptr};
    ::EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&state));
    return state.found;
}

class Launch {
  public:
    explicit Launch(std::wstring commandLine) {
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        start_ = Now();
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started)) {
            process_.Reset(started.hProcess);
            processId_ = started.dwProcessId;
            const fw::KernelHandle thread(started.hThread);
        }
    }
    ~Launch() {
        if (!process_)
            return;
        if (window_ != nullptr)
            ::PostMessageW(window_, WM_CLOSE, 0, 0);
        if (::WaitForSingleObject(process_.Get(), kTimeoutMilliseconds) != WAIT_OBJECT_0) {
            ::TerminateProcess(process_.Get(), 1);
            ::WaitForSingleObject(process_.Get(), kTimeoutMilliseconds);
        }
    }
    Launch(const Launch&) = delete;
    Launch& operator=(const Launch&) = delete;

    // Seconds from CreateProcess until the window is visible, or a negative number.
    double WaitVisible(const wchar_t* title) {
        if (!process_)
            return -1;
        for (;;) {
            window_ = VisibleWindowOf(processId_, title);
            const LARGE_INTEGER now = Now();
            if (window_ != nullptr)
                return Seconds(start_, now);
            if (Seconds(start_, now) * 1000 > kTimeoutMilliseconds ||
                ::WaitForSingleObject(process_.Get(), kPollMilliseconds) == WAIT_OBJECT_0)
                return -1;
        }
    }
    SIZE_T PeakWorkingSetKib() const {
        PROCESS_MEMORY_COUNTERS counters{};
        counters.cb = sizeof(counters);
        if (!::GetProcessMemoryInfo(process_.Get(), &counters, sizeof(counters)))
            return 0;
        return counters.PeakWorkingSetSize / 1024;
    }

  private:
    fw::KernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
    LARGE_INTEGER start_{};
};

// One start: prints its line, false when the window never showed.
bool MeasureStart(const wchar_t* label, const wchar_t* title, const wchar_t* commandLine, bool print) {
    Launch launch(commandLine);
    const double seconds = launch.WaitVisible(title);
    if (seconds < 0) {
        std::fwprintf(stderr, L"bench_launch: no visible window \"%ls\" from %ls\n", title, commandLine);
        return false;
    }
    ::Sleep(kSettleMilliseconds);
    if (print)
        std::wprintf(L"run %ls %.1f %zu\n", label, seconds * 1000, launch.PeakWorkingSetKib());
    std::fflush(stdout);
    return true;
}

int Start(int pairs, wchar_t** argv) {
    const wchar_t* titles[] = {argv[0], argv[2]};
    const wchar_t* commands[] = {argv[1], argv[3]};
    const wchar_t* labels[] = {L"A", L"B"};
    for (int i = 0; i < 2; ++i)
        if (!MeasureStart(labels[i], titles[i], commands[i], false))
            return 1;
    for (int pair = 0; pair < pairs; ++pair)
        for (int i = 0; i < 2; ++i)
            if (!MeasureStart(labels[i], titles[i], commands[i], true))
                return 1;
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 7 && std::wcscmp(argv[1], L"start") == 0)
        return Start(static_cast<int>(std::wcstol(argv[2], nullptr, 10)), argv + 3);
    return Usage();
}
