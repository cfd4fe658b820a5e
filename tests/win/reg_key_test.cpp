// CRegKey against the real (Wine) registry: opening, creating, and how values of each type read back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "native/reg_key.h"

namespace aerowisp {
namespace {

constexpr wchar_t kTestKey[] = L"Software\\Aerowisp Tests\\CRegKey";
constexpr wchar_t kValue[] = L"Value";
constexpr DWORD kUntouched = 0xDEADBEEF;

// Raw registry access for arranging and checking, independent of the class under test.
class RawKey {
  public:
    RawKey() {
        RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, m_key.Receive(),
                        nullptr);
    }

    void SetBytes(DWORD type, const void* data, size_t bytes) {
        ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(m_key.Get(), kValue, 0, type, static_cast<const BYTE*>(data),
                                                static_cast<DWORD>(bytes)));
    }
    // Stored with its terminating zero.
    void SetText(DWORD type, const std::wstring& text) {
        SetBytes(type, text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    }
    void SetDword(DWORD value) { SetBytes(REG_DWORD, &value, sizeof(value)); }
    // The stored type and byte count, with the data in `buffer`.
    DWORD Query(DWORD& type, std::vector<wchar_t>& buffer) {
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (RegQueryValueExW(m_key.Get(), kValue, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()),
                             &bytes) != ERROR_SUCCESS) {
            return 0;
        }
        return bytes;
    }

  private:
    base::RegistryKey m_key;
};

class CRegKeyTest : public testing::Test {
  protected:
    void SetUp() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }
    void TearDown() override { RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey); }

    static bool KeyExists() {
        base::RegistryKey key;
        return RegOpenKeyExW(HKEY_CURRENT_USER, kTestKey, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
    }
};

