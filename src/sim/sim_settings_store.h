// The settings store of the simulated machine: the current user's registry and profile (INI) files,
// in memory, with the semantics of the Windows functions the program calls.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/platform/settings_store.h"
#include "sim/registry_value.h"

namespace aerowisp {

class FailurePlan;
class Journal;

// Win32 error codes the simulated registry and profile functions return.
inline constexpr uint32_t kErrorFileNotFound = 2;
inline constexpr uint32_t kErrorAccessDenied = 5;
inline constexpr uint32_t kErrorMoreData = 234;

// Access masks passed to RegOpenKeyExW and RegCreateKeyExW.
inline constexpr uint32_t kKeyAllAccess = 0xF003F;
inline constexpr uint32_t kKeyRead = 0x20019;

class SimSettingsStore final : public SettingsStore {
  public:
    SimSettingsStore(Journal& journal, FailurePlan& failures);
    SimSettingsStore(const SimSettingsStore&) = delete;
    SimSettingsStore& operator=(const SimSettingsStore&) = delete;

    // Keys handed out must not outlive the store.
    std::unique_ptr<RegistryKey> OpenUserKey(std::u16string_view subkey) override;
    std::unique_ptr<RegistryKey> CreateUserKey(std::u16string_view subkey) override;
    std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                     const std::u16string& path) override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view key, const std::u16string& value,
                            const std::u16string& path) override;

    // ---- Preparing and inspecting the registry (not journaled) ----
    // Key paths are under HKEY_CURRENT_USER; names of keys and values ignore the case of A-Z.
    // Creating a key creates the keys above it, as the registry does.
    void CreateKey(std::u16string_view path);
    bool KeyExists(std::u16string_view path) const;
    // A key that opens only for reading: writes through it fail with access denied. Creates the key.
    void SetKeyReadOnly(std::u16string_view path, bool readOnly = true);
    void SetValue(std::u16string_view path, std::u16string_view name, RegistryValue value);
    std::optional<RegistryValue> Value(std::u16string_view path, std::u16string_view name) const;

    // ---- Preparing and inspecting profile files (not journaled) ----
    // File paths ignore the case of A-Z and doubled backslashes, as the file system does.
    void SetProfileString(std::u16string_view path, std::u16string_view section, std::u16string_view key,
                          std::u16string_view value);
    // Nothing when the file, section or key is missing; an empty text for an empty entry. ProfileString
    // gives the entry as the program reads it back, StoredProfileString as it stands in the file.
    std::optional<std::u16string> ProfileString(std::u16string_view path, std::u16string_view section,
                                                std::u16string_view key) const;
    std::optional<std::u16string> StoredProfileString(std::u16string_view path, std::u16string_view section,
                                                      std::u16string_view key) const;
    bool ProfileFileExists(std::u16string_view path) const;

  private:
    friend class SimRegistryKey;

    struct NamedValue {
        std::u16string name;
        RegistryValue value;
    };
    struct Key {
        std::u16string path;  // as first created
        bool readOnly = false;
        std::vector<NamedValue> values;
    };
    struct ProfileEntry {
        std::u16string key;
        std::u16string value;
    };
    struct ProfileSection {
        std::u16string name;
        std::vector<ProfileEntry> entries;
    };
    struct ProfileFile {
        std::u16string path;  // as first written
        std::vector<ProfileSection> sections;
    };

    Key* FindKey(std::u16string_view path);
    const Key* FindKey(std::u16string_view path) const;
    Key& EnsureKey(std::u16string_view path);
    static NamedValue* FindValue(Key& key, std::u16string_view name);
    static const NamedValue* FindValue(const Key& key, std::u16string_view name);
    const ProfileFile* FindFile(std::u16string_view path) const;
    const ProfileEntry* FindEntry(std::u16string_view path, std::u16string_view section,
                                  std::u16string_view key) const;
    ProfileEntry& EnsureEntry(std::u16string_view path, std::u16string_view section, std::u16string_view key);

    Journal& journal_;
    FailurePlan& failures_;
    std::map<std::u16string, Key> keys_;           // by folded path
    std::map<std::u16string, ProfileFile> files_;  // by folded, normalised path
};

}  // namespace aerowisp
