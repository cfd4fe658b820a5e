// The simulated machine's record of every platform call: operation, arguments and result, in order.
#pragma once

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "sim/sim_file.h"

namespace aerowisp {

struct JournalEntry {
    // The platform function's name ("WlanHostedNetworkStartUsing") or an event's name ("MainWindowShown").
    std::string operation;
    // Readable UTF-8, `name=value` pairs separated by spaces; texts quoted (see res/sim/README.md).
    std::string arguments;
    // 0 or the Win32 error code the call returned.
    uint32_t result = 0;

    friend bool operator==(const JournalEntry&, const JournalEntry&) = default;
};

class Journal {
  public:
    Journal() = default;
    Journal(const Journal&) = delete;
    Journal& operator=(const Journal&) = delete;

    // Also for events that are not platform calls, such as the Win32 layer's milestones. Safe from any
    // thread (the About page's web worker records from its own); the readers below are not.
    void Record(std::string_view operation, std::string_view arguments, uint32_t result = 0);

    // From now on every entry is also appended to this file as one line, flushed at once. False when
    // the file cannot be opened; entries are then kept in memory only.
    bool WriteTo(std::u16string_view path);

    const std::vector<JournalEntry>& Entries() const { return entries_; }
    std::vector<std::string> Operations() const;
    std::vector<JournalEntry> Find(std::string_view operation) const;
    size_t Count(std::string_view operation) const;
    // Forgets the entries kept in memory; lines already written to the file stay.
    void Clear();

    // One line of the file form, without its line break.
    static std::string FormatLine(const JournalEntry& entry);

  private:
    std::mutex mutex_;
    std::vector<JournalEntry> entries_;
    UniqueFile file_;
};

}  // namespace aerowisp
