// The native adapters of the ports against the real (Wine) system: the ANSI code page, the window
// timers, windows and files, the single-instance objects and the Windows version values.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "native/native_code_page.h"
#include "native/native_instance_host.h"
#include "native/native_network_adapters.h"
#include "native/native_processes.h"
#include "native/native_timer_service.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "native/windows_version.h"
#include "support/test_window.h"
#include "support/windows_version_guard.h"

namespace aerowisp {
namespace {

using test::PumpUntil;
using test::TestWindow;

constexpr UINT kWesternCodePage = 1252;
constexpr DWORD kTimeoutMs = 10000;

std::u16string UniqueName(const std::u16string& base) {
    return base + u"-" + fw::FromWide(std::to_wstring(::GetCurrentProcessId()));
}

// ---- ANSI code page ----

struct CodePageCase {
    const char* label;
    std::u16string wide;
    std::string ansi;
};

TEST(NativeAnsiCodePageTest, ConvertsBothWaysInTheWesternCodePage) {
    if (::GetACP() != kWesternCodePage)
        GTEST_SKIP() << "the expected bytes are those of code page 1252; this system uses " << ::GetACP();
    const CodePageCase cases[] = {
        {"empty", u"", ""},
        {"ASCII", u"Duva AP 123", "Duva AP 123"},
        {"Latin-1 letters", u"Caf\u00e9 \u00fc\u00df", "Caf\xe9 \xfc\xdf"},
        {"1252 above Latin-1", u"\u20ac\u2122", "\x80\x99"},
        // Flags 0 let the platform use a similar character where the code page has one.
        {"U+0100 has a best fit", u"A\u0100", "AA"},
        {"CJK is not in the code page", u"\u4e2d\u6587", "??"},
    };
    NativeAnsiCodePage codePage;
    for (const CodePageCase& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.ansi, codePage.WideToAnsi(c.wide));
    }
    for (const CodePageCase& c : cases) {
        if (c.ansi.find('?') != std::string::npos || c.wide.find(u'\u0100') != std::u16string::npos)
            continue;
        SCOPED_TRACE(c.label);
        EXPECT_EQ(c.wide, codePage.AnsiToWide(c.ansi));
    }
}

// ---- Window timers ----

TEST(NativeTimerServiceTest, TicksReachTheWindowUntilTheTimerIsKilled) {
    constexpr TimerId kGuard = 108;
    constexpr TimerId kOther = 112;
    TestWindow window(L"Aerowisp timer test");
    ASSERT_NE(nullptr, window.Handle());
    NativeTimerService timers(window.Handle());
    auto ticksOf = [&](TimerId id) { return std::ranges::count(window.Record().timerTicks, id); };

    EXPECT_EQ(kGuard, timers.SetTimer(kGuard, 10));
    EXPECT_EQ(kOther, timers.SetTimer(kOther, 10));
    ASSERT_TRUE(PumpUntil([&] { return ticksOf(kGuard) >= 2 && ticksOf(kOther) >= 2; }, kTimeoutMs));

    EXPECT_TRUE(timers.KillTimer(kGuard));
    EXPECT_FALSE(timers.KillTimer(kGuard)) << "a timer that no longer runs cannot be killed";
    window.Record().timerTicks.clear();
    ASSERT_TRUE(PumpUntil([&] { return ticksOf(kOther) >= 3; }, kTimeoutMs));
    EXPECT_EQ(0, ticksOf(kGuard)) << "no tick after KillTimer";

    // Setting a running timer again restarts it under the same identifier.
    EXPECT_EQ(kOther, timers.SetTimer(kOther, 10));
    EXPECT_TRUE(timers.KillTimer(kOther));
}

// ---- Windows, programs and files ----

TEST(NativeProcessesTest, FindsAWindowOnlyByItsExactTitleAndAsksItToClose) {
    const std::u16string title = UniqueName(u"Aerowisp test Tftpd32");
    TestWindow window(fw::ToWide(title));
    NativeProcessesAndWindows processes;

    const WindowHandle found = processes.FindWindowByTitle(title);
    EXPECT_EQ(reinterpret_cast<WindowHandle>(window.Handle()), found);
    EXPECT_EQ(0u, processes.FindWindowByTitle(u"Aerowisp test Tftpd32"))
        << "a part of the title is not enough";

    processes.SendSysCommandClose(found);
    EXPECT_EQ(1, window.Record().sysCommandCloses);
}

TEST(NativeProcessesTest, EnumeratesTopLevelWindowsWithTitlesCutToTheBuffer) {
    const std::u16string title = UniqueName(u"Aerowisp enumeration test");
    TestWindow window(fw::ToWide(title));
    NativeProcessesAndWindows processes;
    auto titleOf = [&](size_t bufferLength) -> std::optional<std::u16string> {
        for (const TopLevelWindow& w : processes.EnumTopLevelWindows(bufferLength)) {
            if (w.handle == reinterpret_cast<WindowHandle>(window.Handle()))
                return w.title;
        }
        return std::nullopt;
    };
    EXPECT_EQ(title, titleOf(100));
    EXPECT_EQ(u"Aerowisp ", titleOf(10)) << "a buffer of 10 characters holds 9 and the terminator";
    EXPECT_EQ(u"", titleOf(0));
}

TEST(NativeProcessesTest, PostedCommandArrivesWithAZeroLParam) {
    TestWindow window(fw::ToWide(UniqueName(u"Aerowisp command test")));
    NativeProcessesAndWindows processes;
    processes.PostCommand(reinterpret_cast<WindowHandle>(window.Handle()), 32778);
    ASSERT_TRUE(PumpUntil([&] { return !window.Record().commands.empty(); }, kTimeoutMs));
    EXPECT_EQ(32778u, window.Record().commands.front().wParam);
    EXPECT_EQ(0, window.Record().commands.front().lParam);
}

TEST(NativeProcessesTest, SystemFolderFilesAndPrograms) {
    NativeProcessesAndWindows processes;
    const std::u16string system = processes.SystemFolder();
    ASSERT_FALSE(system.empty());
    EXPECT_NE(u'\\', system.back());
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(fw::ToWide(system + u"\\netsh.exe").c_str()));

