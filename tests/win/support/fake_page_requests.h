// Page requests for the pages' tests: the texts given, the ticks recorded and Apply answered as told.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/app/page_requests.h"

namespace aerowisp::test {

struct FakePageRequests final : PageRequests {
    explicit FakePageRequests(const LanguageTexts& texts) : texts(texts) {}

    const LanguageTexts& Texts() const override { return texts; }
    void OnPageTimer(TimerId id) override { ticks.push_back(id); }
    ApConfigApplyResult OnApConfigApply(const std::u16string& ssid, const std::u16string&,
                                        const std::u16string&) override {
        applied.push_back(ssid);
        return answer;
    }
    std::optional<JoinCode> OnApConfigJoinCode() override { return joinCode; }
    ConnectionListClick OnConnectionListClick(const ConnectionListRow& row) override {
        return ClickOn(row, chosenDevice);
    }
    bool OnConnectionListApply(const ConnectionListRow& row) override {
        sharedRows.push_back(row);
        return ApplyOn(row, chosenDevice) != ConnectionApply::kNothing;
    }

    const LanguageTexts& texts;
    std::u16string chosenDevice = u"Realtek PCIe GBE Family Controller";
    std::vector<ConnectionListRow> sharedRows;
    std::vector<TimerId> ticks;
    std::vector<std::u16string> applied;
    ApConfigApplyResult answer{ApInputFault::kNone, true};
    std::optional<JoinCode> joinCode;
};

}  // namespace aerowisp::test
