// The real Aerowisp.exe on the simulated machine, started beside the test: one copy per user, the
// companion application, the operating-system check and the close clean-up, seen from outside.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "base/handle.h"
#include "support/modal_dialog.h"
#include "support/test_window.h"
#include "support/windows_version_guard.h"

namespace aerowisp {
namespace {

using test::FindProcessWindow;
using test::PumpUntil;

constexpr wchar_t kMainWindowTitle[] = L"Aerowisp";
constexpr wchar_t kSettingsKey[] = L"Software\\Duva DI";
constexpr wchar_t kCompanionEvent[] = L"BrevoAppRunning";
constexpr UINT kLaunchCommand = 32778;
// Exit in the menu of a machine without a card.
constexpr UINT kExitCommand = 32792;
// The Extended AP Settings dialog's controls.
constexpr int kOkButton = 1105;
constexpr int kSsidBox = 1106;
constexpr int kKeyBox = 1107;
constexpr int kConfirmBox = 1108;
// A start may include the wait after boot (8 s) when the machine has only just come up.
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kTimeoutMs = 10000;

// The program's path as Wine's Z: drive shows the build folder.
std::wstring ProgramPath() {
    std::wstring path = L"Z:";
    for (char c : std::string(AEROWISP_EXE_PATH))
        path += c == '/' ? L'\\' : static_cast<wchar_t>(c);
    return path;
}

// A file in the program's folder.
std::wstring ProgramFile(const wchar_t* name) {
    std::wstring path = ProgramPath();
    path.resize(path.find_last_of(L'\\') + 1);
    return path + name;
}

// Deletes a file of the program's folder now and again at the end of the test, whatever happens.
class ScopedProgramFile {
  public:
    explicit ScopedProgramFile(const wchar_t* name) : m_path(ProgramFile(name)) {
        ::DeleteFileW(m_path.c_str());
    }
    ~ScopedProgramFile() { ::DeleteFileW(m_path.c_str()); }
    ScopedProgramFile(const ScopedProgramFile&) = delete;
    ScopedProgramFile& operator=(const ScopedProgramFile&) = delete;

    const wchar_t* Path() const { return m_path.c_str(); }

  private:
    std::wstring m_path;
};

std::wstring TempFile(const std::wstring& name) {
    wchar_t folder[MAX_PATH] = L"";
    ::GetTempPathW(MAX_PATH, folder);
    return std::wstring(folder) + name + L"-" + std::to_wstring(::GetCurrentProcessId()) + L".txt";
}

// The first field of each journal line: the operation.
std::vector<std::string> JournalOperations(const std::wstring& path) {
    std::vector<std::string> operations;
    std::ifstream file{std::filesystem::path(path)};
    for (std::string line; std::getline(file, line);)
        operations.push_back(line.substr(0, line.find('\t')));
    return operations;
}

bool Contains(const std::vector<std::string>& operations, const std::string& operation) {
    return std::ranges::find(operations, operation) != operations.end();
}

int CountWindowsTitled(const wchar_t* title) {
    int count = 0;
    for (HWND window = ::FindWindowExW(nullptr, nullptr, nullptr, title); window != nullptr;
         window = ::FindWindowExW(nullptr, window, nullptr, title))
        ++count;
    return count;
}

// One run of Aerowisp.exe --simulate with a journal of its own. A run still going at the end of the
// test is closed like a user would, and only killed when it does not end.
class AerowispRun {
  public:
    // Without a scenario file the built-in scenario runs; `options` come before the simulation's.
    explicit AerowispRun(const std::wstring& journalName, const std::wstring& scenario = L"",
                         const std::wstring& options = L"")
        : m_journal(TempFile(journalName)) {
        ::DeleteFileW(m_journal.c_str());
        std::wstring commandLine = L"\"" + ProgramPath() + L"\" " + options + L" --simulate ";
        if (!scenario.empty())
            commandLine += L"\"" + scenario + L"\" ";
        commandLine += L"--journal \"" + m_journal + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION started{};
        if (::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                             &startup, &started)) {
            m_process.Reset(started.hProcess);
            base::KernelHandle thread(started.hThread);
            m_processId = started.dwProcessId;
        }
    }
    ~AerowispRun() {
        if (m_process && !HasEnded()) {
            if (HWND window = MainWindow(false))
                ::PostMessageW(window, WM_CLOSE, 0, 0);
            if (!WaitForEnd(kTimeoutMs)) {
                ::TerminateProcess(m_process.Get(), 1);
                ::WaitForSingleObject(m_process.Get(), kTimeoutMs);
            }
        }
        ::DeleteFileW(m_journal.c_str());
    }
    AerowispRun(const AerowispRun&) = delete;
    AerowispRun& operator=(const AerowispRun&) = delete;

