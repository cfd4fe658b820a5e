// Language texts put into dialog controls.
#include "lang/language_dialog.h"

#include "fw/wide_text.h"

namespace aerowisp {

std::wstring DisplayText(std::u16string_view text) {
    return fw::ToWide(WithoutLineEnd(text));
}

namespace {

struct ChildList {
    HWND dialog;
    std::vector<std::pair<int, HWND>>* controls;
};

// EnumChildWindows also walks the controls' own children (a combo box's edit field), which GetDlgItem
// does not see; they are left out.
BOOL CALLBACK AddDialogControl(HWND child, LPARAM list) {
    const auto& children = *reinterpret_cast<const ChildList*>(list);
    if (::GetParent(child) == children.dialog)
        children.controls->emplace_back(::GetDlgCtrlID(child), child);
    return TRUE;
}

}  // namespace

DialogControlTexts::DialogControlTexts(HWND dialog) {
    ChildList list{dialog, &controls_};
    ::EnumChildWindows(dialog, &AddDialogControl, reinterpret_cast<LPARAM>(&list));
}

HWND DialogControlTexts::Control(int controlId) const {
    for (const auto& [id, control] : controls_) {
        if (id == controlId)
            return control;
    }
    return nullptr;
}

bool DialogControlTexts::HasControl(int controlId) {
    return Control(controlId) != nullptr;
}

void DialogControlTexts::SetControlText(int controlId, const std::u16string& text) {
    if (HWND control = Control(controlId); control != nullptr)
        ::SetWindowTextW(control, DisplayText(text).c_str());
}

void ApplyLanguageToDialog(HWND dialog, const LanguageTexts& language) {
    DialogControlTexts controls(dialog);
    language.ApplyLanguageToDialog(controls);
}

}  // namespace aerowisp
