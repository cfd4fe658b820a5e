// Which simulated platform calls fail, with which error, and how often.
#pragma once

#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <string_view>

namespace aerowisp {

// An injected failure: the Win32 error the call returns and, for the hosted-network calls that report
// one, the WLAN_HOSTED_NETWORK_REASON it gives (0 when the plan names none).
struct InjectedFailure {
    uint32_t error = 0;
    uint32_t reason = 0;
};

// Calls are addressed by their journal names (sim/operations.h). Rules for one operation apply in
// the order they were given: a counted rule is used up before the next rule takes over.
class FailurePlan {
  public:
    void FailAlways(std::string_view operation, uint32_t error, uint32_t reason = 0);
    void FailNext(std::string_view operation, uint32_t error, uint32_t times = 1, uint32_t reason = 0);
    // Lets `passes` calls through, then fails as FailNext (with a count) or FailAlways (without).
    void FailAfter(std::string_view operation, uint32_t passes, uint32_t error, std::optional<uint32_t> times,
                   uint32_t reason = 0);
    void Clear(std::string_view operation);
    void ClearAll();

    // Asked by every simulated call before it acts: the error to return instead, if any. Uses up one
    // failure of a counted rule.
    std::optional<uint32_t> Consume(std::string_view operation);
    // The same, with the failure's reason.
    std::optional<InjectedFailure> ConsumeFailure(std::string_view operation);

  private:
    struct Rule {
        std::optional<InjectedFailure> failure;  // nothing: the calls it covers succeed
        std::optional<uint32_t> remaining;       // nothing: always
    };
    std::map<std::string, std::deque<Rule>, std::less<>> rules_;
};

}  // namespace aerowisp
