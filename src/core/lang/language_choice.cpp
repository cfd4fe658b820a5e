// The country setting, the language file it selects, and the process-wide path of that file.
#include "core/lang/language_choice.h"

#include <cstdint>
#include <memory>
#include <utility>

#include "core/text/registry_number.h"

namespace aerowisp {
namespace {

std::u16string& ProcessLanguageFilePath() {
    static std::u16string path;
    return path;
}

}  // namespace

int GetCountryCode(SettingsStore& settings) {
    std::unique_ptr<RegistryKey> key = settings.OpenUserKey(kInternationalKey);
    if (!key)
        return 0;
    std::u16string text;
    if (!key->QueryStringValue(kCountryValue, text))
        return 0;
    return static_cast<int32_t>(ParseRegistryNumber(text));
}

std::u16string_view LanguageFileName(int countryCode) {
    switch (countryCode) {
        case kCountryChina:
            return kSimplifiedChineseFile;
        case kCountryTaiwan:
            return kTraditionalChineseFile;
        default:
            return kEnglishFile;
    }
}

std::u16string LanguageFilePathFor(std::u16string_view programFolder, int countryCode) {
    std::u16string path(programFolder);
    path += LanguageFileName(countryCode);
    return path;
}

void ChooseLanguageFile(SettingsStore& settings, std::u16string_view programFolder) {
    SetLanguageFilePath(LanguageFilePathFor(programFolder, GetCountryCode(settings)));
}

const std::u16string& LanguageFilePath() {
    return ProcessLanguageFilePath();
}

void SetLanguageFilePath(std::u16string path) {
    ProcessLanguageFilePath() = std::move(path);
}

}  // namespace aerowisp