    wchar_t folder[MAX_PATH] = L"";
    ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, folder));
    const std::u16string file = fw::FromWide(folder) + UniqueName(u"aerowisp-delete-test") + u".ini";
    base::KernelHandle created(::CreateFileW(fw::ToWide(file).c_str(), GENERIC_WRITE, 0, nullptr,
                                             CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(created);
    created.Reset();
    EXPECT_TRUE(processes.DeleteFileAt(file));
    EXPECT_FALSE(processes.DeleteFileAt(file)) << "a file that is gone cannot be deleted";

    EXPECT_EQ(processes.StartHidden(u"C:\\No Such Folder\\DhcpServer.exe"), nullptr);
}

// hostname.exe copied into a folder no ANSI code page holds, run by its wide path; exit codes come back.
TEST(NativeProcessesTest, RunsProgramsByWidePathAndReadsTheirExitCodes) {
    NativeProcessesAndWindows processes;
    const std::u16string system = processes.SystemFolder();
    const std::u16string cmd = system + u"\\cmd.exe";
    wchar_t temp[MAX_PATH] = L"";
    ASSERT_NE(0u, ::GetTempPathW(MAX_PATH, temp));
    const std::u16string folder =
        fw::FromWide(temp) +
        UniqueName(u"\u041f\u0440\u043e\u0433\u0440\u0430\u043c\u043c\u044b \u5de5\u5177");
    ASSERT_TRUE(::CreateDirectoryW(fw::ToWide(folder).c_str(), nullptr));
    const std::u16string copy = folder + u"\\hostname.exe";
    ASSERT_TRUE(::CopyFileW(fw::ToWide(system + u"\\hostname.exe").c_str(), fw::ToWide(copy).c_str(), FALSE));

    const struct {
        std::u16string program;
        std::u16string parameters;
        ProcessRun::Outcome outcome;
        uint32_t exitCode;
    } cases[] = {
        {cmd, u"/c exit 3", ProcessRun::Outcome::kExited, 3},
        {copy, u"", ProcessRun::Outcome::kExited, 0},
        {folder + u"\\missing.exe", u"", ProcessRun::Outcome::kNotStarted, 0},
    };
    for (const auto& c : cases) {
        const ProcessRun run = processes.RunHiddenAndWait(c.program, c.parameters, kTimeoutMs);
        EXPECT_EQ(run.outcome, c.outcome) << fw::ToWide(c.program).size();
        EXPECT_EQ(run.exitCode, c.exitCode);
    }
    const std::unique_ptr<RunningProcess> started = processes.StartHidden(copy);
    ASSERT_NE(started, nullptr);
    EXPECT_TRUE(PumpUntil([&] { return started->ExitCode().has_value(); }, kTimeoutMs))
        << "hostname.exe ends at once";

    ::DeleteFileW(fw::ToWide(copy).c_str());
    ::RemoveDirectoryW(fw::ToWide(folder).c_str());
}

// Every adapter IP Helper lists has its addresses in dotted form ("0.0.0.0" when it has none).
TEST(NativeNetworkAdaptersTest, ListsEachAdaptersAddresses) {
    NativeNetworkAdapters adapters;
    std::vector<AdapterInfo> listed;
    if (adapters.GetAdaptersInfo(listed) != 0)
        GTEST_SKIP() << "no adapter on this machine";
    for (const AdapterInfo& adapter : listed) {
        ASSERT_FALSE(adapter.ipAddresses.empty()) << adapter.description;
        for (const std::string& address : adapter.ipAddresses)
            EXPECT_EQ(std::count(address.begin(), address.end(), '.'), 3) << address;
    }
}

TEST(NativeProcessesTest, ClosesAWindowWithinATimeAndNamesItsProgram) {
    TestWindow window(fw::ToWide(UniqueName(u"Aerowisp close test")));
    NativeProcessesAndWindows processes;
    const auto handle = reinterpret_cast<WindowHandle>(window.Handle());
    EXPECT_TRUE(processes.SendSysCommandCloseWithin(handle, 1000));
    EXPECT_EQ(1, window.Record().sysCommandCloses);

    wchar_t own[MAX_PATH] = L"";
    ASSERT_NE(0u, ::GetModuleFileNameW(nullptr, own, MAX_PATH));
    EXPECT_EQ(fw::FromWide(own), processes.WindowProgramPath(handle));
    EXPECT_EQ(u"", processes.WindowProgramPath(0));
}

// ---- Single-instance objects ----

TEST(NativeInstanceHostTest, SecondMutexOfTheSameNameFindsTheFirst) {
    const std::u16string name = UniqueName(u"AerowispTestMutex");
    NativeInstanceHost first({});
    NativeInstanceHost second({});
    EXPECT_EQ(MutexCreation::kCreated, first.CreateInstanceMutex(name));
    EXPECT_EQ(MutexCreation::kAlreadyExists, second.CreateInstanceMutex(name));
    second.CloseInstanceMutex();
    first.ReleaseInstanceMutex();
    first.CloseInstanceMutex();

    NativeInstanceHost third({});
    EXPECT_EQ(MutexCreation::kCreated, third.CreateInstanceMutex(name))
        << "the mutex ends with its last handle";
}

TEST(NativeInstanceHostTest, CompanionEventIsOnlyOpenedWhenItExists) {
    const std::u16string name = UniqueName(u"AerowispTestCompanion");
    NativeInstanceHost host({});
    EXPECT_FALSE(host.OpenCompanionEvent(name));

    base::KernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, fw::ToWide(name).c_str()));
    ASSERT_TRUE(event);
    EXPECT_TRUE(host.OpenCompanionEvent(name));
    host.CloseCompanionEvent();
    event.Reset();
    EXPECT_FALSE(host.OpenCompanionEvent(name)) << "the event ends with its last handle";
}

