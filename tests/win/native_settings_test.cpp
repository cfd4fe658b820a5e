// The settings operations over NativeSettingsStore, against the real (Wine) registry and profile files.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/settings/settings_operations.h"
#include "base/handle.h"
#include "fw/wide_text.h"
#include "native/native_settings_store.h"

namespace aerowisp {
namespace {

constexpr wchar_t kKeyPath[] = L"Software\\Duva DI";

bool SettingsKeyExists() {
    base::RegistryKey key;
    return RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

void SetRawValue(const wchar_t* name, DWORD type, const void* data, DWORD bytes) {
    ASSERT_EQ(ERROR_SUCCESS, RegSetKeyValueW(HKEY_CURRENT_USER, kKeyPath, name, type, data, bytes));
}

void SetRawText(const wchar_t* name, DWORD type, const std::wstring& text) {
    SetRawValue(name, type, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void SetRawDword(const wchar_t* name, DWORD value) {
    SetRawValue(name, REG_DWORD, &value, sizeof(value));
}

DWORD RawDword(const wchar_t* name) {
    DWORD value = 0;
    DWORD bytes = sizeof(value);
    RegGetValueW(HKEY_CURRENT_USER, kKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value, &bytes);
    return value;
}

// Grants the current user `access` and nothing else on the settings key. The key's owner may always
// change its access list, so the tests can lift a restriction again.
bool SetUserAccess(REGSAM access) {
    base::RegistryKey key;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, WRITE_DAC, key.Receive()) != ERROR_SUCCESS)
        return false;
    base::KernelHandle token;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, token.Receive()))
        return false;
    DWORD size = 0;
    GetTokenInformation(token.Get(), TokenUser, nullptr, 0, &size);
    std::vector<BYTE> user(size);
    if (!GetTokenInformation(token.Get(), TokenUser, user.data(), size, &size))
        return false;
    PSID sid = reinterpret_cast<TOKEN_USER*>(user.data())->User.Sid;

    std::vector<BYTE> aclBuffer(sizeof(ACL) + sizeof(ACCESS_ALLOWED_ACE) + GetLengthSid(sid));
    auto* acl = reinterpret_cast<ACL*>(aclBuffer.data());
    SECURITY_DESCRIPTOR descriptor;
    return InitializeAcl(acl, static_cast<DWORD>(aclBuffer.size()), ACL_REVISION) &&
           AddAccessAllowedAce(acl, ACL_REVISION, access, sid) &&
           InitializeSecurityDescriptor(&descriptor, SECURITY_DESCRIPTOR_REVISION) &&
           SetSecurityDescriptorDacl(&descriptor, TRUE, acl, FALSE) &&
           RegSetKeySecurity(key.Get(), DACL_SECURITY_INFORMATION | PROTECTED_DACL_SECURITY_INFORMATION,
                             &descriptor) == ERROR_SUCCESS;
}

void DeleteSettingsKey() {
    SetUserAccess(KEY_ALL_ACCESS);
    RegDeleteTreeW(HKEY_CURRENT_USER, kKeyPath);
}

class NativeSettingsTest : public testing::Test {
  protected:
    void SetUp() override { DeleteSettingsKey(); }
    void TearDown() override { DeleteSettingsKey(); }

