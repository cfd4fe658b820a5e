// A settings store with the simulated machine's failure plan in front of another store (in --simulate
// mode the real registry and profile files): a call the plan names fails with its error, without
// reaching the store behind, and is journaled; every other call passes through unjournaled.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/platform/settings_store.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"

namespace aerowisp {

class FailingSettingsStore final : public SettingsStore {
  public:
    // All three must outlive this store and the keys it hands out.
    FailingSettingsStore(SettingsStore& store, FailurePlan& failures, Journal& journal);

    // As the registry does: when opening for all access fails, the key may still open for reading, and
    // every write through it then fails with access denied.
    std::unique_ptr<RegistryKey> OpenUserKey(std::u16string_view subkey) override;
    std::unique_ptr<RegistryKey> CreateUserKey(std::u16string_view subkey) override;
    std::u16string ReadProfileString(std::u16string_view section, std::u16string_view key,
                                     const std::u16string& path) override;
    bool WriteProfileString(std::u16string_view section, std::u16string_view key, const std::u16string& value,
                            const std::u16string& path) override;

  private:
    friend class FailingRegistryKey;

    // The planned error for `operation`, journaled with `arguments`; nothing when the call may go on.
    std::optional<uint32_t> Planned(std::string_view operation, const std::string& arguments);

    SettingsStore& store_;
    FailurePlan& failures_;
    Journal& journal_;
};

}  // namespace aerowisp