    bool Started() const { return static_cast<bool>(m_process); }
    DWORD ProcessId() const { return m_processId; }
    HWND MainWindow(bool visibleOnly) const {
        return FindProcessWindow(m_processId, kMainWindowTitle, visibleOnly);
    }
    bool HasEnded() const { return ::WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0; }
    // Keeps this thread's windows answering while it waits.
    bool WaitForEnd(DWORD timeoutMs) const {
        return PumpUntil([&] { return HasEnded(); }, timeoutMs);
    }
    DWORD ExitCode() const {
        DWORD code = STILL_ACTIVE;
        ::GetExitCodeProcess(m_process.Get(), &code);
        return code;
    }
    std::vector<std::string> Journal() const { return JournalOperations(m_journal); }

  private:
    std::wstring m_journal;
    base::KernelHandle m_process;
    DWORD m_processId = 0;
};

// Stores AP+STA as the current mode, so the next start-up asks for the network's settings first.
void StoreApMode() {
    const DWORD apMode = 1;
    ASSERT_EQ(ERROR_SUCCESS, ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Current Mode", REG_DWORD,
                                               &apMode, sizeof(apMode)));
}

// The Extended AP Settings dialog of the run, once shown; null when it does not come.
HWND WaitForApSettingsDialog(const AerowispRun& run) {
    HWND dialog = nullptr;
    PumpUntil(
        [&] {
            return (dialog = FindProcessWindow(run.ProcessId(), L"Extended AP Settings", true)) != nullptr;
        },
        kStartTimeoutMs);
    return dialog;
}

// Confirms the dialog with a network name and key, or cancels it.
void AnswerApSettings(HWND dialog, bool confirm) {
    if (confirm) {
        ::SetDlgItemTextW(dialog, kSsidBox, L"Test AP");
        ::SetDlgItemTextW(dialog, kKeyBox, L"secret123");
        ::SetDlgItemTextW(dialog, kConfirmBox, L"secret123");
        ::PostMessageW(dialog, WM_COMMAND, kOkButton, 0);
    } else {
        ::PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

class StartupProcessTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey);
        ASSERT_EQ(0, CountWindowsTitled(kMainWindowTitle)) << "another Aerowisp is still running";
    }
    void TearDown() override { ::RegDeleteTreeW(HKEY_CURRENT_USER, kSettingsKey); }

    static DWORD ShowWindowRequest() {
        DWORD value = 0;
        DWORD size = sizeof(value);
        ::RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Show Window", RRF_RT_REG_DWORD, nullptr, &value,
                       &size);
        return value;
    }
    static bool SettingsKeyExists() {
        base::RegistryKey key;
        return ::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKey, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
    }
};

TEST_F(StartupProcessTest, SecondCopyAsksTheRunningOneToShowItselfAndEnds) {
    AerowispRun first(L"aerowisp-first");
    ASSERT_TRUE(first.Started());
    ASSERT_TRUE(PumpUntil([&] { return first.MainWindow(true) != nullptr; }, kStartTimeoutMs));
    // Hidden to the notification area, so that the request is seen answered: the running copy polls and
    // clears it on its own time.
    ASSERT_TRUE(::PostMessageW(first.MainWindow(false), WM_SYSCOMMAND, SC_CLOSE, 0));
    ASSERT_TRUE(PumpUntil([&] { return first.MainWindow(true) == nullptr; }, kTimeoutMs));

    AerowispRun second(L"aerowisp-second");
    ASSERT_TRUE(second.Started());
    ASSERT_TRUE(second.WaitForEnd(kTimeoutMs)) << "the second copy ends on its own";
    EXPECT_EQ(0u, second.ExitCode());
    EXPECT_TRUE(PumpUntil([&] { return first.MainWindow(true) != nullptr; }, kTimeoutMs))
        << "the running copy shows itself";
    EXPECT_EQ(0u, ShowWindowRequest()) << "and takes the request away";
    EXPECT_EQ(1, CountWindowsTitled(kMainWindowTitle));
    const std::vector<std::string> secondJournal = second.Journal();
    EXPECT_FALSE(Contains(secondJournal, "MainWindowShown"));
    EXPECT_FALSE(Contains(secondJournal, "WlanOpenHandle"))
        << "the second copy never reaches the WLAN service";

    ASSERT_TRUE(::PostMessageW(first.MainWindow(false), WM_CLOSE, 0, 0));
    ASSERT_TRUE(first.WaitForEnd(kTimeoutMs));
    EXPECT_EQ(0u, first.ExitCode());
    const std::vector<std::string> firstJournal = first.Journal();
    EXPECT_TRUE(Contains(firstJournal, "MainWindowShown"));
    EXPECT_TRUE(Contains(firstJournal, "WlanCloseHandle")) << "the close clean-up ran";
}

