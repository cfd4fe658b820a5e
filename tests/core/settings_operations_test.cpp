// The settings operations over the simulated registry and profile files, with the registry's rules.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/settings_operations.h"
#include "sim/operations.h"
#include "sim/sim_machine.h"

namespace aerowisp {
namespace {

using Ops = std::vector<std::string>;

constexpr char16_t kFolder[] = u"C:\\Program Files\\Aerowisp\\";
constexpr char16_t kIniFile[] = u"C:\\Program Files\\Aerowisp\\DuvaDI.ini";

class SettingsOperations : public testing::Test {
  protected:
    SimSettingsStore& Store() { return machine_.Settings(); }
    Journal& Log() { return machine_.Journal(); }

    SimMachine machine_{Scenario{}};
};

TEST_F(SettingsOperations, WithoutTheKeyReadersGiveDefaultsAndTheFirstWriteCreatesIt) {
    uint32_t mode = 0;
    uint32_t radio = 0;
    EXPECT_FALSE(ReadModeSetting(Store(), kModeSelectorCurrentMode, mode, radio));
    EXPECT_FALSE(ReadModeSetting(Store(), kModeSelectorRadioState, mode, radio));
    EXPECT_EQ(mode, 0u);
    EXPECT_EQ(radio, 1u);
    EXPECT_EQ(ReadShowWindowRequest(Store()), 0u);
    EXPECT_EQ(ReadIcsCardName(Store()), u"");
    EXPECT_FALSE(Store().KeyExists(kSettingsKey));
    EXPECT_EQ(Log().Count(op::kRegCreateKeyExW), 0u);

    Log().Clear();
    WriteModeSetting(Store(), kModeSelectorCurrentMode, 1, 0);
    EXPECT_EQ(Log().Operations(),
              (Ops{"RegOpenKeyExW", "RegOpenKeyExW", "RegCreateKeyExW", "RegSetValueExW", "RegCloseKey"}));
    EXPECT_EQ(Log().Entries()[0].result, kErrorFileNotFound);
    EXPECT_EQ(Log().Entries()[1].arguments, R"(key="Software\\Duva DI" access=KEY_READ)");
    EXPECT_EQ(Log().Entries()[2].arguments,
              R"(key="Software\\Duva DI" access=KEY_ALL_ACCESS disposition=created)");
    EXPECT_EQ(Log().Entries()[3].arguments,
              R"(key="Software\\Duva DI" name="Current Mode" type=REG_DWORD size=4 data=1)");
    EXPECT_EQ(Store().Value(kSettingsKey, kValueCurrentMode), RegistryValue::Dword(1));

    Log().Clear();
    WriteModeSetting(Store(), kModeSelectorRadioState, 1, 0);
    EXPECT_EQ(Log().Operations(), (Ops{"RegOpenKeyExW", "RegSetValueExW", "RegCloseKey"}));
    EXPECT_EQ(Store().Value(u"SOFTWARE\\duva di", u"radio STATE"), RegistryValue::Dword(0));
}

TEST_F(SettingsOperations, ModeAndRadioReadWhateverTypeTheyWereStoredAs) {
    struct Case {
        const char* label;
        const char16_t* name;
        RegistryValue stored;
        uint32_t mode;   // after selector 0, which starts from 0
        uint32_t radio;  // after selector 1, which starts from 1
    };
    const Case cases[] = {
        {"radio 2 is not on", kValueRadioState, RegistryValue::Dword(2), 0, 2},
        {"mode 7", kValueCurrentMode, RegistryValue::Dword(7), 7, 1},
        {"text 1", kValueCurrentMode, RegistryValue::Sz(u"1"), 1, 1},
        {"text with number then letters", kValueCurrentMode, RegistryValue::Sz(u" 12abc"), 12, 1},
        {"letters only", kValueRadioState, RegistryValue::Sz(u"abc"), 0, 0},
        {"negative text", kValueCurrentMode, RegistryValue::Sz(u"-1"), 0xFFFFFFFF, 1},
        {"expandable text", kValueRadioState, RegistryValue::ExpandSz(u"0"), 0, 0},
        {"text beyond 511 characters", kValueRadioState, RegistryValue::Sz(std::u16string(600, u'7')), 0, 1},
        // Any other type, or a number of fewer than four bytes, leaves the default.
        {"4 binary bytes", kValueCurrentMode, RegistryValue::Binary({2, 0, 0, 0}), 0, 1},
        {"short binary", kValueRadioState, RegistryValue::Binary({0}), 0, 1},
        {"long binary", kValueRadioState, RegistryValue::Binary({0, 0, 0, 0, 0}), 0, 1},
        {"two-byte number", kValueCurrentMode, RegistryValue{RegistryValueType::kDword, {1, 0}}, 0, 1},
        {"two-byte radio", kValueRadioState, RegistryValue{RegistryValueType::kDword, {0, 0}}, 0, 1},
        {"another value only", u"Other", RegistryValue::Dword(5), 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        machine.Settings().SetValue(kSettingsKey, c.name, c.stored);
        uint32_t mode = 0xDEAD;
        uint32_t radio = 0xDEAD;
        EXPECT_TRUE(ReadModeSetting(machine.Settings(), kModeSelectorCurrentMode, mode, radio));
        EXPECT_TRUE(ReadModeSetting(machine.Settings(), kModeSelectorRadioState, mode, radio));
        EXPECT_EQ(mode, c.mode);
        EXPECT_EQ(radio, c.radio);
        EXPECT_EQ(machine.Journal().Count(op::kRegCloseKey), 2u);
    }
}

TEST_F(SettingsOperations, IcsCardNameReadsTextValuesOnly) {
    struct Case {
        const char* label;
        RegistryValue stored;
        std::u16string expected;
    };
    const std::u16string longest(511, u'n');
    const Case cases[] = {
        {"plain", RegistryValue::Sz(u"Realtek PCIe GBE Family Controller"),
         u"Realtek PCIe GBE Family Controller"},
        {"unexpanded", RegistryValue::ExpandSz(u"%SystemRoot%\\card"), u"%SystemRoot%\\card"},
        {"cut at the first zero", RegistryValue::Sz(std::u16string(u"abc\0def", 7)), u"abc"},
        {"511 characters", RegistryValue::Sz(longest), longest},
        {"512 characters refused", RegistryValue::Sz(longest + u"n"), u""},
        {"a number", RegistryValue::Dword(1), u""},
        {"binary", RegistryValue::Binary({'a', 0, 0, 0}), u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        machine.Settings().SetValue(kSettingsKey, kValueIcsCardName, c.stored);
        EXPECT_EQ(ReadIcsCardName(machine.Settings()), c.expected);
    }
}

TEST_F(SettingsOperations, IcsCardNameIsWrittenWithItsTerminatingZero) {
    WriteIcsCardName(Store(), u"Realtek");
    EXPECT_EQ(Store().Value(kSettingsKey, kValueIcsCardName), RegistryValue::Sz(u"Realtek"));
    const auto writes = Log().Find(op::kRegSetValueExW);
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].arguments,
              R"(key="Software\\Duva DI" name="ICS CardName" type=REG_SZ size=16 data="Realtek")");
    EXPECT_EQ(ReadIcsCardName(Store()), u"Realtek");
}

TEST_F(SettingsOperations, ReadOnlyKeyOpensForReadingAndKeepsItsValues) {
    Store().SetValue(kSettingsKey, kValueCurrentMode, RegistryValue::Dword(1));
    Store().SetKeyReadOnly(kSettingsKey);

    WriteModeSetting(Store(), kModeSelectorCurrentMode, 0, 0);
    PostShowWindowRequest(Store());

    EXPECT_EQ(Log().Operations(), (Ops{"RegOpenKeyExW", "RegOpenKeyExW", "RegSetValueExW", "RegCloseKey",
                                       "RegOpenKeyExW", "RegOpenKeyExW", "RegSetValueExW", "RegCloseKey"}));
    EXPECT_EQ(Log().Entries()[0].result, kErrorAccessDenied);
    EXPECT_EQ(Log().Entries()[1].result, 0u);
    EXPECT_EQ(Log().Entries()[2].result, kErrorAccessDenied);
    EXPECT_EQ(Store().Value(kSettingsKey, kValueCurrentMode), RegistryValue::Dword(1));
    EXPECT_FALSE(Store().Value(kSettingsKey, kValueShowWindow).has_value());

    uint32_t mode = 0;
    uint32_t radio = 0;
    EXPECT_TRUE(ReadModeSetting(Store(), kModeSelectorCurrentMode, mode, radio));
    EXPECT_EQ(mode, 1u);
}

TEST_F(SettingsOperations, FailedCreateWritesNothing) {
    machine_.Failures().FailAlways(op::kRegCreateKeyExW, kErrorAccessDenied);
    WriteModeSetting(Store(), kModeSelectorRadioState, 0, 1);
    ClearShowWindowRequest(Store());
    WriteIcsCardName(Store(), u"Realtek");

    EXPECT_EQ(Log().Count(op::kRegCreateKeyExW), 3u);
    EXPECT_EQ(Log().Count(op::kRegSetValueExW), 0u);
    EXPECT_EQ(Log().Count(op::kRegCloseKey), 0u);
    EXPECT_FALSE(Store().KeyExists(kSettingsKey));
}

TEST_F(SettingsOperations, LoadingTakesOnlyNonEmptyEntriesOfAtMost255Characters) {
    struct Case {
        const char* label;
        std::optional<std::u16string> storedSsid;  // nothing: no entry
        std::optional<std::u16string> storedKey;
        std::u16string expectedSsid;
        std::u16string expectedKey;
    };
    const std::u16string long300(300, u'x');
    const Case cases[] = {
        {"no file", std::nullopt, std::nullopt, u"old name", u"old key"},
        {"empty name", u"", u"new key 123", u"old name", u"new key 123"},
        {"both", u"HomeNet AP", u"secret123", u"HomeNet AP", u"secret123"},
        {"300 characters", long300, std::nullopt, long300.substr(0, 255), u"old key"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        if (c.storedSsid)
            machine.Settings().SetProfileString(kIniFile, u"Duva DI", u"SSID", *c.storedSsid);
        if (c.storedKey)
            machine.Settings().SetProfileString(kIniFile, u"duva di", u"key", *c.storedKey);
        std::u16string ssid = u"old name";
        std::u16string key = u"old key";
        ApSettings{machine.Settings(), kFolder, ssid, key}.Load();
        EXPECT_EQ(ssid, c.expectedSsid);
        EXPECT_EQ(key, c.expectedKey);
        EXPECT_EQ(machine.Journal().Operations(),
                  (Ops{"GetPrivateProfileStringW", "GetPrivateProfileStringW"}));
    }
}

TEST_F(SettingsOperations, SavingWritesBothEntriesInQuotesThroughTheDoubledSeparator) {
    std::u16string ssid;
    std::u16string key = u"secret123";
    ApSettings{Store(), kFolder, ssid, key}.Save();

    const auto writes = Log().Find(op::kWritePrivateProfileStringW);
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(
        writes[0].arguments,
        R"(section="Duva DI" key="SSID" value="\"\"" file="C:\\Program Files\\Aerowisp\\\\DuvaDI.ini")");
    EXPECT_EQ(
        writes[1].arguments,
        R"(section="Duva DI" key="KEY" value="\"secret123\"" file="C:\\Program Files\\Aerowisp\\\\DuvaDI.ini")");
    EXPECT_EQ(Store().StoredProfileString(u"c:/program files/aerowisp/duvadi.ini", u"DUVA DI", u"Key"),
              u"\"secret123\"");

    std::u16string loadedSsid = u"kept";
    std::u16string loadedKey;
    ApSettings{Store(), kFolder, loadedSsid, loadedKey}.Load();
    EXPECT_EQ(loadedSsid, u"kept");
    EXPECT_EQ(loadedKey, u"secret123");
}

// The profile functions drop blanks and one pair of quotes around a value when they read it: what the
// program saves must come back byte for byte, and entries written without quotes read as before.
TEST_F(SettingsOperations, NameAndKeySurviveARoundTripThroughTheFile) {
    const std::u16string longest(255, u'x');
    struct Case {
        const char* label;
        std::u16string value;
    };
    const Case cases[] = {
        {"blanks around", u"  Home Net  "},
        {"tab at the end", u"Home\t"},
        {"double quotes around", u"\"Home\""},
        {"single quotes around", u"'Home'"},
        {"one quote at each end, different", u"\"Home'"},
        {"a lone quote", u"\""},
        {"quotes and blanks", u" \" a \" "},
        {"equals signs", u"a=b==c"},
        {"semicolon and hash first", u";# not a comment"},
        {"brackets", u"[Duva DI]"},
        {"multi-byte text", u"\u7f51\u7edc \u00e9\u00e8 \U0001F600"},
        {"255 characters", longest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        std::u16string ssid = c.value;
        std::u16string key = c.value;
        ApSettings{machine.Settings(), kFolder, ssid, key}.Save();
        std::u16string loadedSsid;
        std::u16string loadedKey;
        ApSettings{machine.Settings(), kFolder, loadedSsid, loadedKey}.Load();
        EXPECT_EQ(loadedSsid, c.value);
        EXPECT_EQ(loadedKey, c.value);
    }

    struct OldCase {
        const char* label;
        std::u16string stored;
        std::u16string loaded;
    };
    const OldCase oldCases[] = {
        {"bare", u"HomeNet AP", u"HomeNet AP"},
        {"blanks around", u"  Home Net  ", u"Home Net"},
        {"quoted by hand", u" \"Home Net \" ", u"Home Net "},
        {"two pairs of quotes", u"\"\"Home\"\"", u"\"Home\""},
        {"quotes only", u"\"\"", u""},
    };
    for (const OldCase& c : oldCases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        machine.Settings().SetProfileString(kIniFile, u"Duva DI", u"SSID", c.stored);
        std::u16string ssid = u"old name";
        std::u16string key;
        ApSettings{machine.Settings(), kFolder, ssid, key}.Load();
        EXPECT_EQ(ssid, c.loaded.empty() ? u"old name" : c.loaded);
    }
}

// The profile functions take values as C strings: a zero ends the value, and the saved one keeps its
// closing quote.
TEST_F(SettingsOperations, AValueEndsAtItsFirstZero) {
    using namespace std::string_literals;
    struct Case {
        const char* label;
        std::u16string value;
        std::u16string stored;
        std::u16string loaded;
    };
    const Case cases[] = {
        {"zero inside", u"ab\0cd"s, u"\"ab\"", u"ab"},
        {"zero first", u"\0cd"s, u"\"\"", u"old"},
        {"zero beyond 255", std::u16string(300, u'x') + u'\0', u'"' + std::u16string(255, u'x') + u'"',
         std::u16string(255, u'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        SimMachine machine{Scenario{}};
        std::u16string ssid = c.value;
        std::u16string key = c.value;
        ApSettings{machine.Settings(), kFolder, ssid, key}.Save();
        EXPECT_EQ(machine.Settings().StoredProfileString(kIniFile, u"Duva DI", u"SSID"), c.stored);
        std::u16string loaded = u"old";
        ApSettings{machine.Settings(), kFolder, loaded, key}.Load();
        EXPECT_EQ(loaded, c.loaded);
    }
}

TEST_F(SettingsOperations, FailedProfileWriteLeavesTheFileAlone) {
    machine_.Failures().FailNext(op::kWritePrivateProfileStringW, kErrorAccessDenied);
    std::u16string ssid = u"HomeNet AP";
    std::u16string key = u"secret123";
    ApSettings{Store(), kFolder, ssid, key}.Save();
    EXPECT_FALSE(Store().ProfileString(kIniFile, u"Duva DI", u"SSID").has_value());
    EXPECT_EQ(Store().ProfileString(kIniFile, u"Duva DI", u"KEY"), u"secret123");
    EXPECT_EQ(Log().Find(op::kWritePrivateProfileStringW)[0].result, kErrorAccessDenied);
}

}  // namespace
}  // namespace aerowisp
