// The blocking-call runner: calls run on its worker, their results and exceptions come back, and the
// calling thread keeps answering sent messages meanwhile but runs no timer handler.
#include <windows.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <thread>

#include "fw/blocking_call_runner.h"
#include "support/test_window.h"

namespace aerowisp {
namespace {

using test::TestWindow;

TEST(BlockingCallRunnerTest, RunsOnItsWorkerAndHandsBackResultsAndExceptions) {
    fw::BlockingCallRunner runner;
    EXPECT_NE(runner.Run([] { return ::GetCurrentThreadId(); }), ::GetCurrentThreadId());
    EXPECT_EQ(runner.Run([&] { return runner.Run([] { return 7; }); }), 7) << "a call inside a call";
    EXPECT_THROW(runner.Run([]() -> int { throw std::runtime_error("refused"); }), std::runtime_error);
    EXPECT_FALSE(runner.Busy());
}

TEST(BlockingCallRunnerTest, TheCallingThreadAnswersButRunsNoTimerDuringACall) {
    TestWindow window(L"Aerowisp runner test");
    ::SetTimer(window.Handle(), 1, 10, nullptr);
    fw::BlockingCallRunner runner;
    int began = 0;
    int ended = 0;
    runner.ObserveCalls([&] { ++began; }, [&] { ++ended; });

    DWORD answeredAfter = 0;
    bool busyInside = false;
    runner.Run([&] {
        // Another thread asks the window something while the call blocks for 1.5 s.
        std::thread asker([&] {
            const DWORD start = ::GetTickCount();
            DWORD_PTR answer = 0;
            if (::SendMessageTimeoutW(window.Handle(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &answer))
                answeredAfter = ::GetTickCount() - start + 1;
        });
        ::Sleep(1500);
        asker.join();
        busyInside = runner.Busy();
    });
    ::KillTimer(window.Handle(), 1);

    EXPECT_GT(answeredAfter, 0u) << "the window answered within 1 s";
    EXPECT_TRUE(busyInside);
    EXPECT_TRUE(window.Record().timerTicks.empty()) << "no tick ran inside the call";
    EXPECT_EQ(began, 1);
    EXPECT_EQ(ended, 1);
}

}  // namespace
}  // namespace aerowisp
