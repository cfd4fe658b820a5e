// The failure plan in front of a settings store.
#include "sim/failing_settings_store.h"

#include "sim/operations.h"
#include "sim/sim_settings_store.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

std::string KeyArgs(std::u16string_view path) {
    return "key=" + QuoteText(path);
}

std::string NameArgs(std::u16string_view path, const char16_t* name) {
    return KeyArgs(path) + " name=" + QuoteText(name == nullptr ? u"" : name);
}

std::string ProfileArgs(std::u16string_view section, std::u16string_view key, std::u16string_view path) {
    return "section=" + QuoteText(section) + " key=" + QuoteText(key) + " file=" + QuoteText(path);
}

}  // namespace

class FailingRegistryKey final : public RegistryKey {
  public:
    FailingRegistryKey(FailingSettingsStore& store, std::unique_ptr<RegistryKey> key, std::u16string path,
                       bool writable)
        : store_(store), key_(std::move(key)), path_(std::move(path)), writable_(writable) {}

    ~FailingRegistryKey() override { store_.Planned(op::kRegCloseKey, KeyArgs(path_)); }

    bool QueryDWORDValue(const char16_t* name, uint32_t& value) override {
        return !store_.Planned(op::kRegQueryValueExW, NameArgs(path_, name)) &&
               key_->QueryDWORDValue(name, value);
    }
    bool QueryStringValue(const char16_t* name, std::u16string& text) override {
        return !store_.Planned(op::kRegQueryValueExW, NameArgs(path_, name)) &&
               key_->QueryStringValue(name, text);
    }
    bool SetDWORDValue(const char16_t* name, uint32_t value) override {
        return MayWrite(name) && key_->SetDWORDValue(name, value);
    }
    bool SetStringValue(const char16_t* name, const std::u16string& text) override {
        return MayWrite(name) && key_->SetStringValue(name, text);
    }

  private:
    bool MayWrite(const char16_t* name) {
        if (store_.Planned(op::kRegSetValueExW, NameArgs(path_, name)))
            return false;
        if (!writable_)
            store_.journal_.Record(op::kRegSetValueExW, NameArgs(path_, name), kErrorAccessDenied);
        return writable_;
    }

    FailingSettingsStore& store_;
    std::unique_ptr<RegistryKey> key_;
    std::u16string path_;
    bool writable_;
};

FailingSettingsStore::FailingSettingsStore(SettingsStore& store, FailurePlan& failures, Journal& journal)
    : store_(store), failures_(failures), journal_(journal) {}

std::unique_ptr<RegistryKey> FailingSettingsStore::OpenUserKey(std::u16string_view subkey) {
    const std::u16string path(subkey);
    bool writable = true;
    if (Planned(op::kRegOpenKeyExW, KeyArgs(path) + " access=KEY_ALL_ACCESS")) {
        writable = false;
        if (Planned(op::kRegOpenKeyExW, KeyArgs(path) + " access=KEY_READ"))
            return nullptr;
    }
    std::unique_ptr<RegistryKey> key = store_.OpenUserKey(subkey);
    if (!key)
        return nullptr;
    return std::make_unique<FailingRegistryKey>(*this, std::move(key), path, writable);
}

std::unique_ptr<RegistryKey> FailingSettingsStore::CreateUserKey(std::u16string_view subkey) {
    const std::u16string path(subkey);
    if (Planned(op::kRegCreateKeyExW, KeyArgs(path) + " access=KEY_ALL_ACCESS"))
        return nullptr;
    std::unique_ptr<RegistryKey> key = store_.CreateUserKey(subkey);
    if (!key)
        return nullptr;
    return std::make_unique<FailingRegistryKey>(*this, std::move(key), path, true);
}

std::u16string FailingSettingsStore::ReadProfileString(std::u16string_view section, std::u16string_view key,
                                                       const std::u16string& path) {
    if (Planned(op::kGetPrivateProfileStringW, ProfileArgs(section, key, path)))
        return {};
    return store_.ReadProfileString(section, key, path);
}

bool FailingSettingsStore::WriteProfileString(std::u16string_view section, std::u16string_view key,
                                              const std::u16string& value, const std::u16string& path) {
    if (Planned(op::kWritePrivateProfileStringW, ProfileArgs(section, key, path)))
        return false;
    return store_.WriteProfileString(section, key, value, path);
}

std::optional<uint32_t> FailingSettingsStore::Planned(std::string_view operation,
                                                      const std::string& arguments) {
    const std::optional<uint32_t> error = failures_.Consume(operation);
    if (error)
        journal_.Record(operation, arguments, *error);
    return error;
}

}  // namespace aerowisp
