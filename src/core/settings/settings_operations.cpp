// The settings operations over the settings-store port.
#include "core/settings/settings_operations.h"

#include <algorithm>

namespace aerowisp {
namespace {

// To open or create: open first, create only when the key cannot be opened.
std::unique_ptr<RegistryKey> OpenOrCreate(SettingsStore& store) {
    if (auto key = store.OpenUserKey(kSettingsKey))
        return key;
    return store.CreateUserKey(kSettingsKey);
}

bool WriteDword(SettingsStore& store, const char16_t* name, uint32_t value) {
    auto key = OpenOrCreate(store);
    return key && key->SetDWORDValue(name, value);
}

// The profile functions pass values as C strings, so a value ends at its first zero: cut there on both
// ways, a saved value cannot lose its closing quote.
std::u16string CapProfileValue(const std::u16string& value) {
    return value.substr(0, std::min(value.find(u'\0'), kProfileValueMaxLength));
}

// Reading drops the blanks around a value and one pair of quotes around it, so a value goes in double
// quotes to come back byte for byte; an entry written without them still reads as before.
std::u16string QuotedProfileValue(const std::u16string& value) {
    return u'"' + CapProfileValue(value) + u'"';
}

}  // namespace

bool ReadModeSetting(SettingsStore& store, int selector, uint32_t& mode, uint32_t& radio) {
    auto key = store.OpenUserKey(kSettingsKey);
    if (!key) {
        if (selector == kModeSelectorRadioState)
            radio = 1;
        return false;
    }
    if (selector == kModeSelectorCurrentMode) {
        mode = 0;
        key->QueryDWORDValue(kValueCurrentMode, mode);
    } else {
        radio = 1;
        key->QueryDWORDValue(kValueRadioState, radio);
    }
    return true;
}

bool WriteModeSetting(SettingsStore& store, int selector, uint32_t mode, uint32_t radio) {
    if (selector == kModeSelectorCurrentMode)
        return WriteDword(store, kValueCurrentMode, mode);
    return WriteDword(store, kValueRadioState, radio);
}

uint32_t ReadShowWindowRequest(SettingsStore& store) {
    uint32_t request = 0;
    if (auto key = store.OpenUserKey(kSettingsKey))
        key->QueryDWORDValue(kValueShowWindow, request);
    return request;
}

void ClearShowWindowRequest(SettingsStore& store) {
    WriteDword(store, kValueShowWindow, 0);
}

void PostShowWindowRequest(SettingsStore& store) {
    WriteDword(store, kValueShowWindow, 1);
}

std::u16string ReadIcsCardName(SettingsStore& store) {
    std::u16string name;
    if (auto key = store.OpenUserKey(kSettingsKey)) {
        if (!key->QueryStringValue(kValueIcsCardName, name))
            name.clear();
    }
    return name;
}

void WriteIcsCardName(SettingsStore& store, const std::u16string& name) {
    if (auto key = OpenOrCreate(store))
        key->SetStringValue(kValueIcsCardName, name);
}

std::u16string ApSettingsIniPath(const std::u16string& programFolder) {
    return programFolder + u"\\DuvaDI.ini";
}

void ApSettings::Load() {
    const std::u16string path = ApSettingsIniPath(programFolder);
    std::u16string storedSsid =
        CapProfileValue(store.ReadProfileString(kApSettingsSection, kApSettingsSsid, path));
    if (!storedSsid.empty())
        ssid = std::move(storedSsid);
    std::u16string storedKey =
        CapProfileValue(store.ReadProfileString(kApSettingsSection, kApSettingsKey, path));
    if (!storedKey.empty())
        key = std::move(storedKey);
}

bool ApSettings::Save() const {
    const std::u16string path = ApSettingsIniPath(programFolder);
    const bool ssidWritten =
        store.WriteProfileString(kApSettingsSection, kApSettingsSsid, QuotedProfileValue(ssid), path);
    const bool keyWritten =
        store.WriteProfileString(kApSettingsSection, kApSettingsKey, QuotedProfileValue(key), path);
    return ssidWritten && keyWritten;
}

}  // namespace aerowisp
