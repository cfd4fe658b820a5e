// The one retry policy: how often a failed attempt is made again and what is told of each, and which
// platform calls the model's ports make again under it.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/platform/sharing_service.h"
#include "sim/operations.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

TEST(RetryPolicy, MakesFailedAttemptsAgainAndTellsEachFailure) {
    struct Case {
        const char* label;
        int attempts;
        int failuresFirst;  // the attempts that fail before one succeeds
        int made;
        std::vector<std::string> told;  // "attempt:again" or "attempt:last"
        bool succeeded;
    };
    const Case cases[] = {
        {"succeeds at once", 2, 0, 1, {}, true},
        {"fails once", 2, 1, 2, {"1:again"}, true},
        {"fails every time", 2, 9, 2, {"1:again", "2:last"}, false},
        {"a single attempt", 1, 9, 1, {"1:last"}, false},
        {"no attempt allowed still makes one", 0, 9, 1, {"1:last"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::vector<std::string> told;
        const RetryPolicy policy(c.attempts, [&](const FailedAttempt& failed) {
            EXPECT_EQ(failed.what, u"step");
            told.push_back(std::to_string(failed.attempt) + (failed.last ? ":last" : ":again"));
        });
        std::vector<int> numbers;

        const bool succeeded = policy.Run(u"step", [&](int before) {
            numbers.push_back(before);
            return before >= c.failuresFirst;
        });

        EXPECT_EQ(succeeded, c.succeeded);
        EXPECT_EQ(static_cast<int>(numbers.size()), c.made);
        for (size_t i = 0; i < numbers.size(); ++i)
            EXPECT_EQ(numbers[i], static_cast<int>(i));
        EXPECT_EQ(told, c.told);
    }
}

// Through the ports the model is built with: a call that fails for a moment comes back with the answer
// of its second attempt, and each failed attempt leaves one trace.
TEST(RetryingPorts, MakesAgainOnlyTheCallsThatFailForAMoment) {
    const std::u16string nameKey =
        std::u16string(kNetworkClassKey) + u"\\{8D2E6A01-4C3B-4F9E-A57D-0B1C2D3E4F01}\\" + kConnectionSubkey;
    using Call = std::function<bool(test::ModelHarness&)>;  // whether the call gave its answer
    const Call enumerate = [](test::ModelHarness& h) {
        WlanInterfaceList list;
        return h.ports.EnumInterfaces(h.State().wlanHandle, list) == kWlanSuccess;
    };
    const Call listAdapters = [](test::ModelHarness& h) {
        std::vector<AdapterInfo> list;
        return h.ports.GetAdaptersInfo(list) == 0 && list.size() == 1;
    };
    const Call readName = [&](test::ModelHarness& h) {
        return h.ports.ReadMachineText(nameKey, kConnectionNameValue) == u"Connection 1";
    };
    const Call readScope = [](test::ModelHarness& h) {
        return h.ports.ReadMachineText(kSharingParametersKey, kScopeAddressValue) == u"";
    };
    const Call start = [](test::ModelHarness& h) {
        return h.ports.HostedNetworkStartUsing(h.State().wlanHandle, nullptr) == kWlanSuccess;
    };
    struct Case {
        const char* label;
        Call call;
        std::string_view failing;
        uint32_t error;
        uint32_t times;  // 0: always
        bool answered;
        size_t traces;
    };
    const Case cases[] = {
        {"enumeration fails once", enumerate, op::kWlanEnumInterfaces, kErrorInvalidState, 1, true, 1},
        {"enumeration fails every time", enumerate, op::kWlanEnumInterfaces, kErrorInvalidState, 0, false, 2},
        {"adapter list fails once", listAdapters, op::kGetAdaptersInfo, kErrorInvalidState, 1, true, 1},
        {"no adapter is an answer", listAdapters, op::kGetAdaptersInfo, kErrorNoData, 1, false, 0},
        {"connection name read empty once", readName, op::kRegQueryValueExW, kErrorInvalidState, 1, true, 1},
        {"connection key does not open", readName, op::kRegOpenKeyExW, kErrorInvalidState, 0, false, 0},
        {"missing address range is an answer", readScope, "", 0, 0, true, 0},
        {"a start is not made again", start, op::kWlanHostedNetworkStartUsing, kErrorInvalidState, 1, false,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        test::ModelHarness h(test::HarnessScenarioWith({u"Realtek PCIe GBE Family Controller"}));
        if (!c.failing.empty())
            h.machine.Failures().FailAfter(c.failing, 0, c.error,
                                           c.times ? std::optional<uint32_t>(c.times) : std::nullopt);

        EXPECT_EQ(c.call(h), c.answered);

        EXPECT_EQ(h.processes.DebugTraces().size(), c.traces);
    }
}

}  // namespace
}  // namespace aerowisp
