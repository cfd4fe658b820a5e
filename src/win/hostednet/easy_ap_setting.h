// The Extended AP Settings dialog (template 197): asks for the hosted network's name and key when
// none are stored.
#pragma once

#include <string>

#include "core/ports/main_view.h"
#include "core/lang/language_texts.h"
#include "core/platform/ansi_code_page.h"
#include "fw/dialog.h"

namespace aerowisp {

class CEasyAPSetting final : public fw::Dialog {
  public:
    // `texts` gives the controls and messages their texts; `codePage` is the one the name must have an
    // exact form in.
    CEasyAPSetting(const LanguageTexts& texts, AnsiCodePage& codePage);

    // Runs the dialog over `parent`; confirmed with input that passed ValidateApInput, or cancelled.
    ApSettingsAnswer Ask(HWND parent);

  protected:
    BOOL OnInitDialog() override;
    bool OnCommand(int id, int notifyCode, HWND control) override;

  private:
    void OnOK();

    const LanguageTexts& texts_;
    AnsiCodePage& codePage_;
    std::u16string ssid_;
    std::u16string key_;
};

}  // namespace aerowisp
