// Port: where the program keeps its settings, the current user's registry and profile (INI) files.
// Implementations: NativeSettingsStore (src/win/native, over CRegKey and the profile functions),
// SimSettingsStore (src/sim, in memory with the same semantics).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace aerowisp {

// One open registry key; the key is closed when the object goes away.
class RegistryKey {
  public:
    virtual ~RegistryKey() = default;

    // A null name fails at once. REG_DWORD of four bytes reads as is; REG_SZ and REG_EXPAND_SZ read as
    // their text parsed by ParseRegistryNumber. Every failure (a missing value, any other type, a shorter
    // REG_DWORD) leaves `value` untouched.
    virtual bool QueryDWORDValue(const char16_t* name, uint32_t& value) = 0;
    // REG_SZ or REG_EXPAND_SZ (unexpanded), at most 511 characters, cut at the first zero.
    virtual bool QueryStringValue(const char16_t* name, std::u16string& text) = 0;
    virtual bool SetDWORDValue(const char16_t* name, uint32_t value) = 0;
    // REG_SZ with its terminating zero.
    virtual bool SetStringValue(const char16_t* name, const std::u16string& text) = 0;
};

// Profile values are read through a buffer of this many characters: room for a value of 255 characters
// between the double quotes it is written in, and the terminating zero.
inline constexpr size_t kProfileReadBufferChars = 258;

class SettingsStore {
  public:
    virtual ~SettingsStore() = default;

    // A key under HKEY_CURRENT_USER opened for all access, else for reading only; null when both fail.
    // Never creates the key.
    virtual std::unique_ptr<RegistryKey> OpenUserKey(std::u16string_view subkey) = 0;
    // Creates the key when missing; null when that fails.
    virtual std::unique_ptr<RegistryKey> CreateUserKey(std::u16string_view subkey) = 0;

    // GetPrivateProfileStringW with no default and a kProfileReadBufferChars buffer. As the profile
    // functions do, the blanks around the stored value go, and then one pair of matching single or double
    // quotes around it.
    virtual std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                             const std::u16string& path) = 0;
    // WritePrivateProfileStringW, `value` as it is; creates the file and section when missing.
    virtual bool WriteProfileString(std::u16string_view section, std::u16string_view key,
                                    const std::u16string& value, const std::u16string& path) = 0;
};

}  // namespace aerowisp
