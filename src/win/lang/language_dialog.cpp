// Language texts put into dialog controls.
#include "lang/language_dialog.h"

#include "fw/wide_text.h"

namespace aerowisp {

std::wstring DisplayText(std::u16string_view text) {
    return fw::ToWide(WithoutLineEnd(text));
}

bool DialogControlTexts::HasControl(int controlId) {
    return GetDlgItem(dialog_, controlId) != nullptr;
}

void DialogControlTexts::SetControlText(int controlId, const std::u16string& text) {
    HWND control = GetDlgItem(dialog_, controlId);
    if (control != nullptr)
        SetWindowTextW(control, DisplayText(text).c_str());
}

void ApplyLanguageToDialog(HWND dialog, const LanguageFile& language) {
    DialogControlTexts controls(dialog);
    language.ApplyLanguageToDialog(controls);
}

}  // namespace aerowisp
