// Runs blocking calls (COM calls that take seconds, waits for other processes) on a worker thread of its
// own, in the worker's own COM apartment, while the calling interface thread keeps pumping its messages,
// so its windows keep answering and repainting.
#pragma once

#include <windows.h>

#include <deque>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <type_traits>
#include <utility>

#include "base/handle.h"

namespace fw {

class BlockingCallRunner {
  public:
    BlockingCallRunner();
    // Ends the worker once its last call has run.
    ~BlockingCallRunner();
    BlockingCallRunner(const BlockingCallRunner&) = delete;
    BlockingCallRunner& operator=(const BlockingCallRunner&) = delete;

    // Runs `call` on the worker and returns its result (or throws what it threw). Meanwhile the calling
    // thread dispatches sent, posted, input and paint messages, but no WM_TIMER: timer messages wait
    // until the call is over, so no timer handler runs in the middle of the caller's work. A call made
    // on the worker itself runs at once.
    template <typename Call>
    std::invoke_result_t<Call&> Run(Call&& call) {
        using Result = std::invoke_result_t<Call&>;
        if constexpr (std::is_void_v<Result>) {
            RunErased([&] { call(); });
        } else {
            std::optional<Result> result;
            RunErased([&] { result.emplace(call()); });
            return std::move(*result);
        }
    }

    // A call is under way: the calling thread is inside Run, dispatching messages.
    bool Busy() const { return depth_ > 0; }
    // Told on the calling thread when an outermost call begins, and when it has ended.
    void ObserveCalls(std::function<void()> began, std::function<void()> ended) {
        began_ = std::move(began);
        ended_ = std::move(ended);
    }

  private:
    struct Job {
        const std::function<void()>* call;
        std::exception_ptr* error;
        HANDLE done;
    };

    void RunErased(const std::function<void()>& call);
    void WorkerLoop();
    // Dispatches the calling thread's messages, timers aside, until `done` is signalled.
    static void PumpUntil(HANDLE done);

    std::mutex mutex_;
    std::deque<Job> jobs_;
    bool stopping_ = false;
    base::KernelHandle wake_;
    std::thread::id workerId_;
    std::thread worker_;
    int depth_ = 0;
    std::function<void()> began_;
    std::function<void()> ended_;
};

}  // namespace fw
