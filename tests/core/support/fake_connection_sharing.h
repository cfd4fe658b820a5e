// Connection sharing for native tests: an adapter table set by the test, and a record of what was asked.
#pragma once

#include <string>
#include <vector>

#include "core/ics/connection_sharing.h"
#include "sim/journal.h"
#include "sim/sim_text.h"

namespace aerowisp::test {

class FakeConnectionSharing final : public ConnectionSharing {
  public:
    // With a journal, each call is also recorded there as "Sharing.<call>".
    explicit FakeConnectionSharing(Journal* journal = nullptr) : journal_(journal) {}

    void ScanAdapters() override { Note("ScanAdapters", ""); }
    std::vector<std::u16string> AdapterDeviceNames() const override { return deviceNames; }
    void StartConnectionSharing(const std::u16string& deviceName) override {
        started.push_back(deviceName);
        Note("StartConnectionSharing", QuoteText(deviceName));
    }
    void StopConnectionSharing() override {
        ++stops;
        Note("StopConnectionSharing", "");
    }

    std::vector<std::u16string> deviceNames;
    std::vector<std::u16string> started;
    int stops = 0;

  private:
    void Note(const std::string& call, const std::string& arguments) {
        if (journal_)
            journal_->Record("Sharing." + call, arguments);
    }

    Journal* journal_;
};

}  // namespace aerowisp::test
