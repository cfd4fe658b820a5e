// The start-up decisions: supported Windows versions, the wait after boot, the start-hidden marker and
// allowance, and which copy of the program runs.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/app/startup.h"
#include "sim/journal.h"
#include "sim/sim_clock.h"
#include "sim/sim_machine.h"
#include "sim/sim_processes.h"
#include "sim/sim_text.h"
#include "support/fake_instance_host.h"

namespace aerowisp {
namespace {

TEST(IsSupportedWindowsVersion, AcceptsWindows7ByNameOrVersion) {
    struct Case {
        const char* label;
        std::optional<WindowsVersionValues> values;
        bool supported;
    };
    const Case cases[] = {
        {"Windows 7 with 6.1", WindowsVersionValues{"Windows 7 Ultimate", "6.1"}, true},
        {"Windows 7 anywhere, other version", WindowsVersionValues{"Microsoft Windows 7", "6.3"}, true},
        {"6.1 without the name", WindowsVersionValues{"Windows Server 2008 R2", "6.1"}, true},
        {"6.1 inside the version", WindowsVersionValues{"", "v6.1.7601"}, true},
        {"Vista", WindowsVersionValues{"Windows Vista Business", "6.0"}, false},
        {"Windows 8", WindowsVersionValues{"Windows 8 Pro", "6.2"}, false},
        {"Windows 10 reports 6.3", WindowsVersionValues{"Windows 10 Pro", "6.3"}, false},
        {"name is case-sensitive", WindowsVersionValues{"windows 7", "6.0"}, false},
        {"both values missing", WindowsVersionValues{}, false},
        {"key unreadable", std::nullopt, false},
        {"name too long for its buffer", WindowsVersionValues{std::string(95, ' ') + "Windows 7", "6.0"},
         false},
        {"name just fits its buffer", WindowsVersionValues{std::string(90, ' ') + "Windows 7", "6.0"}, true},
        {"text after a zero is not seen", WindowsVersionValues{std::string("Win\0Windows 7", 13), "6.0"},
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        EXPECT_EQ(IsSupportedWindowsVersion(c.values), c.supported);
    }
}

TEST(WaitAfterBoot, WaitsEightSecondsOnlyInTheFirstThirtySeconds) {
    struct Case {
        uint32_t tick;
        size_t sleeps;
    };
    for (const Case& c : {Case{0, 1}, Case{29999, 1}, Case{30000, 0}, Case{4000000000u, 0}}) {
        SCOPED_TRACE(testing::Message() << "tick " << c.tick);
        Journal journal;
        SimClock clock(c.tick, &journal);
        WaitAfterBoot(clock);
        ASSERT_EQ(journal.Count("Sleep"), c.sleeps);
        EXPECT_EQ(clock.GetTickCount(), c.tick + (c.sleeps == 1 ? 8000u : 0u));
    }
}

struct StartHiddenTest : testing::Test {
    SimMachine machine{Scenario{}};
    SimProcessesAndWindows processes{machine.Journal()};
    const std::u16string folder = u"C:\\Program Files\\Aerowisp\\";
    const std::u16string marker = folder + u"ZuroZiz.ini";

    void PutMarker(std::u16string_view value) {
        machine.Settings().SetProfileString(marker, u"ZuroZiz", u"Value", value);
        processes.AddFile(marker);
    }
};

TEST_F(StartHiddenTest, AnyTextInTheMarkerHidesOnceAndDeletesIt) {
    PutMarker(u"1");
    EXPECT_TRUE(IsStartHiddenRequested(machine.Settings(), processes, folder));
    EXPECT_EQ(machine.Journal().Find("GetPrivateProfileStringW").at(0).arguments.find("ZuroZiz.ini") !=
                  std::string::npos,
              true);
    EXPECT_EQ(processes.DebugTraces(), std::vector<std::u16string>{u"2011 07 16 hide window "});
    ASSERT_EQ(machine.Journal().Count("DeleteFileW"), 1u);
    EXPECT_EQ(machine.Journal().Find("DeleteFileW")[0].arguments, "path=" + QuoteText(marker));
    EXPECT_FALSE(processes.FileExists(marker));
}

TEST_F(StartHiddenTest, TheLogonStartsMarkerHidesTheNextStartOnly) {
    ASSERT_TRUE(RequestStartHidden(machine.Settings(), folder));
    processes.AddFile(marker);
    EXPECT_TRUE(IsStartHiddenRequested(machine.Settings(), processes, folder));
    EXPECT_FALSE(processes.FileExists(marker));
}

TEST_F(StartHiddenTest, MissingOrEmptyMarkerShows) {
    for (bool emptyEntry : {false, true}) {
        SCOPED_TRACE(emptyEntry ? "empty entry" : "no file");
        if (emptyEntry)
            PutMarker(u"");
        SimProcessesAndWindows fresh(machine.Journal());
        machine.Journal().Clear();
        EXPECT_FALSE(IsStartHiddenRequested(machine.Settings(), fresh, folder));
        EXPECT_EQ(fresh.DebugTraces(), std::vector<std::u16string>{u"2011 07 16 show window "});
        EXPECT_EQ(machine.Journal().Count("DeleteFileW"), 0u);
    }
}

TEST(StartHiddenAllowance, HidesAtMostTwice) {
    struct Case {
        const char* label;
        bool hideRequested;
        bool cardPresent;
        std::vector<bool> hides;  // over four paints
    };
    const Case cases[] = {
        {"card, no request", false, true, {false, false, false, false}},
        {"no card", false, false, {true, true, false, false}},
        {"request with card", true, true, {true, true, false, false}},
        {"request without card", true, false, {true, true, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        StartHiddenAllowance allowance;
        EXPECT_EQ(allowance.Remaining(), 2);
        std::vector<bool> hides;
        for (int i = 0; i < 4; ++i)
            hides.push_back(allowance.ShouldHide(c.hideRequested, c.cardPresent));
        EXPECT_EQ(hides, c.hides);
    }
}

struct InstanceTest : testing::Test {
    SimMachine machine{Scenario{}};
    SimProcessesAndWindows processes{machine.Journal()};
    test::FakeInstanceHost host;

    InstanceOutcome Run() { return RunSingleInstance(host, processes, machine.Settings(), machine.Clock()); }
    std::optional<RegistryValue> ShowWindow() {
        return machine.Settings().Value(u"Software\\Duva DI", u"Show Window");
    }
};

TEST_F(InstanceTest, FirstCopyRunsTheMainWindowAfterTheBootWait) {
    EXPECT_EQ(Run(), InstanceOutcome::kMainWindowRan);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"CreateMutexW VI61", "OpenEventW BrevoAppRunning", "RunMainWindow"}));
    EXPECT_EQ(machine.Journal().Count("Sleep"), 1u);  // the machine started at tick 0
    EXPECT_FALSE(ShowWindow());
}

TEST_F(InstanceTest, MutexFailingForAnotherReasonRunsAsFirstCopy) {
    host.mutex = MutexCreation::kFailed;
    EXPECT_EQ(Run(), InstanceOutcome::kMainWindowRan);
    EXPECT_EQ(host.calls.back(), "RunMainWindow");
}

TEST_F(InstanceTest, SecondCopyWithTheMainWindowPostsTheShowRequestOnly) {
    host.mutex = MutexCreation::kAlreadyExists;
    processes.OpenWindow(u"Aerowisp");
    EXPECT_EQ(Run(), InstanceOutcome::kShowRequestPosted);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"CreateMutexW VI61", "CloseHandle mutex"}));
    EXPECT_EQ(ShowWindow(), RegistryValue::Dword(1));
    EXPECT_EQ(machine.Journal().Count("EnumWindows"), 0u);
    EXPECT_EQ(machine.Journal().Count("Sleep"), 0u);
}