TEST_F(StartupProcessTest, WithTheCompanionRunningTheProgramWakesItsWindowsAndEnds) {
    base::KernelHandle companion(::CreateEventW(nullptr, TRUE, FALSE, kCompanionEvent));
    ASSERT_TRUE(companion);
    test::TestWindow companionWindow(L"Test Aerowisp companion", true);
    test::TestWindow otherWindow(L"Test companion without the name", true);
    // Not a dialog box: a window of another program that only names the product, such as Explorer's.
    test::TestWindow folderWindow(L"Test Aerowisp folder");

    AerowispRun run(L"aerowisp-companion");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));
    EXPECT_EQ(0u, run.ExitCode());
    // Posted before the program ended, so the commands are already queued.
    PumpUntil([&] { return !companionWindow.Record().commands.empty(); }, kTimeoutMs);

    ASSERT_EQ(1u, companionWindow.Record().commands.size());
    EXPECT_EQ(kLaunchCommand, companionWindow.Record().commands.front().wParam);
    EXPECT_EQ(0, companionWindow.Record().commands.front().lParam);
    EXPECT_TRUE(otherWindow.Record().commands.empty());
    EXPECT_TRUE(folderWindow.Record().commands.empty());
    const std::vector<std::string> journal = run.Journal();
    EXPECT_FALSE(Contains(journal, "MainWindowShown"));
    EXPECT_FALSE(Contains(journal, "WlanOpenHandle"));
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(StartupProcessTest, UnsupportedSystemIsToldAndTheProgramEndsWithNothingWritten) {
    test::WindowsVersionGuard guard;
    ASSERT_TRUE(test::WindowsVersionGuard::Set("ProductName", "Microsoft Windows 10 Pro"));
    ASSERT_TRUE(test::WindowsVersionGuard::Set("CurrentVersion", "6.3"));

    AerowispRun run(L"aerowisp-unsupported");
    ASSERT_TRUE(run.Started());
    HWND message = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (message = run.MainWindow(true)) != nullptr; }, kStartTimeoutMs))
        << "a message box captioned Aerowisp";
    const std::vector<std::wstring> texts = test::ChildTexts(message);
    EXPECT_NE(texts.end(), std::ranges::find(texts, L"Sorry! We do not support this operation system!"));
    ::PostMessageW(message, WM_COMMAND, IDOK, 0);

    ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));
    EXPECT_EQ(0u, run.ExitCode());
    const std::vector<std::string> journal = run.Journal();
    EXPECT_FALSE(Contains(journal, "MainWindowShown"));
    EXPECT_FALSE(Contains(journal, "WlanOpenHandle"));
    EXPECT_FALSE(SettingsKeyExists());
}

