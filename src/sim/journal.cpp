// The simulated machine's journal and its line-per-entry file form.
#include "sim/journal.h"

#include <algorithm>
#include <iterator>

namespace aerowisp {
namespace {

// Tabs separate the fields of a line, so tabs and line breaks inside a field are written as escapes.
void AppendField(std::string& line, std::string_view field) {
    for (char c : field) {
        switch (c) {
            case '\t':
                line += "\\t";
                break;
            case '\n':
                line += "\\n";
                break;
            case '\r':
                line += "\\r";
                break;
            default:
                line.push_back(c);
        }
    }
}

}  // namespace

void Journal::Record(std::string_view operation, std::string_view arguments, uint32_t result) {
    const std::lock_guard lock(mutex_);
    entries_.push_back({std::string(operation), std::string(arguments), result});
    if (file_) {
        const std::string line = FormatLine(entries_.back()) + '\n';
        std::fwrite(line.data(), 1, line.size(), file_.get());
        std::fflush(file_.get());
    }
}

bool Journal::WriteTo(std::u16string_view path) {
    file_ = OpenFile(path, "ab");
    return file_ != nullptr;
}

std::vector<std::string> Journal::Operations() const {
    std::vector<std::string> names;
    names.reserve(entries_.size());
    for (const JournalEntry& entry : entries_)
        names.push_back(entry.operation);
    return names;
}

std::vector<JournalEntry> Journal::Find(std::string_view operation) const {
    std::vector<JournalEntry> found;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(found),
                 [&](const JournalEntry& entry) { return entry.operation == operation; });
    return found;
}

size_t Journal::Count(std::string_view operation) const {
    return static_cast<size_t>(
        std::count_if(entries_.begin(), entries_.end(),
                      [&](const JournalEntry& entry) { return entry.operation == operation; }));
}

void Journal::Clear() {
    const std::lock_guard lock(mutex_);
    entries_.clear();
}

std::string Journal::FormatLine(const JournalEntry& entry) {
    std::string line;
    AppendField(line, entry.operation);
    line.push_back('\t');
    AppendField(line, entry.arguments);
    line.push_back('\t');
    line += std::to_string(entry.result);
    return line;
}

}  // namespace aerowisp
