// BlockingCallRunner: one worker thread in the multithreaded COM apartment, and a message-pumping wait.
#include "fw/blocking_call_runner.h"

#include <objbase.h>

namespace fw {
namespace {

// Every queue state but QS_TIMER: the wait wakes for messages it dispatches, never for timer ticks.
constexpr UINT kWakeMask = QS_INPUT | QS_POSTMESSAGE | QS_PAINT | QS_HOTKEY | QS_SENDMESSAGE;

// Removes and dispatches one message other than WM_TIMER; false when none is waiting.
bool DispatchOne(bool& quit, WPARAM& quitCode) {
    MSG message{};
    if (!::PeekMessageW(&message, nullptr, 0, WM_TIMER - 1, PM_REMOVE) &&
        !::PeekMessageW(&message, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_REMOVE))
        return false;
    if (message.message == WM_QUIT) {
        quit = true;
        quitCode = message.wParam;
        return true;
    }
    ::TranslateMessage(&message);
    ::DispatchMessageW(&message);
    return true;
}

}  // namespace

BlockingCallRunner::BlockingCallRunner() : wake_(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    worker_ = std::thread([this] { WorkerLoop(); });
    workerId_ = worker_.get_id();
}

BlockingCallRunner::~BlockingCallRunner() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    ::SetEvent(wake_.Get());
    worker_.join();
}

// COM objects the worker creates live in its apartment; the multithreaded one needs no message loop.
void BlockingCallRunner::WorkerLoop() {
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    for (;;) {
        std::optional<Job> job;
        {
            const std::lock_guard lock(mutex_);
            if (!jobs_.empty()) {
                job = jobs_.front();
                jobs_.pop_front();
            } else if (stopping_) {
                break;
            }
        }
        if (!job) {
            ::WaitForSingleObject(wake_.Get(), INFINITE);
            continue;
        }
        try {
            (*job->call)();
        } catch (...) {
            *job->error = std::current_exception();
        }
        ::SetEvent(job->done);
    }
    if (SUCCEEDED(com))
        ::CoUninitialize();
}

void BlockingCallRunner::RunErased(const std::function<void()>& call) {
    const base::KernelHandle done(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (std::this_thread::get_id() == workerId_ || !done || !wake_) {
        call();
        return;
    }
    std::exception_ptr error;
    {
        const std::lock_guard lock(mutex_);
        jobs_.push_back({&call, &error, done.Get()});
    }
    ::SetEvent(wake_.Get());
    if (depth_++ == 0 && began_)
        began_();
    PumpUntil(done.Get());
    if (--depth_ == 0 && ended_)
        ended_();
    if (error)
        std::rethrow_exception(error);
}

void BlockingCallRunner::PumpUntil(HANDLE done) {
    bool quit = false;
    WPARAM quitCode = 0;
    for (;;) {
        const DWORD woken = ::MsgWaitForMultipleObjectsEx(1, &done, INFINITE, kWakeMask, MWMO_INPUTAVAILABLE);
        if (woken == WAIT_OBJECT_0)
            break;
        if (woken != WAIT_OBJECT_0 + 1) {
            ::WaitForSingleObject(done, INFINITE);
            break;
        }
        while (DispatchOne(quit, quitCode)) {
        }
    }
    // The message loop that asked to end sees its WM_QUIT once the call is over.
    if (quit)
        ::PostQuitMessage(static_cast<int>(quitCode));
}

}  // namespace fw
