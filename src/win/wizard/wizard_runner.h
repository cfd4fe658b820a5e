// The setup wizard's sheet as the main window runs it: one at a time, modally, and closed on request as
// its close box would close it.
#pragma once

#include "core/lang/language_texts.h"
#include "core/wizard/setup_wizard_control.h"
#include "wizard/wizard_sheet.h"

namespace aerowisp {

class SetupWizardRunner final : public WizardSheetRunner {
  public:
    explicit SetupWizardRunner(const LanguageTexts& texts) : texts_(texts) {}
    SetupWizardRunner(const SetupWizardRunner&) = delete;
    SetupWizardRunner& operator=(const SetupWizardRunner&) = delete;

    bool RunWizardSheet(WizardSession& session) override;
    // WM_SYSCOMMAND SC_CLOSE to the sheet that runs: it ends cancelled. False when no sheet shows.
    bool Close();

  private:
    const LanguageTexts& texts_;
    // The sheet of the run under way.
    CWizardSheet* running_ = nullptr;
};

}  // namespace aerowisp
