// The texts the user sees, from the language file or their English defaults.
#include "core/lang/language_texts.h"

namespace aerowisp {

std::u16string LanguageTexts::TextFromKey(const LanguageString& entry) const {
    return TextOrDefault(file_.LoadLanguageString(entry.key), entry);
}

std::u16string LanguageTexts::ShownText(const LanguageString& entry) const {
    return std::u16string(WithoutLineEnd(TextFromKey(entry)));
}

}  // namespace aerowisp
