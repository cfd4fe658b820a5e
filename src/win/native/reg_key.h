// CRegKey: the one registry key through which every settings value is read and written.
#pragma once

#include <windows.h>

#include <string>

#include "base/handle.h"

namespace aerowisp {

// Owns at most one open key, closed at the latest by the destructor. Not copyable.
class CRegKey {
  public:
    CRegKey() = default;
    virtual ~CRegKey() = default;

    CRegKey(const CRegKey&) = delete;
    CRegKey& operator=(const CRegKey&) = delete;

    // Opens for all access; when that is refused, for reading only. False (and no key) when both fail.
    bool Open(HKEY parent, const wchar_t* subkey);
    // Opens the key for all access, creating it when missing. False (and no key) on failure.
    bool Create(HKEY parent, const wchar_t* subkey);
    void Close();

    // REG_DWORD of four bytes as stored; REG_SZ and REG_EXPAND_SZ as their text read by
    // ParseRegistryNumber. Every failure (a null name, a missing value, another type such as REG_BINARY,
    // a REG_DWORD of fewer bytes) leaves `value` untouched, so it keeps the caller's default.
    bool QueryDWORDValue(const wchar_t* name, DWORD& value);
    // REG_SZ or REG_EXPAND_SZ (unexpanded), cut at the first zero. At most 511 characters are read; a
    // longer value fails. On failure `text` is left as it was.
    bool QueryStringValue(const wchar_t* name, std::wstring& text);
    // Both setters fail without touching the registry when the name is null or no key is open.
    bool SetDWORDValue(const wchar_t* name, DWORD value);
    // REG_SZ including the terminating zero.
    bool SetStringValue(const wchar_t* name, const std::wstring& text);

  private:
    base::RegistryKey m_key;
};

}  // namespace aerowisp
