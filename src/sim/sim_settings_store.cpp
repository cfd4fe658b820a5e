// The simulated registry and profile files, journaled call by call like the Windows functions.
#include "sim/sim_settings_store.h"

#include <algorithm>

#include "core/text/registry_number.h"
#include "core/text/ascii_case.h"
#include "sim/failure_plan.h"
#include "sim/journal.h"
#include "sim/operations.h"
#include "sim/sim_text.h"

namespace aerowisp {
namespace {

constexpr uint32_t kSuccess = 0;
// CRegKey reads a DWORD straight into the 4-byte value, and text through a 1024-byte buffer, which
// holds 511 characters and the terminating zero.
constexpr uint32_t kDwordBufferSize = 4;
constexpr uint32_t kStringBufferSize = 1024;
constexpr size_t kMaxRegistryTextLength = 511;
constexpr uint32_t kProfileBufferSize = kProfileReadBufferChars;
constexpr size_t kMaxProfileTextLength = kProfileBufferSize - 1;

std::string_view AccessName(uint32_t access) {
    return access == kKeyAllAccess ? "KEY_ALL_ACCESS" : "KEY_READ";
}

std::string KeyArgs(std::u16string_view path) {
    return "key=" + QuoteText(path);
}

std::string ProfileArgs(std::u16string_view section, std::u16string_view key) {
    return "section=" + QuoteText(section) + " key=" + QuoteText(key);
}

// Windows takes "C:\a\\b.ini" and "c:/A/b.ini" for the same file; a leading "\\" names a server.
std::u16string NormalisedFilePath(std::u16string_view path) {
    std::u16string out;
    for (size_t i = 0; i < path.size(); ++i) {
        const char16_t c = path[i] == u'/' ? u'\\' : UpperCaseAZ(path[i]);
        const bool serverPrefix = i == 1 && out == u"\\";
        if (c == u'\\' && !out.empty() && out.back() == u'\\' && !serverPrefix)
            continue;
        out.push_back(c);
    }
    return out;
}

bool IsProfileBlank(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == u'\v' || c == u'\f';
}

// A stored entry as GetPrivateProfileStringW hands it back: without the blanks around it, then without
// one pair of matching single or double quotes around what is left.
std::u16string ReadAsProfileFunctions(std::u16string_view stored) {
    while (!stored.empty() && IsProfileBlank(stored.front()))
        stored.remove_prefix(1);
    while (!stored.empty() && IsProfileBlank(stored.back()))
        stored.remove_suffix(1);
    if (stored.size() >= 2 && (stored.front() == u'"' || stored.front() == u'\'') &&
        stored.back() == stored.front()) {
        stored = stored.substr(1, stored.size() - 2);
    }
    return std::u16string(stored.substr(0, kMaxProfileTextLength));
}

// The item of `range` whose name, by `name(item)`, equals `wanted` ignoring the case of A-Z.
template <typename Range, typename Name>
auto FindByName(Range& range, std::u16string_view wanted, Name name) {
    const std::u16string folded = FoldAsciiCase(wanted);
    const auto it = std::find_if(std::begin(range), std::end(range),
                                 [&](const auto& item) { return FoldAsciiCase(name(item)) == folded; });
    return it == std::end(range) ? nullptr : &*it;
}

// The text of a REG_SZ or REG_EXPAND_SZ value as CRegKey reads it: cut at the first zero.
std::u16string StoredText(const std::vector<uint8_t>& data) {
    std::u16string text = RegistryDataAsText(data);
    text.resize(std::min({text.find(u'\0'), text.size(), kMaxRegistryTextLength}));
    return text;
}

}  // namespace

// One open key; closing it (its destruction) is journaled like RegCloseKey.
class SimRegistryKey final : public RegistryKey {
  public:
    SimRegistryKey(SimSettingsStore& store, std::u16string path, bool writable)
        : store_(store), path_(std::move(path)), writable_(writable) {}

    ~SimRegistryKey() override {
        const uint32_t result = store_.failures_.Consume(op::kRegCloseKey).value_or(kSuccess);
        store_.journal_.Record(op::kRegCloseKey, KeyArgs(path_), result);
    }

