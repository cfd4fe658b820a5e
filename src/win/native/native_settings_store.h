// The settings store of the real machine: the current user's registry through CRegKey, and the profile
// (INI) functions.
#pragma once

#include "core/platform/settings_store.h"

namespace aerowisp {

class NativeSettingsStore final : public SettingsStore {
  public:
    std::unique_ptr<RegistryKey> OpenUserKey(std::u16string_view subkey) override;
    std::unique_ptr<RegistryKey> CreateUserKey(std::u16string_view subkey) override;

    std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                     const std::u16string& path) override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view key, const std::u16string& value,
                            const std::u16string& path) override;
};

}  // namespace aerowisp