TEST_F(InstanceTest, SecondCopyWithoutTheMainWindowWakesTheProductWindows) {
    host.mutex = MutexCreation::kAlreadyExists;
    WindowHandle companion = processes.OpenWindow(u"Aerowisp Companion");
    WindowHandle other = processes.OpenWindow(u"Notepad");
    WindowHandle lower = processes.OpenWindow(u"aerowisp");  // the match is case-sensitive
    EXPECT_EQ(Run(), InstanceOutcome::kProductWindowsActivated);
    EXPECT_EQ(host.calls, (std::vector<std::string>{"CreateMutexW VI61", "CloseHandle mutex",
                                                    "LoadStringW 102", "CoUninitialize"}));
    EXPECT_EQ(processes.PostedCommands(companion), std::vector<uint32_t>{32778});
    EXPECT_TRUE(processes.PostedCommands(other).empty());
    EXPECT_TRUE(processes.PostedCommands(lower).empty());
    EXPECT_FALSE(ShowWindow());
}

TEST_F(InstanceTest, CompanionRunningEndsWithoutTheMainWindow) {
    host.companionRunning = true;
    WindowHandle first = processes.OpenWindow(u"Aerowisp Manager");
    WindowHandle second = processes.OpenWindow(u"About Aerowisp");
    // Windows of other programs that only name the product: the install folder, a page about it.
    WindowHandle folder = processes.OpenWindow(u"Aerowisp", true, u"CabinetWClass");
    WindowHandle page = processes.OpenWindow(u"Aerowisp - Mozilla Firefox", true, u"MozillaWindowClass");
    EXPECT_EQ(Run(), InstanceOutcome::kDeferredToCompanion);
    EXPECT_EQ(host.calls,
              (std::vector<std::string>{"CreateMutexW VI61", "OpenEventW BrevoAppRunning",
                                        "CloseHandle event", "LoadStringW 102", "CoUninitialize"}));
    EXPECT_EQ(processes.PostedCommands(first), std::vector<uint32_t>{32778});
    EXPECT_EQ(processes.PostedCommands(second), std::vector<uint32_t>{32778});
    EXPECT_TRUE(processes.PostedCommands(folder).empty());
    EXPECT_TRUE(processes.PostedCommands(page).empty());
    EXPECT_EQ(machine.Journal().Count("Sleep"), 0u);
}

TEST_F(InstanceTest, ProductWindowsAreMatchedWithinTheirFirst99Characters) {
    host.companionRunning = true;
    WindowHandle early = processes.OpenWindow(std::u16string(91, u'x') + u"Aerowisp");
    WindowHandle late = processes.OpenWindow(std::u16string(92, u'x') + u"Aerowisp");
    Run();
    EXPECT_EQ(processes.PostedCommands(early), std::vector<uint32_t>{32778});
    EXPECT_TRUE(processes.PostedCommands(late).empty());
}

TEST_F(InstanceTest, AnEmptyProductTitleWakesNoWindow) {
    host.companionRunning = true;
    host.title.clear();
    WindowHandle any = processes.OpenWindow(u"Notepad");
    Run();
    EXPECT_TRUE(processes.PostedCommands(any).empty());
    EXPECT_EQ(machine.Journal().Count("PostMessageW"), 0u);
}

TEST_F(InstanceTest, NoWaitWhenTheMachineHasBeenUpThirtySeconds) {
    machine.ManualClock()->Advance(30000);
    Run();
    EXPECT_EQ(machine.Journal().Count("Sleep"), 0u);
}

}  // namespace
}  // namespace aerowisp