    NativeSettingsStore m_store;
};

TEST_F(NativeSettingsTest, WithoutTheKeyStartUpGetsDefaultsAndTheFirstWriteCreatesIt) {
    uint32_t mode = 0;
    uint32_t radio = 0;
    EXPECT_FALSE(ReadModeSetting(m_store, kModeSelectorCurrentMode, mode, radio));
    EXPECT_FALSE(ReadModeSetting(m_store, kModeSelectorRadioState, mode, radio));
    EXPECT_EQ(0u, mode);
    EXPECT_EQ(1u, radio);
    EXPECT_EQ(0u, ReadShowWindowRequest(m_store));
    EXPECT_EQ(u"", ReadIcsCardName(m_store));
    EXPECT_FALSE(SettingsKeyExists()) << "reading never creates the key";

    EXPECT_TRUE(WriteModeSetting(m_store, kModeSelectorRadioState, 0, 0));
    EXPECT_TRUE(SettingsKeyExists());
    EXPECT_EQ(0u, RawDword(L"Radio state"));
}

TEST_F(NativeSettingsTest, MissingValuesUnderAnExistingKeyReadAsDefaults) {
    SetRawDword(L"Unrelated", 3);
    uint32_t mode = 5;
    uint32_t radio = 5;
    EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorCurrentMode, mode, radio));
    EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorRadioState, mode, radio));
    EXPECT_EQ(0u, mode);
    EXPECT_EQ(1u, radio);
    EXPECT_EQ(0u, ReadShowWindowRequest(m_store));
    EXPECT_EQ(u"", ReadIcsCardName(m_store));
}

TEST_F(NativeSettingsTest, StoredNumbersReadAsTheyAre) {
    SetRawDword(L"Radio state", 2);
    SetRawDword(L"Current Mode", 7);
    uint32_t mode = 0;
    uint32_t radio = 0;
    EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorCurrentMode, mode, radio));
    EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorRadioState, mode, radio));
    EXPECT_EQ(7u, mode);
    EXPECT_EQ(2u, radio);
}

TEST_F(NativeSettingsTest, CurrentModeStoredAsTextReadsAsItsNumber) {
    struct Case {
        const wchar_t* text;
        uint32_t mode;
    };
    for (const Case& c : {Case{L"1", 1}, Case{L" 12abc", 12}, Case{L"abc", 0}}) {
        SCOPED_TRACE(testing::Message() << "text of " << wcslen(c.text) << " characters");
        SetRawText(L"Current Mode", REG_SZ, c.text);
        uint32_t mode = 99;
        uint32_t radio = 0;
        EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorCurrentMode, mode, radio));
        EXPECT_EQ(c.mode, mode);
    }
}

TEST_F(NativeSettingsTest, ModeAndShowWindowWritesReachTheRegistry) {
    WriteModeSetting(m_store, kModeSelectorCurrentMode, 1, 0);
    EXPECT_EQ(1u, RawDword(L"Current Mode"));
    WriteModeSetting(m_store, kModeSelectorRadioState, 0, 1);
    EXPECT_EQ(1u, RawDword(L"Radio state"));
    EXPECT_EQ(1u, RawDword(L"Current Mode")) << "selector 1 leaves the mode alone";

    PostShowWindowRequest(m_store);
    EXPECT_EQ(1u, ReadShowWindowRequest(m_store));
    ClearShowWindowRequest(m_store);
    EXPECT_EQ(0u, ReadShowWindowRequest(m_store));
}

TEST_F(NativeSettingsTest, IcsCardNameIsWrittenWithItsZeroAndReadBack) {
    const std::vector<std::u16string> names = {
        u"Intel(R) 82579LM Gigabit Network Connection", u"",
        u"\u672C\u5730\u8FDE\u63A5",     // Chinese
        u"Wi-Fi \U0001F4F6 \U0001F600",  // surrogate pairs
    };
    for (const std::u16string& name : names) {
        SCOPED_TRACE(testing::Message() << "name of " << name.size() << " UTF-16 units");
        WriteIcsCardName(m_store, name);
        DWORD type = REG_NONE;
        std::vector<wchar_t> stored(128, L'?');
        DWORD bytes = static_cast<DWORD>(stored.size() * sizeof(wchar_t));
        ASSERT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, kKeyPath, L"ICS CardName",
                                              RRF_RT_ANY | RRF_NOEXPAND, &type, stored.data(), &bytes));
        EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
        EXPECT_EQ((name.size() + 1) * sizeof(wchar_t), bytes);
        EXPECT_EQ(L'\0', stored[name.size()]);
        EXPECT_EQ(name, ReadIcsCardName(m_store));
    }
}