TEST_F(StartupProcessTest, StartHiddenMarkerHidesTheFirstStartOnly) {
    const ScopedProgramFile markerFile(L"ZuroZiz.ini");
    const std::wstring marker = markerFile.Path();
    ASSERT_TRUE(::WritePrivateProfileStringW(L"ZuroZiz", L"Value", L"1", marker.c_str()));
    {
        AerowispRun hidden(L"aerowisp-hidden");
        ASSERT_TRUE(hidden.Started());
        ASSERT_TRUE(PumpUntil(
            [&] {
                HWND window = hidden.MainWindow(false);
                return window != nullptr && !::IsWindowVisible(window) &&
                       ::GetFileAttributesW(marker.c_str()) == INVALID_FILE_ATTRIBUTES;
            },
            kStartTimeoutMs))
            << "the window is hidden at its first frame paint and the marker deleted";
        EXPECT_TRUE(Contains(hidden.Journal(), "DeleteFileW"));
        // The modal loop's own show and the status timers have come and gone meanwhile.
        EXPECT_FALSE(PumpUntil([&] { return hidden.MainWindow(true) != nullptr; }, 3000))
            << "the window stays hidden";
        ASSERT_TRUE(::PostMessageW(hidden.MainWindow(false), WM_COMMAND, kLaunchCommand, 0));
        EXPECT_TRUE(PumpUntil([&] { return hidden.MainWindow(true) != nullptr; }, kTimeoutMs))
            << "the launch command (also the show request's) brings it up";
        ASSERT_TRUE(::PostMessageW(hidden.MainWindow(false), WM_CLOSE, 0, 0));
        ASSERT_TRUE(hidden.WaitForEnd(kTimeoutMs));
    }
    AerowispRun shown(L"aerowisp-shown");
    ASSERT_TRUE(shown.Started());
    ASSERT_TRUE(PumpUntil([&] { return shown.MainWindow(true) != nullptr; }, kStartTimeoutMs));
    EXPECT_FALSE(Contains(shown.Journal(), "DeleteFileW"));
}

// What the logon start passes, as it cannot always write the marker: the window stays hidden, no file.
TEST_F(StartupProcessTest, StartHiddenSwitchHidesTheWindowWithoutAMarker) {
    AerowispRun hidden(L"aerowisp-hidden-switch", L"", L"--start-hidden");
    ASSERT_TRUE(hidden.Started());
    ASSERT_TRUE(PumpUntil([&] { return hidden.MainWindow(false) != nullptr; }, kStartTimeoutMs));
    EXPECT_FALSE(PumpUntil([&] { return hidden.MainWindow(true) != nullptr; }, 3000))
        << "the window stays hidden";
    EXPECT_FALSE(Contains(hidden.Journal(), "DeleteFileW"));
}

// A stored AP+STA mode with no network name stored asks for one before the hosted network starts;
// cancelling leaves station mode, so the close clean-up has no hosted network to stop.
TEST_F(StartupProcessTest, StoredApModeAsksForTheNetworkFirst) {
    struct Case {
        const char* label;
        bool confirm;
    };
    for (const Case c : {Case{"confirmed", true}, Case{"cancelled", false}}) {
        SCOPED_TRACE(c.label);
        const ScopedProgramFile apSettings(L"DuvaDI.ini");
        ASSERT_NO_FATAL_FAILURE(StoreApMode());
        AerowispRun run(L"aerowisp-apmode");
        ASSERT_TRUE(run.Started());
        HWND dialog = WaitForApSettingsDialog(run);
        ASSERT_NE(nullptr, dialog);
        AnswerApSettings(dialog, c.confirm);
        ASSERT_TRUE(PumpUntil([&] { return run.MainWindow(true) != nullptr; }, kTimeoutMs));
        ASSERT_TRUE(::PostMessageW(run.MainWindow(false), WM_CLOSE, 0, 0));
        ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));

        const std::vector<std::string> journal = run.Journal();
        EXPECT_EQ(c.confirm, Contains(journal, "WlanHostedNetworkStartUsing"));
        EXPECT_EQ(c.confirm, Contains(journal, "WlanHostedNetworkStopUsing"))
            << "stopped by the close clean-up";
        wchar_t ssid[64] = L"";
        ::GetPrivateProfileStringW(L"Duva DI", L"SSID", L"", ssid, 64, apSettings.Path());
        EXPECT_EQ(c.confirm ? L"Test AP" : L"", std::wstring(ssid));
    }
}

