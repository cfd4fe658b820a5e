// libFuzzer target: the DuvaDI.ini value codec over the simulated profile functions. The first byte picks
// the case; the rest is UTF-16LE text, the name before the first U+FFFF and the key after it.
//   even: the program saves a name and key and loads them back: each comes back as saved (up to its first
//         zero, at most 255 characters), and an empty one leaves the value in memory alone.
//   odd:  the file holds the texts as typed by hand: what loads has at most 255 characters, and saving and
//         loading it again gives it back unchanged.
#include <algorithm>

#include "core/settings/settings_operations.h"
#include "fuzz_support.h"
#include "sim/sim_machine.h"

using aerowisp::fuzz::Require;

namespace {

constexpr char16_t kFolder[] = u"C:\\Aerowisp\\";
constexpr char16_t kSeparator = u'\uFFFF';
constexpr char16_t kPriorSsid[] = u"prior name";
constexpr char16_t kPriorKey[] = u"prior key";

std::u16string Utf16Le(const uint8_t* data, size_t size) {
    std::u16string text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    return text;
}

// What the profile functions can keep of a value: the C string up to its first zero, cut to the length the
// program reads.
std::u16string Kept(const std::u16string& value) {
    return value.substr(0, std::min(value.find(u'\0'), aerowisp::kProfileValueMaxLength));
}

struct Loaded {
    std::u16string ssid = kPriorSsid;
    std::u16string key = kPriorKey;
};

Loaded Load(aerowisp::SimMachine& machine) {
    Loaded loaded;
    aerowisp::ApSettings{machine.Settings(), kFolder, loaded.ssid, loaded.key}.Load();
    return loaded;
}

void Save(aerowisp::SimMachine& machine, std::u16string ssid, std::u16string key) {
    Require(aerowisp::ApSettings{machine.Settings(), kFolder, ssid, key}.Save());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0)
        return 0;
    const bool byHand = (data[0] & 1) != 0;
    const std::u16string text = Utf16Le(data + 1, size - 1);
    const size_t separator = text.find(kSeparator);
    const std::u16string ssid = text.substr(0, separator);
    const std::u16string key = separator == std::u16string::npos ? u"" : text.substr(separator + 1);

    aerowisp::SimMachine machine{aerowisp::Scenario{}};
    if (!byHand) {
        Save(machine, ssid, key);
        const Loaded loaded = Load(machine);
        Require(loaded.ssid == (Kept(ssid).empty() ? kPriorSsid : Kept(ssid)));
        Require(loaded.key == (Kept(key).empty() ? kPriorKey : Kept(key)));
        return 0;
    }

    const std::u16string path = aerowisp::ApSettingsIniPath(kFolder);
    machine.Settings().SetProfileString(path, aerowisp::kApSettingsSection, aerowisp::kApSettingsSsid, ssid);
    machine.Settings().SetProfileString(path, aerowisp::kApSettingsSection, aerowisp::kApSettingsKey, key);
    const Loaded first = Load(machine);
    Require(first.ssid.size() <= aerowisp::kProfileValueMaxLength);
    Require(first.key.size() <= aerowisp::kProfileValueMaxLength);
    Save(machine, first.ssid, first.key);
    const Loaded again = Load(machine);
    Require(again.ssid == first.ssid && again.key == first.key);
    return 0;
}
