// What the program remembers between runs: four values under HKCU\Software\Duva DI and the
// hosted network's name and key in DuvaDI.ini. Each operation opens the key, reads or writes one
// value and closes it again; nothing is cached.
#pragma once

#include <cstdint>
#include <string>

#include "core/platform/settings_store.h"

namespace aerowisp {

inline constexpr char16_t kSettingsKey[] = u"Software\\Duva DI";
inline constexpr char16_t kValueCurrentMode[] = u"Current Mode";
inline constexpr char16_t kValueRadioState[] = u"Radio state";
inline constexpr char16_t kValueShowWindow[] = u"Show Window";
inline constexpr char16_t kValueIcsCardName[] = u"ICS CardName";

inline constexpr char16_t kApSettingsSection[] = u"Duva DI";
inline constexpr char16_t kApSettingsSsid[] = u"SSID";
inline constexpr char16_t kApSettingsKey[] = u"KEY";

// Values pass through a 256-character buffer.
inline constexpr size_t kProfileValueMaxLength = 255;

// Which value ReadModeSetting and WriteModeSetting address.
inline constexpr int kModeSelectorCurrentMode = 0;
inline constexpr int kModeSelectorRadioState = 1;

// Selector 0 reads "Current Mode" into `mode` (0 when missing); any other reads "Radio state" into
// `radio` (1 when missing). Opens only; when the key cannot be opened, selector 1 sets `radio` to 1
// and the result is false.
bool ReadModeSetting(SettingsStore& store, int selector, uint32_t& mode, uint32_t& radio);
// Selector 0 writes "Current Mode" := mode, any other "Radio state" := radio. False when the key could
// not be opened or created or the value not written.
bool WriteModeSetting(SettingsStore& store, int selector, uint32_t mode, uint32_t radio);

uint32_t ReadShowWindowRequest(SettingsStore& store);
void ClearShowWindowRequest(SettingsStore& store);
void PostShowWindowRequest(SettingsStore& store);

std::u16string ReadIcsCardName(SettingsStore& store);
void WriteIcsCardName(SettingsStore& store, const std::u16string& name);

// "%s\DuvaDI.ini" with the program folder, which already ends in a backslash.
std::u16string ApSettingsIniPath(const std::u16string& programFolder);

// The hosted network's name and key as DuvaDI.ini keeps them, bound to the strings they are loaded into
// and saved from (the main window's desired SSID and key). At most 255 characters of each value are read
// or written, and none from its first zero on.
struct ApSettings {
    SettingsStore& store;
    std::u16string programFolder;
    std::u16string& ssid;
    std::u16string& key;

    // Leaves a value unchanged when its entry is missing or empty.
    void Load();
    // Always writes both entries, each in double quotes so that blanks and quotes at its ends survive.
    // False when not both were written.
    bool Save() const;
};

}  // namespace aerowisp