    bool QueryDWORDValue(const char16_t* name, uint32_t& value) override {
        if (name == nullptr)
            return false;
        RegistryValueType type = RegistryValueType::kNone;
        std::vector<uint8_t> data;
        const uint32_t result = Query(name, kDwordBufferSize, type, data);
        switch (type) {
            case RegistryValueType::kDword:
                // A value shorter than four bytes is no number; `value` keeps the caller's default.
                if (result != kSuccess || data.size() != kDwordBufferSize)
                    return false;
                value = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                        (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
                return true;
            case RegistryValueType::kSz:
            case RegistryValueType::kExpandSz: {
                if (result != kSuccess && result != kErrorMoreData)
                    return false;
                std::u16string text;
                if (!QueryStringValue(name, text))
                    return false;
                value = ParseRegistryNumber(text);
                return true;
            }
            default:
                return false;
        }
    }

    bool QueryStringValue(const char16_t* name, std::u16string& text) override {
        if (name == nullptr)
            return false;
        RegistryValueType type = RegistryValueType::kNone;
        std::vector<uint8_t> data;
        if (Query(name, kStringBufferSize, type, data) != kSuccess)
            return false;
        if (type != RegistryValueType::kSz && type != RegistryValueType::kExpandSz)
            return false;
        text = StoredText(data);
        return true;
    }

    bool SetDWORDValue(const char16_t* name, uint32_t value) override {
        if (name == nullptr)
            return false;
        return Set(name, RegistryValue::Dword(value), "data=" + std::to_string(value));
    }

    bool SetStringValue(const char16_t* name, const std::u16string& text) override {
        if (name == nullptr)
            return false;
        return Set(name, RegistryValue::Sz(text), "data=" + QuoteText(text));
    }

  private:
    // RegQueryValueExW with a buffer of `bufferSize` bytes; `data` is filled only when it fitted.
    uint32_t Query(std::u16string_view name, uint32_t bufferSize, RegistryValueType& type,
                   std::vector<uint8_t>& data) {
        std::string args =
            KeyArgs(path_) + " name=" + QuoteText(name) + " size=" + std::to_string(bufferSize);
        uint32_t result = kErrorFileNotFound;
        if (auto injected = store_.failures_.Consume(op::kRegQueryValueExW)) {
            result = *injected;
        } else if (SimSettingsStore::Key* key = store_.FindKey(path_)) {
            if (const SimSettingsStore::NamedValue* found = SimSettingsStore::FindValue(*key, name)) {
                type = found->value.type;
                result = found->value.data.size() > bufferSize ? kErrorMoreData : kSuccess;
                if (result == kSuccess)
                    data = found->value.data;
                args += " type=" + std::string(RegistryTypeName(type)) +
                        " dataSize=" + std::to_string(found->value.data.size());
            }
        }
        store_.journal_.Record(op::kRegQueryValueExW, args, result);
        return result;
    }

    bool Set(std::u16string_view name, RegistryValue value, const std::string& dataArgs) {
        const std::string args = KeyArgs(path_) + " name=" + QuoteText(name) +
                                 " type=" + std::string(RegistryTypeName(value.type)) +
                                 " size=" + std::to_string(value.data.size()) + " " + dataArgs;
        uint32_t result = kSuccess;
        if (auto injected = store_.failures_.Consume(op::kRegSetValueExW)) {
            result = *injected;
        } else if (!writable_) {
            result = kErrorAccessDenied;
        } else {
            store_.SetValue(path_, name, std::move(value));
        }
        store_.journal_.Record(op::kRegSetValueExW, args, result);
        return result == kSuccess;
    }

    SimSettingsStore& store_;
    std::u16string path_;
    bool writable_;
};

SimSettingsStore::SimSettingsStore(Journal& journal, FailurePlan& failures)
    : journal_(journal), failures_(failures) {}

std::unique_ptr<RegistryKey> SimSettingsStore::OpenUserKey(std::u16string_view subkey) {
    // All access first; a key that refuses it may still open for reading.
    for (const uint32_t access : {kKeyAllAccess, kKeyRead}) {
        const Key* key = FindKey(subkey);
        uint32_t result = kSuccess;
        if (auto injected = failures_.Consume(op::kRegOpenKeyExW)) {
            result = *injected;
        } else if (key == nullptr) {
            result = kErrorFileNotFound;
        } else if (access == kKeyAllAccess && key->readOnly) {
            result = kErrorAccessDenied;
        }
        journal_.Record(op::kRegOpenKeyExW, KeyArgs(subkey) + " access=" + std::string(AccessName(access)),
                        result);
        if (result == kSuccess)
            return std::make_unique<SimRegistryKey>(*this, key->path, access == kKeyAllAccess);
    }
    return nullptr;
}

std::unique_ptr<RegistryKey> SimSettingsStore::CreateUserKey(std::u16string_view subkey) {
    std::string args = KeyArgs(subkey) + " access=" + std::string(AccessName(kKeyAllAccess));
    const Key* existing = FindKey(subkey);
    uint32_t result = kSuccess;
    if (auto injected = failures_.Consume(op::kRegCreateKeyExW)) {
        result = *injected;
    } else if (existing != nullptr && existing->readOnly) {
        result = kErrorAccessDenied;
    }
    std::unique_ptr<RegistryKey> opened;
    if (result == kSuccess) {
        args += existing != nullptr ? " disposition=opened" : " disposition=created";
        opened = std::make_unique<SimRegistryKey>(*this, EnsureKey(subkey).path, true);
    }
    journal_.Record(op::kRegCreateKeyExW, args, result);
    return opened;
}

std::u16string SimSettingsStore::ReadProfileString(std::u16string_view section, std::u16string_view key,
                                                   const std::u16string& path) {
    std::string args = ProfileArgs(section, key) + " size=" + std::to_string(kProfileBufferSize) +
                       " file=" + QuoteText(path);
    std::u16string text;
    uint32_t result = kErrorFileNotFound;
    if (auto injected = failures_.Consume(op::kGetPrivateProfileStringW)) {
        result = *injected;
    } else {
        if (const ProfileEntry* entry = FindEntry(path, section, key)) {
            text = ReadAsProfileFunctions(entry->value);
            result = kSuccess;
        }
        args += " value=" + QuoteText(text);
    }
    journal_.Record(op::kGetPrivateProfileStringW, args, result);
    return text;
}

bool SimSettingsStore::WriteProfileString(std::u16string_view section, std::u16string_view key,
                                          const std::u16string& value, const std::u16string& path) {
    const std::string args =
        ProfileArgs(section, key) + " value=" + QuoteText(value) + " file=" + QuoteText(path);
    uint32_t result = kSuccess;
    if (auto injected = failures_.Consume(op::kWritePrivateProfileStringW)) {
        result = *injected;
    } else {
        // The function takes a C string: the value ends at its first zero.
        EnsureEntry(path, section, key).value = value.substr(0, value.find(u'\0'));
    }
    journal_.Record(op::kWritePrivateProfileStringW, args, result);
    return result == kSuccess;
}

void SimSettingsStore::CreateKey(std::u16string_view path) {
    EnsureKey(path);
}

bool SimSettingsStore::KeyExists(std::u16string_view path) const {
    return FindKey(path) != nullptr;
}

void SimSettingsStore::SetKeyReadOnly(std::u16string_view path, bool readOnly) {
    EnsureKey(path).readOnly = readOnly;
}

void SimSettingsStore::SetValue(std::u16string_view path, std::u16string_view name, RegistryValue value) {
    Key& key = EnsureKey(path);
    if (NamedValue* existing = FindValue(key, name)) {
        existing->value = std::move(value);
    } else {
        key.values.push_back({std::u16string(name), std::move(value)});
    }
}

std::optional<RegistryValue> SimSettingsStore::Value(std::u16string_view path,
                                                     std::u16string_view name) const {
    const Key* key = FindKey(path);
    if (key == nullptr)
        return std::nullopt;
    const NamedValue* found = FindValue(*key, name);
    return found == nullptr ? std::nullopt : std::optional<RegistryValue>(found->value);
}

void SimSettingsStore::SetProfileString(std::u16string_view path, std::u16string_view section,
                                        std::u16string_view key, std::u16string_view value) {
    EnsureEntry(path, section, key).value = std::u16string(value);
}

std::optional<std::u16string> SimSettingsStore::ProfileString(std::u16string_view path,
                                                              std::u16string_view section,
                                                              std::u16string_view key) const {
    const ProfileEntry* entry = FindEntry(path, section, key);
    return entry == nullptr ? std::nullopt
                            : std::optional<std::u16string>(ReadAsProfileFunctions(entry->value));
}

std::optional<std::u16string> SimSettingsStore::StoredProfileString(std::u16string_view path,
                                                                    std::u16string_view section,
                                                                    std::u16string_view key) const {
    const ProfileEntry* entry = FindEntry(path, section, key);
    return entry == nullptr ? std::nullopt : std::optional<std::u16string>(entry->value);
}

bool SimSettingsStore::ProfileFileExists(std::u16string_view path) const {
    return FindFile(path) != nullptr;
}

SimSettingsStore::Key* SimSettingsStore::FindKey(std::u16string_view path) {
    const auto it = keys_.find(FoldAsciiCase(path));
    return it == keys_.end() ? nullptr : &it->second;
}

const SimSettingsStore::Key* SimSettingsStore::FindKey(std::u16string_view path) const {
    const auto it = keys_.find(FoldAsciiCase(path));
    return it == keys_.end() ? nullptr : &it->second;
}

SimSettingsStore::Key& SimSettingsStore::EnsureKey(std::u16string_view path) {
    // Every key above it exists as well.
    for (size_t at = path.find(u'\\'); at != std::u16string_view::npos; at = path.find(u'\\', at + 1)) {
        const std::u16string_view parent = path.substr(0, at);
        keys_.try_emplace(FoldAsciiCase(parent), Key{std::u16string(parent), false, {}});
    }
    return keys_.try_emplace(FoldAsciiCase(path), Key{std::u16string(path), false, {}}).first->second;
}

SimSettingsStore::NamedValue* SimSettingsStore::FindValue(Key& key, std::u16string_view name) {
    return FindByName(key.values, name, [](const NamedValue& value) { return value.name; });
}

const SimSettingsStore::NamedValue* SimSettingsStore::FindValue(const Key& key, std::u16string_view name) {
    return FindByName(key.values, name, [](const NamedValue& value) { return value.name; });
}

const SimSettingsStore::ProfileFile* SimSettingsStore::FindFile(std::u16string_view path) const {
    const auto it = files_.find(NormalisedFilePath(path));
    return it == files_.end() ? nullptr : &it->second;
}

const SimSettingsStore::ProfileEntry* SimSettingsStore::FindEntry(std::u16string_view path,
                                                                  std::u16string_view section,
                                                                  std::u16string_view key) const {
    const ProfileFile* file = FindFile(path);
    if (file == nullptr)
        return static_cast<const ProfileEntry*>(nullptr);
    const ProfileSection* found =
        FindByName(file->sections, section, [](const ProfileSection& s) { return s.name; });
    if (found == nullptr)
        return static_cast<const ProfileEntry*>(nullptr);
    return FindByName(found->entries, key, [](const ProfileEntry& entry) { return entry.key; });
}

SimSettingsStore::ProfileEntry& SimSettingsStore::EnsureEntry(std::u16string_view path,
                                                              std::u16string_view section,
                                                              std::u16string_view key) {
    ProfileFile& file =
        files_.try_emplace(NormalisedFilePath(path), ProfileFile{std::u16string(path), {}}).first->second;
    ProfileSection* found =
        FindByName(file.sections, section, [](const ProfileSection& s) { return s.name; });
    if (found == nullptr)
        found = &file.sections.emplace_back(ProfileSection{std::u16string(section), {}});
    if (ProfileEntry* entry = FindByName(found->entries, key, [](const ProfileEntry& e) { return e.key; })) {
        return *entry;
    }
    return found->entries.emplace_back(ProfileEntry{std::u16string(key), {}});
}

}  // namespace aerowisp
