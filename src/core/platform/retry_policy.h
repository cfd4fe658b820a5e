// How often a platform call or a sequence of steps that failed is made again, and who hears of each
// failed attempt: the program's one answer to calls that fail for a moment, instead of a loop at each caller.
#pragma once

#include <functional>
#include <string_view>

namespace aerowisp {

// Platform calls fail now and then for a moment: what failed is made once more.
inline constexpr int kPlatformAttempts = 2;

struct FailedAttempt {
    std::u16string_view what;  // the call or the sequence, as the trace names it
    int attempt = 0;           // 1 for the first
    bool last = false;         // no attempt follows
};

class RetryPolicy {
  public:
    using Observer = std::function<void(const FailedAttempt&)>;

    // At least one attempt is made, whatever `attempts` says.
    explicit RetryPolicy(int attempts = kPlatformAttempts, Observer observer = {})
        : attempts_(attempts), observer_(std::move(observer)) {}

    // Whether another attempt follows `failedAttempts` failed ones.
    bool TriesAgainAfter(int failedAttempts) const { return failedAttempts < attempts_; }

    // Calls `attempt(n)`, n counting the attempts made before, until it says it succeeded or the policy
    // tries no more; the observer hears of every attempt that failed. Whether one succeeded.
    template <typename Attempt>
    bool Run(std::u16string_view what, Attempt&& attempt) const {
        for (int failed = 0;;) {
            if (attempt(failed))
                return true;
            ++failed;
            const bool again = TriesAgainAfter(failed);
            if (observer_)
                observer_({what, failed, !again});
            if (!again)
                return false;
        }
    }

    // One call, made again as Run allows while `failed` says its result is a failure; the last result.
    template <typename Call, typename Failed>
    auto Retried(std::u16string_view what, Call&& call, Failed&& failed) const {
        decltype(call()) result{};
        Run(what, [&](int) {
            result = call();
            return !failed(result);
        });
        return result;
    }

  private:
    int attempts_;
    Observer observer_;
};

}  // namespace aerowisp
