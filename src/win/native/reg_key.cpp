// CRegKey over the Win32 registry functions.
#include "native/reg_key.h"

#include <limits>

#include "core/text/registry_number.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// Text values pass through a buffer of this many characters, of which only this many bytes are offered
// to the query: 511 characters and the terminating zero.
constexpr size_t kStringBufferChars = 1024;
constexpr DWORD kStringDataBytes = 1024;

constexpr DWORD kDwordBytes = sizeof(DWORD);

}  // namespace

bool CRegKey::Open(HKEY parent, const wchar_t* subkey) {
    Close();
    HKEY key = nullptr;
    if (RegOpenKeyExW(parent, subkey, 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS &&
        RegOpenKeyExW(parent, subkey, 0, KEY_READ, &key) != ERROR_SUCCESS) {
        return false;
    }
    m_key.Reset(key);
    return true;
}

bool CRegKey::Create(HKEY parent, const wchar_t* subkey) {
    Close();
    wchar_t noClass[] = L"";
    HKEY key = nullptr;
    DWORD disposition = 0;
    if (RegCreateKeyExW(parent, subkey, 0, noClass, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr, &key,
                        &disposition) != ERROR_SUCCESS) {
        return false;
    }
    m_key.Reset(key);
    return true;
}

void CRegKey::Close() {
    m_key.Reset();
}

bool CRegKey::QueryDWORDValue(const wchar_t* name, DWORD& value) {
    if (name == nullptr || !m_key)
        return false;
    // Read beside `value`, so a failed read leaves the caller's default in it.
    DWORD stored = 0;
    DWORD type = REG_NONE;
    DWORD size = kDwordBytes;
    const LONG result =
        RegQueryValueExW(m_key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(&stored), &size);
    switch (type) {
        case REG_DWORD:
            // A value shorter than four bytes is no number.
            if (result != ERROR_SUCCESS || size != kDwordBytes)
                return false;
            value = stored;
            return true;
        case REG_SZ:
        case REG_EXPAND_SZ: {
            if (result != ERROR_SUCCESS && result != ERROR_MORE_DATA)
                return false;
            std::wstring text;
            if (!QueryStringValue(name, text))
                return false;
            value = ParseRegistryNumber(fw::FromWide(text));
            return true;
        }
        default:
            return false;
    }
}

bool CRegKey::QueryStringValue(const wchar_t* name, std::wstring& text) {
    if (name == nullptr || !m_key)
        return false;
    std::wstring buffer(kStringBufferChars, L'\0');
    DWORD type = REG_NONE;
    DWORD size = kStringDataBytes;
    if (RegQueryValueExW(m_key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(buffer.data()), &size) !=
        ERROR_SUCCESS) {
        return false;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ)
        return false;
    // The buffer is larger than the data offered, so a zero always follows what was read.
    buffer.resize(buffer.find(L'\0'));
    text = std::move(buffer);
    return true;
}

bool CRegKey::SetDWORDValue(const wchar_t* name, DWORD value) {
    if (name == nullptr || !m_key)
        return false;
    return RegSetValueExW(m_key.Get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                          kDwordBytes) == ERROR_SUCCESS;
}

bool CRegKey::SetStringValue(const wchar_t* name, const std::wstring& text) {
    if (name == nullptr || !m_key)
        return false;
    constexpr size_t kMaxChars = std::numeric_limits<DWORD>::max() / sizeof(wchar_t) - 1;
    if (text.size() > kMaxChars)
        return false;
    const auto bytes = static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t));
    return RegSetValueExW(m_key.Get(), name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()), bytes) ==
           ERROR_SUCCESS;
}

}  // namespace aerowisp
