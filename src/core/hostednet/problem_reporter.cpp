// How the problems of an operation reach the user.
#include "core/hostednet/problem_reporter.h"

#include "core/resource.h"

namespace aerowisp {

// The user, who is at the window, reads a message box; a start made on the program's own account must not
// block it (at start-up nothing is shown yet), so the icon shows a balloon.
void ProblemReporter::TellProblems(SwitchOrigin origin) {
    if (problems_.empty())
        return;
    std::u16string text;
    for (const Problem& problem : problems_) {
        std::u16string part;
        if (problem.failure) {
            part = origin == SwitchOrigin::kUser ? FailureMessage(texts_, *problem.failure)
                                                 : FailureBalloon(texts_, *problem.failure);
        } else {
            part = texts_.ShownText(*problem.headline);
            if (!problem.detail.empty())
                part += (origin == SwitchOrigin::kUser ? u"\r\n\r\n" : u" ") + problem.detail;
        }
        if (!text.empty())
            text += origin == SwitchOrigin::kUser ? u"\r\n\r\n" : u" ";
        text += part;
    }
    problems_.clear();
    if (origin == SwitchOrigin::kUser) {
        view_.ShowMessage(text);
    } else {
        tray_.ShowBalloon(ID_TRAY_ICON, kMainWindowTitle, BalloonText(text));
    }
}

}  // namespace aerowisp
