// The main window's run of the setup wizard's sheet.
#include "wizard/wizard_runner.h"

#include <utility>

namespace aerowisp {

bool SetupWizardRunner::RunWizardSheet(WizardSession& session) {
    CWizardSheet sheet(session, texts_);
    CWizardSheet* const outer = std::exchange(running_, &sheet);
    const bool finished = sheet.Run(nullptr);
    running_ = outer;
    return finished;
}

// The sheet's window exists from its initialisation until its modal run ends.
bool SetupWizardRunner::Close() {
    if (running_ == nullptr || running_->Handle() == nullptr)
        return false;
    ::SendMessageW(running_->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    // The sheet's loop sees that it has ended only when it next takes a posted message; a close sent
    // from another thread would otherwise wait for the next input.
    ::PostMessageW(running_->Handle(), WM_NULL, 0, 0);
    return true;
}

}  // namespace aerowisp