TEST(NativeInstanceHostTest, LeavesTheComApartmentOnceWhateverTheNumberOfCalls) {
    // On a thread of its own, so nothing else of the test run has COM initialised on it.
    HRESULT afterLeaving = E_FAIL;
    HRESULT whileInside = E_FAIL;
    std::thread([&] {
        NativeInstanceHost host({});
        host.EnterComApartment();
        whileInside = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        host.CoUninitialize();
        host.CoUninitialize();
        afterLeaving = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
        if (SUCCEEDED(afterLeaving))
            ::CoUninitialize();
    }).join();
    EXPECT_EQ(RPC_E_CHANGED_MODE, whileInside) << "the host's apartment is single-threaded";
    EXPECT_EQ(S_OK, afterLeaving) << "the apartment was left completely";
}

// ---- Windows version values ----

struct VersionCase {
    const char* label;
    std::optional<std::string> productName;
    std::optional<std::string> currentVersion;
    std::string expectedProductName;
    std::string expectedCurrentVersion;
};

TEST(WindowsVersionValuesTest, ReadsBothValuesAsAnsiTextThatFitsItsBuffer) {
    const std::string longest(99, 'x');
    const VersionCase cases[] = {
        {"Windows 7", "Microsoft Windows 7 Professional", "6.1", "Microsoft Windows 7 Professional", "6.1"},
        {"99 bytes fit the buffer with the terminator", longest, "6.2", longest, "6.2"},
        {"100 bytes do not", std::string(100, 'x') + " Windows 7", "6.1", "", "6.1"},
        {"missing values", std::nullopt, std::nullopt, "", ""},
        {"ANSI bytes as stored", "Windows \xae 8", "6.2", "Windows \xae 8", "6.2"},
    };
    test::WindowsVersionGuard guard;
    for (const VersionCase& c : cases) {
        SCOPED_TRACE(c.label);
        ASSERT_TRUE(test::WindowsVersionGuard::Set("ProductName", c.productName) || !c.productName);
        ASSERT_TRUE(test::WindowsVersionGuard::Set("CurrentVersion", c.currentVersion) || !c.currentVersion);
        const std::optional<WindowsVersionValues> values = ReadWindowsVersionValues();
        ASSERT_TRUE(values.has_value());
        EXPECT_EQ(c.expectedProductName, values->productName);
        EXPECT_EQ(c.expectedCurrentVersion, values->currentVersion);
    }
}

