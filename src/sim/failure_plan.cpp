// The failure plan consulted by every simulated platform call.
#include "sim/failure_plan.h"

namespace aerowisp {

void FailurePlan::FailAlways(std::string_view operation, uint32_t error, uint32_t reason) {
    rules_[std::string(operation)].push_back({InjectedFailure{error, reason}, std::nullopt});
}

void FailurePlan::FailNext(std::string_view operation, uint32_t error, uint32_t times, uint32_t reason) {
    if (times == 0)
        return;
    rules_[std::string(operation)].push_back({InjectedFailure{error, reason}, times});
}

void FailurePlan::FailAfter(std::string_view operation, uint32_t passes, uint32_t error,
                            std::optional<uint32_t> times, uint32_t reason) {
    if (passes > 0)
        rules_[std::string(operation)].push_back({std::nullopt, passes});
    if (times) {
        FailNext(operation, error, *times, reason);
    } else {
        FailAlways(operation, error, reason);
    }
}

void FailurePlan::Clear(std::string_view operation) {
    if (auto it = rules_.find(operation); it != rules_.end())
        rules_.erase(it);
}

void FailurePlan::ClearAll() {
    rules_.clear();
}

std::optional<uint32_t> FailurePlan::Consume(std::string_view operation) {
    if (std::optional<InjectedFailure> failure = ConsumeFailure(operation))
        return failure->error;
    return std::nullopt;
}

std::optional<InjectedFailure> FailurePlan::ConsumeFailure(std::string_view operation) {
    auto it = rules_.find(operation);
    if (it == rules_.end() || it->second.empty())
        return std::nullopt;
    Rule& rule = it->second.front();
    const std::optional<InjectedFailure> failure = rule.failure;
    if (rule.remaining && --*rule.remaining == 0) {
        it->second.pop_front();
        if (it->second.empty())
            rules_.erase(it);
    }
    return failure;
}

}  // namespace aerowisp
