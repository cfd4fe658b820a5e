// The "Select a Wireless LAN card" dialog (template 198): asks which card to use when the WLAN service
// lists several.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/lang/language_texts.h"
#include "fw/dialog.h"

namespace aerowisp {

class CSelCardDlg final : public fw::Dialog {
  public:
    // `language` gives the controls their texts.
    explicit CSelCardDlg(const LanguageTexts& language);

    // Runs the dialog over `parent` with `descriptions` in the drop-down list, the first one selected:
    // the index taken with OK, or nothing when the dialog was closed by its close box or Esc.
    std::optional<size_t> Ask(HWND parent, const std::vector<std::u16string>& descriptions);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void OnOK();

    const LanguageTexts& language_;
    std::vector<std::u16string> descriptions_;
    std::optional<size_t> selectedIndex_;
};

}  // namespace aerowisp
