// Growing intervals between the log lines of a repeated failure, and the refusal counts.
#include "dhcp/core/log_policy.h"

#include <algorithm>

namespace aerowisp::dhcp {

bool FailureStreak::Failed(uint64_t nowMs) {
    if (!m_active) {
        m_active = true;
        m_firstMs = nowMs;
        m_gapMs = kFirstGapMs;
        m_nextLogMs = nowMs + m_gapMs;
        return true;
    }
    if (nowMs < m_nextLogMs)
        return false;
    m_gapMs = std::min(m_gapMs * 2, kMaxGapMs);
    m_nextLogMs = nowMs + m_gapMs;
    return true;
}

uint64_t FailureStreak::LastedMs(uint64_t nowMs) const {
    return m_active && nowMs > m_firstMs ? nowMs - m_firstMs : 0;
}

void RefusalTally::Count(std::string_view reason) {
    auto found = m_counts.find(reason);
    if (found == m_counts.end())
        m_counts.emplace(std::string(reason), 1);
    else
        ++found->second;
}

std::vector<std::string> RefusalTally::TakeSummary() {
    std::vector<std::string> lines;
    for (const auto& [reason, count] : m_counts)
        lines.push_back(std::to_string(count) + (count == 1 ? " datagram" : " datagrams") +
                        " refused: " + reason);
    m_counts.clear();
    return lines;
}

}  // namespace aerowisp::dhcp