TEST_F(CRegKeyTest, OpenNeverCreatesAndLeavesNoKeyOnFailure) {
    CRegKey key;
    EXPECT_FALSE(key.Open(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(KeyExists());
    EXPECT_FALSE(key.SetDWORDValue(kValue, 1));
}

TEST_F(CRegKeyTest, CreateMakesTheKeyThatOpenThenFinds) {
    {
        CRegKey key;
        ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
        EXPECT_TRUE(key.SetDWORDValue(kValue, 5));
    }
    EXPECT_TRUE(KeyExists());
    CRegKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
    DWORD value = 0;
    EXPECT_TRUE(key.QueryDWORDValue(kValue, value));
    EXPECT_EQ(5u, value);
}

TEST_F(CRegKeyTest, SettersRefuseWithoutKeyOrName) {
    CRegKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    EXPECT_FALSE(key.SetDWORDValue(nullptr, 1));
    EXPECT_FALSE(key.SetStringValue(nullptr, L"x"));
    key.Close();
    EXPECT_FALSE(key.SetDWORDValue(kValue, 1));
    EXPECT_FALSE(key.SetStringValue(kValue, L"x"));
}

struct DwordCase {
    const char* label;
    DWORD type;
    std::wstring text;  // for the text types
    DWORD dword;        // for REG_DWORD
    bool ok;
    DWORD expected;
};

TEST_F(CRegKeyTest, QueryDWORDValueReadsNumbersAndNumericText) {
    const std::wstring longNumber = L"77" + std::wstring(509, L' ');  // 511 characters, the most that is read
    const std::vector<DwordCase> cases = {
        {"dword", REG_DWORD, L"", 7, true, 7},
        {"dword zero", REG_DWORD, L"", 0, true, 0},
        {"text one", REG_SZ, L"1", 0, true, 1},
        {"space digits letters", REG_SZ, L" 12abc", 0, true, 12},
        {"letters only", REG_SZ, L"abc", 0, true, 0},
        {"empty text", REG_SZ, L"", 0, true, 0},
        {"negative", REG_SZ, L"-5", 0, true, 0xFFFFFFFB},
        {"plus sign", REG_SZ, L"+9", 0, true, 9},
        {"beyond 32 bits", REG_SZ, L"99999999999", 0, true, 0x7FFFFFFF},
        {"expandable text", REG_EXPAND_SZ, L"42", 0, true, 42},
        {"511 characters", REG_SZ, longNumber, 0, true, 77},
    };
    for (const DwordCase& c : cases) {
        SCOPED_TRACE(c.label);
        RawKey raw;
        if (c.type == REG_DWORD) {
            raw.SetDword(c.dword);
        } else {
            raw.SetText(c.type, c.text);
        }
        CRegKey key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
        DWORD value = kUntouched;
        EXPECT_EQ(c.ok, key.QueryDWORDValue(kValue, value));
        EXPECT_EQ(c.expected, value);
    }
}

// Every failure leaves the caller's default, also when the stored bytes would fit the number.
TEST_F(CRegKeyTest, QueryDWORDValueFailsForOtherTypesAndKeepsTheDefault) {
    const unsigned char four[4] = {1, 0, 0, 0};
    const unsigned char eight[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    const ULONGLONG qword = 1;
    const std::wstring overlong = L"5" + std::wstring(600, L' ');
    struct Case {
        const char* label;
        DWORD type;  // REG_NONE: no value at all
        const void* bytes;
        DWORD size;
    };
    const Case cases[] = {
        {"missing value", REG_NONE, nullptr, 0},
        {"binary of 4 bytes", REG_BINARY, four, sizeof(four)},
        {"binary of 1 byte", REG_BINARY, four, 1},
        {"binary of 8 bytes", REG_BINARY, eight, sizeof(eight)},
        {"dword of 2 bytes", REG_DWORD, four, 2},
        {"big-endian dword", REG_DWORD_BIG_ENDIAN, four, sizeof(four)},
        {"qword", REG_QWORD, &qword, sizeof(qword)},
        {"text longer than 511 characters", REG_SZ, overlong.c_str(),
         static_cast<DWORD>((overlong.size() + 1) * sizeof(wchar_t))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        RawKey raw;
        if (c.type != REG_NONE)
            raw.SetBytes(c.type, c.bytes, c.size);
        CRegKey key;
        ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
        DWORD value = kUntouched;
        EXPECT_FALSE(key.QueryDWORDValue(kValue, value));
        EXPECT_EQ(kUntouched, value);
        EXPECT_FALSE(key.QueryDWORDValue(nullptr, value));
        EXPECT_EQ(kUntouched, value);
    }
}

TEST_F(CRegKeyTest, QueryStringValueReadsTextAsStored) {
    RawKey raw;
    CRegKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));
    std::wstring text;

    raw.SetText(REG_SZ, L"Local Area Connection");
    EXPECT_TRUE(key.QueryStringValue(kValue, text));
    EXPECT_EQ(L"Local Area Connection", text);

    raw.SetText(REG_EXPAND_SZ, L"%SystemRoot%\\x");
    EXPECT_TRUE(key.QueryStringValue(kValue, text));
    EXPECT_EQ(L"%SystemRoot%\\x", text) << "returned without expanding";

    const wchar_t embedded[] = L"ab\0cd";
    raw.SetBytes(REG_SZ, embedded, sizeof(embedded));
    EXPECT_TRUE(key.QueryStringValue(kValue, text));
    EXPECT_EQ(L"ab", text) << "cut at the first zero";

    const std::wstring unterminated = L"no zero";
    raw.SetBytes(REG_SZ, unterminated.data(), unterminated.size() * sizeof(wchar_t));
    EXPECT_TRUE(key.QueryStringValue(kValue, text));
    EXPECT_EQ(unterminated, text);

    const std::wstring longest(511, L'n');
    raw.SetText(REG_SZ, longest);
    EXPECT_TRUE(key.QueryStringValue(kValue, text));
    EXPECT_EQ(longest, text);
}

TEST_F(CRegKeyTest, QueryStringValueFailureLeavesTextAlone) {
    RawKey raw;
    CRegKey key;
    ASSERT_TRUE(key.Open(HKEY_CURRENT_USER, kTestKey));

    for (const std::wstring& before : {std::wstring(), std::wstring(L"kept")}) {
        SCOPED_TRACE(testing::Message() << "text before: " << before.size() << " characters");
        std::wstring text = before;
        EXPECT_FALSE(key.QueryStringValue(L"Missing", text));
        EXPECT_EQ(before, text);
        EXPECT_FALSE(key.QueryStringValue(nullptr, text));
        EXPECT_EQ(before, text);
        raw.SetDword(1);
        EXPECT_FALSE(key.QueryStringValue(kValue, text)) << "REG_DWORD";
        EXPECT_EQ(before, text);
        raw.SetText(REG_SZ, std::wstring(512, L'x'));
        EXPECT_FALSE(key.QueryStringValue(kValue, text)) << "512 characters";
        EXPECT_EQ(before, text);
    }
}

TEST_F(CRegKeyTest, SetStringValueStoresTextWithItsZero) {
    CRegKey key;
    ASSERT_TRUE(key.Create(HKEY_CURRENT_USER, kTestKey));
    const std::wstring text = L"Wireless \u4E2D\u6587 \U0001F4F6";
    ASSERT_TRUE(key.SetStringValue(kValue, text));

    RawKey raw;
    DWORD type = REG_NONE;
    std::vector<wchar_t> stored(64);
    const DWORD bytes = raw.Query(type, stored);
    EXPECT_EQ(static_cast<DWORD>(REG_SZ), type);
    EXPECT_EQ((text.size() + 1) * sizeof(wchar_t), bytes);
    EXPECT_EQ(L'\0', stored[text.size()]);
    EXPECT_EQ(text, std::wstring(stored.data()));
}

}  // namespace
}  // namespace aerowisp