// A scenario the simulated machine cannot use is told in a message box, and the program ends with 2.
TEST_F(StartupProcessTest, UnusableScenarioIsToldAndEndsTheProgramWithTwo) {
    const std::wstring scenario = TempFile(L"aerowisp-bad-scenario");
    struct Case {
        const char* label;
        std::string content;  // empty: no such file
        std::wstring told;
    };
    const Case cases[] = {
        {"bytes that are not UTF-8",
         "[Machine]\nComputerName = caf\xe9\n[Card]\nGuid = "
         "3b5f8c21-9a4e-4d7b-b0c6-2e1f7a9d4c58\nDescription = \xff\xfe\n",
         L"line 2: "},
        {"no such file", "", L"cannot read the scenario file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ::DeleteFileW(scenario.c_str());
        if (!c.content.empty()) {
            base::KernelHandle file(::CreateFileW(scenario.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                  FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(file);
            DWORD written = 0;
            ASSERT_TRUE(::WriteFile(file.Get(), c.content.data(), static_cast<DWORD>(c.content.size()),
                                    &written, nullptr));
        }
        AerowispRun run(L"aerowisp-bad-scenario-journal", scenario);
        ASSERT_TRUE(run.Started());
        HWND message = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (message = run.MainWindow(true)) != nullptr; }, kStartTimeoutMs))
            << "a message box captioned Aerowisp";
        const std::vector<std::wstring> texts = test::ChildTexts(message);
        EXPECT_TRUE(std::ranges::any_of(
            texts, [&](const std::wstring& text) { return text.find(c.told) != std::wstring::npos; }));
        ::PostMessageW(message, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));
        EXPECT_EQ(2u, run.ExitCode());
    }
    ::DeleteFileW(scenario.c_str());
}

// A close that arrives while a start-up dialog is open ends the program after that dialog, with one
// close clean-up and nothing after it.
TEST_F(StartupProcessTest, CloseDuringAStartUpDialogEndsTheProgramAfterIt) {
    for (const bool confirm : {true, false}) {
        SCOPED_TRACE(confirm ? "confirmed" : "cancelled");
        const ScopedProgramFile apSettings(L"DuvaDI.ini");
        ASSERT_NO_FATAL_FAILURE(StoreApMode());
        AerowispRun run(L"aerowisp-close-in-dialog");
        ASSERT_TRUE(run.Started());
        HWND dialog = WaitForApSettingsDialog(run);
        ASSERT_NE(nullptr, dialog);
        ASSERT_TRUE(::PostMessageW(run.MainWindow(false), WM_CLOSE, 0, 0));
        PumpUntil([] { return false; }, 500);
        EXPECT_FALSE(run.HasEnded()) << "the dialog is still open";
        AnswerApSettings(dialog, confirm);
        ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));
        EXPECT_EQ(0u, run.ExitCode());
        const std::vector<std::string> journal = run.Journal();
        EXPECT_EQ(1, std::ranges::count(journal, "WlanCloseHandle"));
        const auto closed = std::ranges::find(journal, "WlanCloseHandle");
        EXPECT_TRUE(std::none_of(closed, journal.end(), [](const std::string& op) {
            return op.starts_with("Wlan") && op != "WlanCloseHandle";
        })) << "nothing reaches the WLAN service after its handle is closed";
        EXPECT_EQ(confirm, Contains(journal, "WlanHostedNetworkStopUsing")) << "a started network is stopped";
    }
}

// Enter must not end the modal run, which would skip the clean-up; with the notification-area icon in
// place Esc only hides the window, and the tray's Exit ends the program through the clean-up. Posted
// messages arrive in order, so a run ended by Enter or Esc would leave before the Exit.
TEST_F(StartupProcessTest, EnterAndEscHideAndTrayExitRunsTheCloseCleanUp) {
    AerowispRun run(L"aerowisp-keys");
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(PumpUntil([&] { return run.MainWindow(true) != nullptr; }, kStartTimeoutMs));
    HWND window = run.MainWindow(false);
    ASSERT_TRUE(::PostMessageW(window, WM_COMMAND, IDOK, 0));
    ASSERT_TRUE(::PostMessageW(window, WM_COMMAND, IDCANCEL, 0));
    ASSERT_TRUE(PumpUntil([&] { return run.MainWindow(true) == nullptr; }, kTimeoutMs));
    EXPECT_FALSE(run.HasEnded());
    EXPECT_EQ(window, run.MainWindow(false));

    ASSERT_TRUE(::PostMessageW(window, WM_COMMAND, kExitCommand, 0));
    ASSERT_TRUE(run.WaitForEnd(kTimeoutMs));
    EXPECT_EQ(0u, run.ExitCode());
    const std::vector<std::string> journal = run.Journal();
    EXPECT_EQ(1, std::ranges::count(journal, "WlanCloseHandle"));
}

}  // namespace
}  // namespace aerowisp
