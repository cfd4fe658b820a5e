// NativeSettingsStore: registry keys as CRegKey objects, profile values through the wide profile functions.
#include "native/native_settings_store.h"

#include <windows.h>
// winbase.h maps WriteProfileString to WriteProfileStringW; here the name is the port's operation.
#undef WriteProfileString

#include <algorithm>
#include <array>

#include "native/reg_key.h"
#include "fw/wide_text.h"

namespace aerowisp {
namespace {

// A null name stays null, so CRegKey can refuse it.
class WideName {
  public:
    explicit WideName(const char16_t* name)
        : m_isNull(name == nullptr), m_text(m_isNull ? L"" : fw::ToWide(name)) {}
    const wchar_t* Get() const { return m_isNull ? nullptr : m_text.c_str(); }

  private:
    bool m_isNull;
    std::wstring m_text;
};

class NativeRegistryKey final : public RegistryKey {
  public:
    CRegKey& Key() { return m_key; }

    bool QueryDWORDValue(const char16_t* name, uint32_t& value) override {
        DWORD stored = value;
        const bool ok = m_key.QueryDWORDValue(WideName(name).Get(), stored);
        value = stored;
        return ok;
    }

    bool QueryStringValue(const char16_t* name, std::u16string& text) override {
        std::wstring stored;
        if (!m_key.QueryStringValue(WideName(name).Get(), stored))
            return false;
        text = fw::FromWide(stored);
        return true;
    }

    bool SetDWORDValue(const char16_t* name, uint32_t value) override {
        return m_key.SetDWORDValue(WideName(name).Get(), value);
    }

    bool SetStringValue(const char16_t* name, const std::u16string& text) override {
        return m_key.SetStringValue(WideName(name).Get(), fw::ToWide(text));
    }

  private:
    CRegKey m_key;
};

}  // namespace

std::unique_ptr<RegistryKey> NativeSettingsStore::OpenUserKey(std::u16string_view subkey) {
    auto key = std::make_unique<NativeRegistryKey>();
    if (!key->Key().Open(HKEY_CURRENT_USER, fw::ToWide(subkey).c_str()))
        return nullptr;
    return key;
}

std::unique_ptr<RegistryKey> NativeSettingsStore::CreateUserKey(std::u16string_view subkey) {
    auto key = std::make_unique<NativeRegistryKey>();
    if (!key->Key().Create(HKEY_CURRENT_USER, fw::ToWide(subkey).c_str()))
        return nullptr;
    return key;
}

std::u16string NativeSettingsStore::ReadProfileString(std::u16string_view section, std::u16string_view key,
                                                      const std::u16string& path) {
    std::array<wchar_t, kProfileReadBufferChars> buffer{};
    const DWORD length =
        GetPrivateProfileStringW(fw::ToWide(section).c_str(), fw::ToWide(key).c_str(), nullptr, buffer.data(),
                                 kProfileReadBufferChars, fw::ToWide(path).c_str());
    return fw::FromWide(
        std::wstring_view(buffer.data(), std::min<DWORD>(length, kProfileReadBufferChars - 1)));
}

bool NativeSettingsStore::WriteProfileString(std::u16string_view section, std::u16string_view key,
                                             const std::u16string& value, const std::u16string& path) {
    return WritePrivateProfileStringW(fw::ToWide(section).c_str(), fw::ToWide(key).c_str(),
                                      fw::ToWide(value).c_str(), fw::ToWide(path).c_str()) != FALSE;
}

}  // namespace aerowisp
