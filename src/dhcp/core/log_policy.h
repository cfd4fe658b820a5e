// What keeps the log useful under repetition: a failure that repeats is logged at growing intervals, and
// refused datagrams are counted per reason and summarised.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace aerowisp::dhcp {

// One failure that keeps coming back (a port that stays taken, a file another program holds): the first
// occurrence is logged, then the next ones after 1, 2, 4 ... seconds, at most kMaxGapMs apart.
class FailureStreak {
  public:
    static constexpr uint64_t kFirstGapMs = 1000;
    static constexpr uint64_t kMaxGapMs = 60 * 1000;

    // Records an occurrence at `nowMs` (a monotonic clock); true when it is to be logged.
    bool Failed(uint64_t nowMs);
    // How long the streak has lasted, 0 when there is none.
    uint64_t LastedMs(uint64_t nowMs) const;
    bool Active() const { return m_active; }
    // The failure is over; the next one starts a new streak.
    void End() { m_active = false; }

  private:
    bool m_active = false;
    uint64_t m_firstMs = 0;
    uint64_t m_nextLogMs = 0;
    uint64_t m_gapMs = 0;
};

// Datagrams the server did not answer because they were bad or could not be served, counted per reason
// between two summaries, so that a flood costs one line per reason and not one line per datagram.
class RefusalTally {
  public:
    void Count(std::string_view reason);
    bool Empty() const { return m_counts.empty(); }
    // "N datagrams refused: REASON" per reason counted since the last call, and the counts cleared.
    std::vector<std::string> TakeSummary();

  private:
    std::map<std::string, uint64_t, std::less<>> m_counts;
};

}  // namespace aerowisp::dhcp