TEST_F(NativeSettingsTest, IcsCardNameStoredExpandableIsReturnedUnexpanded) {
    SetRawText(L"ICS CardName", REG_EXPAND_SZ, L"%SystemRoot%\\x");
    EXPECT_EQ(u"%SystemRoot%\\x", ReadIcsCardName(m_store));
}

TEST_F(NativeSettingsTest, IcsCardNameOfAnotherTypeReadsEmpty) {
    SetRawDword(L"ICS CardName", 1);
    EXPECT_EQ(u"", ReadIcsCardName(m_store));
}

TEST_F(NativeSettingsTest, ReadOnlyKeyIsReadWhileEveryWriteFails) {
    SetRawDword(L"Current Mode", 1);
    SetRawDword(L"Radio state", 1);
    SetRawDword(L"Show Window", 0);
    SetRawText(L"ICS CardName", REG_SZ, L"eth0");
    ASSERT_TRUE(SetUserAccess(KEY_READ));
    {
        base::RegistryKey probe;
        ASSERT_EQ(ERROR_ACCESS_DENIED,
                  RegOpenKeyExW(HKEY_CURRENT_USER, kKeyPath, 0, KEY_ALL_ACCESS, probe.Receive()))
            << "the registry does not honour the key's access list";
    }

    uint32_t mode = 0;
    uint32_t radio = 0;
    EXPECT_TRUE(ReadModeSetting(m_store, kModeSelectorCurrentMode, mode, radio));
    EXPECT_EQ(1u, mode);
    EXPECT_EQ(u"eth0", ReadIcsCardName(m_store));

    EXPECT_FALSE(WriteModeSetting(m_store, kModeSelectorCurrentMode, 0, 0));
    EXPECT_FALSE(WriteModeSetting(m_store, kModeSelectorRadioState, 0, 0));
    PostShowWindowRequest(m_store);
    WriteIcsCardName(m_store, u"wlan0");

    EXPECT_EQ(1u, RawDword(L"Current Mode"));
    EXPECT_EQ(1u, RawDword(L"Radio state"));
    EXPECT_EQ(0u, ReadShowWindowRequest(m_store));
    EXPECT_EQ(u"eth0", ReadIcsCardName(m_store));
}

// A private program folder under the temporary folder, with its trailing backslash.
class ApSettingsFileTest : public testing::Test {
  protected:
    void SetUp() override {
        wchar_t temp[MAX_PATH] = {};
        ASSERT_NE(0u, GetTempPathW(MAX_PATH, temp));
        m_folder = std::wstring(temp) + L"aerowisp-ini-" + std::to_wstring(GetCurrentProcessId()) + L"\\";
        CreateDirectoryW(m_folder.c_str(), nullptr);
        DeleteFileW(IniFile().c_str());
    }
    void TearDown() override {
        DeleteFileW(IniFile().c_str());
        RemoveDirectoryW(m_folder.c_str());
    }

    std::wstring IniFile() const { return m_folder + L"DuvaDI.ini"; }
    std::u16string ProgramFolder() const { return fw::FromWide(m_folder); }

    void WriteEntry(const wchar_t* key, const std::wstring& value) {
        ASSERT_TRUE(WritePrivateProfileStringW(L"Duva DI", key, value.c_str(), IniFile().c_str()));
    }

    void Load() { ApSettings{m_store, ProgramFolder(), m_ssid, m_key}.Load(); }
    void Save() { ApSettings{m_store, ProgramFolder(), m_ssid, m_key}.Save(); }

    std::wstring m_folder;
    NativeSettingsStore m_store;
    std::u16string m_ssid;
    std::u16string m_key;
};

