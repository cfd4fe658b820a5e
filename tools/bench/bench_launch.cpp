// bench_launch: starts programs in turn and measures them from outside for scripts/bench. Runs inside
// the same Wine desktop as the programs, so FindWindowW sees their windows.
//   bench_launch start ROUNDS TITLE_A COMMAND_A TITLE_B COMMAND_B [TITLE_C COMMAND_C ...]
//       one unmeasured start of each, then ROUNDS rounds of one start of each in turn; for each start
//       one line "run A|B|C... MILLISECONDS PEAK_KIB": the time from CreateProcess until a visible
//       top-level window with the exact title belongs to the process, and the peak working set once it
//       has settled
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "base/handle.h"

namespace {

constexpr DWORD kPollMilliseconds = 1;
constexpr DWORD kTimeoutMilliseconds = 30000;
// After the window shows, the program finishes painting and its first timers run before the
// working set is read.
constexpr DWORD kSettleMilliseconds = 1500;

int Usage() {
    std::fwprintf(
        stderr,
        L"usage: bench_launch start ROUNDS TITLE_A COMMAND_A TITLE_B COMMAND_B [TITLE COMMAND ...]\n");
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
            const base::KernelHandle thread(started.hThread);
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
    base::KernelHandle process_;
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

// The programs are labelled A, B, C... in the order given.
constexpr int kMostPrograms = 26;

int Start(int rounds, int programs, wchar_t** argv) {
    auto measure = [&](bool print) {
        for (int i = 0; i < programs; ++i) {
            const wchar_t label[] = {static_cast<wchar_t>(L'A' + i), L'\0'};
            if (!MeasureStart(label, argv[2 * i], argv[2 * i + 1], print))
                return false;
        }
        return true;
    };
    if (!measure(false))
        return 1;
    for (int round = 0; round < rounds; ++round)
        if (!measure(true))
            return 1;
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int programs = (argc - 3) / 2;
    if (argc >= 7 && (argc - 3) % 2 == 0 && programs <= kMostPrograms && std::wcscmp(argv[1], L"start") == 0)
        return Start(static_cast<int>(std::wcstol(argv[2], nullptr, 10)), programs, argv + 3);
    return Usage();
}
