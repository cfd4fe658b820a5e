// The language file's texts on screen: control texts of a dialog window, and texts without their line end.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/lang/language_texts.h"

namespace aerowisp {

// A language text as a control, menu item, tooltip or message box shows it: the line end the file
// left at its end removed (line breaks inside stay).
std::wstring DisplayText(std::u16string_view text);

// The controls of a dialog window; a control exists when GetDlgItem would find it. The dialog's own
// controls are listed once: each GetDlgItem asks the window system for the whole list again, and the
// language file names the controls of every dialog, so asking for each line cost more than the texts.
class DialogControlTexts final : public ControlTextTarget {
  public:
    explicit DialogControlTexts(HWND dialog);

    bool HasControl(int controlId) override;
    // SetWindowTextW with DisplayText(text).
    void SetControlText(int controlId, const std::u16string& text) override;

  private:
    // The first control with the identifier, in the order GetDlgItem searches; null when there is none.
    HWND Control(int controlId) const;

    std::vector<std::pair<int, HWND>> controls_;
};

// Called by a dialog's initialisation right after the framework's own: sets its control texts from the
// control lines of the language file.
void ApplyLanguageToDialog(HWND dialog, const LanguageTexts& language);

}  // namespace aerowisp
