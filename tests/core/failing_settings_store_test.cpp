// The failure plan in front of a settings store, as --simulate puts it before the real registry and files.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/settings/settings_operations.h"
#include "sim/failing_settings_store.h"
#include "sim/operations.h"
#include "sim/sim_settings_store.h"

namespace aerowisp {
namespace {

constexpr char16_t kFolder[] = u"C:\\Aerowisp\\";
constexpr char16_t kIniFile[] = u"C:\\Aerowisp\\DuvaDI.ini";

// Reads one mode setting through the store, the value it reads starting as `start`; checks the answer
// and the value read.
std::function<void(SettingsStore&)> ExpectRead(int selector, uint32_t start, bool found, uint32_t read) {
    return [=](SettingsStore& s) {
        uint32_t mode = selector == kModeSelectorCurrentMode ? start : 0;
        uint32_t radio = selector == kModeSelectorRadioState ? start : 0;
        EXPECT_EQ(ReadModeSetting(s, selector, mode, radio), found);
        EXPECT_EQ(selector == kModeSelectorCurrentMode ? mode : radio, read);
    };
}

TEST(FailingSettingsStore, PlannedFailuresStopTheCallBeforeTheStoreBehind) {
    struct Case {
        const char* label;
        std::string_view operation;
        uint32_t times;
        size_t callsBehind;  // of `operation` that still reach the store behind
        // Acts through the failing store; checks what reached the store behind.
        std::function<void(SettingsStore&)> act;
        std::function<void(SimSettingsStore&)> check;
    };
    const Case cases[] = {
        {"open for all access refused: opens for reading only", op::kRegOpenKeyExW, 1, 1,
         ExpectRead(kModeSelectorCurrentMode, 0, true, 1), [](SimSettingsStore&) {}},
        {"read-only key: writes fail", op::kRegOpenKeyExW, 1, 1,
         [](SettingsStore& s) { WriteModeSetting(s, kModeSelectorCurrentMode, 0, 0); },
         [](SimSettingsStore& b) {
             EXPECT_EQ(b.Value(kSettingsKey, kValueCurrentMode), RegistryValue::Dword(1));
         }},
        {"no open at all: the default", op::kRegOpenKeyExW, 2, 0,
         ExpectRead(kModeSelectorRadioState, 0, false, 1), [](SimSettingsStore&) {}},
        {"query refused: the default", op::kRegQueryValueExW, 1, 0,
         ExpectRead(kModeSelectorCurrentMode, 7, true, 0), [](SimSettingsStore&) {}},
        {"write refused", op::kRegSetValueExW, 1, 0,
         [](SettingsStore& s) { WriteIcsCardName(s, u"Realtek"); },
         [](SimSettingsStore& b) { EXPECT_FALSE(b.Value(kSettingsKey, kValueIcsCardName).has_value()); }},
        {"create refused", op::kRegCreateKeyExW, 1, 0,
         [](SettingsStore& s) { EXPECT_EQ(s.CreateUserKey(u"Software\\Other"), nullptr); },
         [](SimSettingsStore& b) { EXPECT_FALSE(b.KeyExists(u"Software\\Other")); }},
        {"profile read refused", op::kGetPrivateProfileStringW, 2, 0,
         [](SettingsStore& s) {
             std::u16string ssid = u"kept";
             std::u16string key = u"kept";
             ApSettings{s, kFolder, ssid, key}.Load();
             EXPECT_EQ(ssid + key, u"keptkept");
         },
         [](SimSettingsStore&) {}},
        {"profile write refused", op::kWritePrivateProfileStringW, 1, 1,
         [](SettingsStore& s) {
             std::u16string ssid = u"New";
             std::u16string key = u"new-key1";
             ApSettings{s, kFolder, ssid, key}.Save();
         },
         [](SimSettingsStore& b) {
             EXPECT_EQ(b.ProfileString(kIniFile, u"Duva DI", u"SSID"), u"Old");
             EXPECT_EQ(b.ProfileString(kIniFile, u"Duva DI", u"KEY"), u"new-key1");
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Journal behindJournal;
        FailurePlan noFailures;
        SimSettingsStore behind(behindJournal, noFailures);
        behind.SetValue(kSettingsKey, kValueCurrentMode, RegistryValue::Dword(1));
        behind.SetProfileString(kIniFile, u"Duva DI", u"SSID", u"Old");
        Journal journal;
        FailurePlan plan;
        plan.FailNext(c.operation, kErrorAccessDenied, c.times);
        FailingSettingsStore store(behind, plan, journal);

        c.act(store);
        c.check(behind);
        const auto failed = journal.Find(c.operation);
        ASSERT_EQ(failed.size(), c.times);
        EXPECT_EQ(failed.front().result, kErrorAccessDenied);
        EXPECT_EQ(behindJournal.Count(c.operation), c.callsBehind)
            << "a failed call never reaches the store behind";
        EXPECT_EQ(plan.Consume(c.operation), std::nullopt) << "the plan is used up";
    }
}

}  // namespace
}  // namespace aerowisp
