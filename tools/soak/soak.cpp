// soak: starts Aerowisp.exe on a simulated machine and drives it for a while with random but seeded user
// and machine events, sampling its GDI and USER objects, kernel handles and private bytes; passes when the
// window answered throughout and the counts end close to where they were after the warm-up.
// usage: soak AEROWISP_EXE MINUTES SEED [SCENARIO]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <random>
#include <string>
#include <vector>

#include "app/machine_event.h"
#include "core/resource.h"
#include "base/handle.h"

namespace {

constexpr DWORD kEventIntervalMs = 150;
constexpr DWORD kSampleIntervalMs = 2000;
constexpr DWORD kAnswerTimeoutMs = 5000;
constexpr DWORD kStartTimeoutMs = 60000;
constexpr DWORD kEndTimeoutMs = 30000;
// The counts taken after this share of the run are the baseline: by then every page, picture and
// dialog resource the program keeps has been made once.
constexpr double kWarmUpShare = 0.2;
// How far the last sample may lie above the baseline.
constexpr long kGdiSlack = 16;
constexpr long kUserSlack = 16;
constexpr long kHandleSlack = 32;
constexpr long kPrivateSlackKiB = 8192;

struct Sample {
    double seconds = 0;
    long gdi = 0;
    long user = 0;
    long handles = 0;
    long privateKiB = 0;
};

Sample Measure(HANDLE process, double seconds) {
    Sample sample;
    sample.seconds = seconds;
    sample.gdi = static_cast<long>(::GetGuiResources(process, GR_GDIOBJECTS));
    sample.user = static_cast<long>(::GetGuiResources(process, GR_USEROBJECTS));
    DWORD handles = 0;
    if (::GetProcessHandleCount(process, &handles))
        sample.handles = static_cast<long>(handles);
    PROCESS_MEMORY_COUNTERS_EX memory{};
    memory.cb = sizeof(memory);
    if (::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory), sizeof(memory)))
        sample.privateKiB = static_cast<long>(memory.PrivateUsage / 1024);
    return sample;
}

void Print(const char* label, const Sample& s) {
    std::printf("%-9s %8.1f %6ld %6ld %8ld %12ld\n", label, s.seconds, s.gdi, s.user, s.handles,
                s.privateKiB);
}

bool Answers(HWND window) {
    DWORD_PTR ignored = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerTimeoutMs, &ignored) != 0;
}

struct ProcessWindows {
    DWORD processId;
    HWND main;
    std::vector<HWND> others;
};

// A named callback: on x86 EnumWindows wants a stdcall function, which a lambda does not convert to.
BOOL CALLBACK CollectOtherDialog(HWND window, LPARAM param) {
    auto* found = reinterpret_cast<ProcessWindows*>(param);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    wchar_t className[16] = {};
    ::GetClassNameW(window, className, 16);
    if (owner == found->processId && window != found->main && ::IsWindowVisible(window) &&
        std::wcscmp(className, L"#32770") == 0)
        found->others.push_back(window);
    return TRUE;
}

// Message boxes and dialogs the events opened: closed like a user would, so the run goes on.
void CloseOtherDialogs(DWORD processId, HWND main) {
    ProcessWindows found{processId, main, {}};
    ::EnumWindows(CollectOtherDialog, reinterpret_cast<LPARAM>(&found));
    for (HWND dialog : found.others)
        ::PostMessageW(dialog, WM_CLOSE, 0, 0);
}

struct Event {
    const char* name;
    int weight;
};

// What a user and the machine do, and how often, relative to each other.
constexpr Event kEvents[] = {
    {"mode button", 6},    {"radio button", 4},   {"link status page", 6}, {"association page", 6},
    {"ICS/About page", 6}, {"show window", 3},    {"hide window", 3},      {"Explorer restart", 2},
    {"card removal", 1},   {"card insertion", 1}, {"suspend", 1},          {"resume", 1},
    {"station joins", 3},  {"station leaves", 3},
};

