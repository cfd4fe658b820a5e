// The language file's texts on screen: control texts of a dialog window, and texts without their line end.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "core/lang/language_file.h"

namespace aerowisp {

// A language text as a control, menu item, tooltip or message box shows it: the line end the file
// left at its end removed (line breaks inside stay).
std::wstring DisplayText(std::u16string_view text);

// The controls of a dialog window; a control exists when GetDlgItem finds it.
class DialogControlTexts final : public ControlTextTarget {
  public:
    explicit DialogControlTexts(HWND dialog) : dialog_(dialog) {}

    bool HasControl(int controlId) override;
    // SetWindowTextW with DisplayText(text).
    void SetControlText(int controlId, const std::u16string& text) override;

  private:
    HWND dialog_;
};

// Called by a dialog's initialisation right after the framework's own: sets its control texts from the
// control lines of the language file.
void ApplyLanguageToDialog(HWND dialog, const LanguageFile& language);

}  // namespace aerowisp
