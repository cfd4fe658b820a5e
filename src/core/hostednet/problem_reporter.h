// The problems of an operation under way, gathered while it runs and told to the user together at its end.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/hostednet/hosted_network_failure.h"
#include "core/lang/language_texts.h"
#include "core/ports/main_view.h"
#include "core/ports/tray_view.h"

namespace aerowisp {

// Who asked for an operation: the user, who is told of a failure in a message box, or the program
// restoring the stored AP+STA mode on its own (at start-up, after a resume or with the radio back on),
// which says it in a balloon at the notification-area icon.
enum class SwitchOrigin { kUser, kRestore };

// One reporter serves every control of the main window, so problems noted by several of them during one
// operation reach the user in one message.
class ProblemReporter {
  public:
    ProblemReporter(MainView& view, TrayView& tray, const LanguageTexts& texts)
        : view_(view), tray_(tray), texts_(texts) {}
    ProblemReporter(const ProblemReporter&) = delete;
    ProblemReporter& operator=(const ProblemReporter&) = delete;

    // A problem of the operation under way, told with the others at its end.
    void NoteProblem(const LanguageString& headline) { problems_.push_back({&headline, std::nullopt, {}}); }
    // The same with why, already in the user's words (empty: the headline alone).
    void NoteProblem(const LanguageString& headline, std::u16string detail) {
        problems_.push_back({&headline, std::nullopt, std::move(detail)});
    }
    void NoteProblem(const HostedNetworkFailure& failure) { problems_.push_back({nullptr, failure, {}}); }
    // Tells the problems noted since the last time, all together, as `origin` says.
    void TellProblems(SwitchOrigin origin);

  private:
    // One problem to tell the user: a refused step, or a setting that could not be saved.
    struct Problem {
        const LanguageString* headline = nullptr;
        std::optional<HostedNetworkFailure> failure;
        std::u16string detail;
    };

    MainView& view_;
    TrayView& tray_;
    const LanguageTexts& texts_;
    std::vector<Problem> problems_;
};

}  // namespace aerowisp