TEST(WindowsVersionValuesTest, ValuesThatAreNotTextReadAsEmpty) {
    test::WindowsVersionGuard guard;
    ASSERT_TRUE(test::WindowsVersionGuard::SetDword("ProductName", 7));
    ASSERT_TRUE(test::WindowsVersionGuard::Set("CurrentVersion", "6.1", REG_MULTI_SZ));
    const std::optional<WindowsVersionValues> values = ReadWindowsVersionValues();
    ASSERT_TRUE(values.has_value());
    EXPECT_EQ("", values->productName);
    EXPECT_EQ("", values->currentVersion);
}

// Full access first, as the check always asked; where that is refused, reading is enough.
TEST(WindowsVersionValuesTest, FallsBackToReadingWhenFullAccessIsRefused) {
    struct Case {
        const char* label;
        std::vector<REGSAM> refused;  // the access masks the opener refuses
        bool readable;
        std::vector<REGSAM> asked;
    };
    constexpr REGSAM kFull = KEY_ALL_ACCESS | KEY_WOW64_64KEY;
    constexpr REGSAM kRead = KEY_READ | KEY_WOW64_64KEY;
    const Case cases[] = {
        {"full access granted", {}, true, {kFull}},
        {"full access refused", {kFull}, true, {kFull, kRead}},
        {"both refused", {kFull, kRead}, false, {kFull, kRead}},
    };
    test::WindowsVersionGuard guard;
    ASSERT_TRUE(test::WindowsVersionGuard::Set("ProductName", std::string("Windows 7")));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<REGSAM> asked;
        const auto values = ReadWindowsVersionValues([&](REGSAM access, HKEY* key) -> LSTATUS {
            asked.push_back(access);
            if (std::ranges::find(c.refused, access) != c.refused.end())
                return ERROR_ACCESS_DENIED;
            return ::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion", 0,
                                   access, key);
        });
        EXPECT_EQ(asked, c.asked);
        ASSERT_EQ(values.has_value(), c.readable);
        if (values) {
            EXPECT_EQ(values->productName, "Windows 7");
        }
    }
}

}  // namespace
}  // namespace aerowisp