void Raise(size_t event, HWND main, UINT taskbarCreated, UINT machineEvent) {
    auto command = [main](UINT id) { ::PostMessageW(main, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); };
    auto machine = [main, machineEvent](aerowisp::MachineEvent what) {
        DWORD_PTR ignored = 0;
        ::SendMessageTimeoutW(main, machineEvent, static_cast<WPARAM>(what), 0, SMTO_ABORTIFHUNG,
                              kAnswerTimeoutMs, &ignored);
    };
    switch (event) {
        case 0:
            command(IDC_MODE_BUTTON);
            break;
        case 1:
            command(IDC_RADIO_BUTTON);
            break;
        case 2:
            command(IDC_LINK_STATUS_BUTTON);
            break;
        case 3:
            command(IDC_ASSOC_LIST_BUTTON);
            break;
        case 4:
            command(IDC_ICS_BUTTON);
            break;
        case 5:
            command(ID_LAUNCH_CONFIG_UTILITY);
            break;
        case 6:
            ::PostMessageW(main, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case 7:
            ::PostMessageW(main, taskbarCreated, 0, 0);
            break;
        case 8:
            machine(aerowisp::MachineEvent::kCardRemoved);
            break;
        case 9:
            machine(aerowisp::MachineEvent::kCardInserted);
            break;
        case 10:
            machine(aerowisp::MachineEvent::kSuspend);
            break;
        case 11:
            machine(aerowisp::MachineEvent::kResume);
            break;
        case 12:
            machine(aerowisp::MachineEvent::kStationJoined);
            break;
        default:
            machine(aerowisp::MachineEvent::kStationLeft);
            break;
    }
}

HWND WaitForMainWindow(HANDLE process) {
    for (DWORD waited = 0; waited < kStartTimeoutMs; waited += 100) {
        if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0)
            return nullptr;
        if (HWND window = ::FindWindowW(L"#32770", L"Aerowisp"); window != nullptr && Answers(window))
            return window;
        ::Sleep(100);
    }
    return nullptr;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 4) {
        std::fputs("usage: soak AEROWISP_EXE MINUTES SEED [SCENARIO]\n", stderr);
        return 2;
    }
    const double minutes = std::wcstod(argv[2], nullptr);
    const unsigned seed = static_cast<unsigned>(std::wcstoul(argv[3], nullptr, 10));
    std::wstring commandLine = L"\"" + std::wstring(argv[1]) + L"\" --simulate";
    if (argc > 4)
        commandLine += L" \"" + std::wstring(argv[4]) + L"\"";

    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &started)) {
        std::fprintf(stderr, "soak: the program did not start (error %lu)\n", ::GetLastError());
        return 1;
    }
    const base::KernelHandle thread(started.hThread);
    const base::KernelHandle ownedProcess(started.hProcess);
    const HANDLE process = ownedProcess.Get();
    const HWND main = WaitForMainWindow(process);
    if (main == nullptr) {
        std::fputs("soak: the main window never came up\n", stderr);
        ::TerminateProcess(process, 1);
        return 1;
    }

    const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
    const UINT machineEvent = ::RegisterWindowMessageW(aerowisp::kMachineEventMessage);
    std::mt19937 random(seed);
    std::vector<int> weights;
    for (const Event& event : kEvents)
        weights.push_back(event.weight);
    std::discrete_distribution<size_t> pick(weights.begin(), weights.end());
    std::vector<int> raised(std::size(kEvents), 0);

    const ULONGLONG start = ::GetTickCount64();
    const double total = minutes * 60.0;
    std::vector<Sample> samples;
    int answered = 0;
    int asked = 0;
    bool ended = false;
    ULONGLONG nextSample = start;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        const double seconds = static_cast<double>(now - start) / 1000.0;
        if (seconds >= total)
            break;
        if (::WaitForSingleObject(process, 0) == WAIT_OBJECT_0) {
            ended = true;
            break;
        }
        const size_t event = pick(random);
        ++raised[event];
        Raise(event, main, taskbarCreated, machineEvent);
        CloseOtherDialogs(started.dwProcessId, main);
        if (now >= nextSample) {
            ++asked;
            answered += Answers(main) ? 1 : 0;
            samples.push_back(Measure(process, seconds));
            nextSample += kSampleIntervalMs;
        }
        ::Sleep(kEventIntervalMs);
    }

    std::printf("soak: %.1f min, seed %u, events:", minutes, seed);
    for (size_t i = 0; i < std::size(kEvents); ++i)
        std::printf("%s %s %d", i == 0 ? "" : ",", kEvents[i].name, raised[i]);
    std::printf("\nsoak: the window answered %d of %d samples\n", answered, asked);
    bool pass = !ended && answered == asked && samples.size() >= 2;
    if (ended)
        std::puts("soak: the program ended by itself");
    if (samples.size() >= 2) {
        const Sample& baseline =
            samples[static_cast<size_t>(kWarmUpShare * static_cast<double>(samples.size()))];
        const Sample& last = samples.back();
        Sample peak;
        for (const Sample& s : samples) {
            peak.gdi = std::max(peak.gdi, s.gdi);
            peak.user = std::max(peak.user, s.user);
            peak.handles = std::max(peak.handles, s.handles);
            peak.privateKiB = std::max(peak.privateKiB, s.privateKiB);
        }
        std::printf("%-9s %8s %6s %6s %8s %12s\n", "sample", "seconds", "gdi", "user", "handles",
                    "private KiB");
        Print("first", samples.front());
        Print("baseline", baseline);
        Print("last", last);
        Print("max", peak);
        if (peak.gdi == 0 && peak.user == 0 && peak.handles == 0 && peak.privateKiB == 0)
            std::puts(
                "soak: this system does not count another process's objects (Wine); see the process figures");
        pass = pass && last.gdi - baseline.gdi <= kGdiSlack && last.user - baseline.user <= kUserSlack &&
               last.handles - baseline.handles <= kHandleSlack &&
               last.privateKiB - baseline.privateKiB <= kPrivateSlackKiB;
    }

    // A message box the last events opened holds the close back until it is answered, as a user would.
    ::PostMessageW(main, WM_CLOSE, 0, 0);
    bool closed = false;
    for (DWORD waited = 0; !closed && waited < kEndTimeoutMs; waited += kEventIntervalMs) {
        CloseOtherDialogs(started.dwProcessId, main);
        closed = ::WaitForSingleObject(process, kEventIntervalMs) == WAIT_OBJECT_0;
    }
    if (!closed) {
        std::puts("soak: the program did not end after WM_CLOSE");
        ::TerminateProcess(process, 1);
        pass = false;
    }
    std::printf("soak: %s\n", pass ? "PASS" : "FAIL");
    return pass ? 0 : 1;
}