TEST_F(ApSettingsFileTest, SaveThroughTheDoubledSeparatorAndLoadBack) {
    ASSERT_NE(std::u16string::npos, ApSettingsIniPath(ProgramFolder()).find(u"\\\\DuvaDI.ini"));
    m_ssid = u"Duva DI";
    m_key = u"12345678";
    Save();
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesW(IniFile().c_str()));

    m_ssid.clear();
    m_key.clear();
    Load();
    EXPECT_EQ(u"Duva DI", m_ssid);
    EXPECT_EQ(u"12345678", m_key);
}

// What the next start reads: the profile functions' cache is flushed, so the file itself is read.
TEST_F(ApSettingsFileTest, NameAndKeyComeBackExactlyAfterARestart) {
    struct Case {
        const char* label;
        std::u16string value;
    };
    const Case cases[] = {
        {"blanks around", u"  Home Net  "},
        {"double quotes around", u"\"Home\""},
        {"single quotes around", u"'Home'"},
        {"quotes and blanks", u" \" a \" "},
        {"equals signs", u"a=b==c"},
        {"semicolon and hash first", u";# not a comment"},
        {"accented letters", u"Caf\u00e9 \u00e8"},
        {"255 characters", std::u16string(255, u'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        m_ssid = c.value;
        m_key = c.value;
        Save();
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, IniFile().c_str());
        m_ssid.clear();
        m_key.clear();
        Load();
        EXPECT_EQ(c.value, m_ssid);
        EXPECT_EQ(c.value, m_key);
    }
}

// A file written before values were quoted, or by hand.
TEST_F(ApSettingsFileTest, UnquotedEntriesReadWithoutTheirOuterBlanksAndQuotes) {
    struct Case {
        const char* label;
        const char* line;
        std::u16string loaded;
    };
    const Case cases[] = {
        {"bare", "SSID=HomeNet AP", u"HomeNet AP"},
        {"blanks around", "SSID =  Home Net  ", u"Home Net"},
        {"quoted by hand", "SSID= \"Home Net \" ", u"Home Net "},
        {"two pairs of quotes", "SSID=\"\"Home\"\"", u"\"Home\""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::string content = std::string("[Duva DI]\r\n") + c.line + "\r\n";
        {
            base::KernelHandle file(CreateFileW(IniFile().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                FILE_ATTRIBUTE_NORMAL, nullptr));
            ASSERT_TRUE(file);
            DWORD written = 0;
            ASSERT_TRUE(
                WriteFile(file.Get(), content.data(), static_cast<DWORD>(content.size()), &written, nullptr));
        }
        WritePrivateProfileStringW(nullptr, nullptr, nullptr, IniFile().c_str());
        m_ssid.clear();
        Load();
        EXPECT_EQ(c.loaded, m_ssid);
    }
}

TEST_F(ApSettingsFileTest, MissingFileOrEmptyEntriesLeaveTheValues) {
    m_ssid = u"old name";
    m_key = u"old key";
    Load();
    EXPECT_EQ(u"old name", m_ssid);
    EXPECT_EQ(u"old key", m_key);

    WriteEntry(L"SSID", L"");
    WriteEntry(L"KEY", L"new key");
    Load();
    EXPECT_EQ(u"old name", m_ssid);
    EXPECT_EQ(u"new key", m_key);
}

TEST_F(ApSettingsFileTest, SavingEmptyValuesWritesEmptyEntries) {
    Save();
    wchar_t text[16] = L"unchanged";
    GetPrivateProfileStringW(L"Duva DI", L"SSID", L"default", text, 16, IniFile().c_str());
    EXPECT_EQ(std::wstring(L""), text);
}

TEST_F(ApSettingsFileTest, OverlongValueGivesItsFirst255Characters) {
    std::wstring value;
    for (int i = 0; i < 300; ++i)
        value += static_cast<wchar_t>(L'a' + i % 26);
    WriteEntry(L"SSID", value);
    Load();
    EXPECT_EQ(std::u16string(value.begin(), value.begin() + 255), m_ssid);
}

}  // namespace
}  // namespace aerowisp
