// The failure plan consulted by every simulated platform call.
#include "sim/failure_plan.h"

namespace aerowisp {

void FailurePlan::FailAlways(std::string_view operation, uint32_t error) {
    rules_[std::string(operation)].push_back({error, std::nullopt});
}

void FailurePlan::FailNext(std::string_view operation, uint32_t error, uint32_t times) {
    if (times == 0)
        return;
    rules_[std::string(operation)].push_back({error, times});
}

void FailurePlan::FailAfter(std::string_view operation, uint32_t passes, uint32_t error,
                            std::optional<uint32_t> times) {
    if (passes > 0)
        rules_[std::string(operation)].push_back({0, passes, true});
    if (times) {
        FailNext(operation, error, *times);
    } else {
        FailAlways(operation, error);
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
    auto it = rules_.find(operation);
    if (it == rules_.end() || it->second.empty())
        return std::nullopt;
    Rule& rule = it->second.front();
    std::optional<uint32_t> error;
    if (!rule.passes)
        error = rule.error;
    if (rule.remaining && --*rule.remaining == 0) {
        it->second.pop_front();
        if (it->second.empty())
            rules_.erase(it);
    }
    return error;
}

}  // namespace aerowisp
