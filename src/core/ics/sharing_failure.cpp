// Plain words for the sharing manager's HRESULTs.
#include "core/ics/sharing_failure.h"

#include "core/hostednet/hosted_network_failure.h"
#include "core/lang/language_strings.h"
#include "core/text/number_text.h"

namespace aerowisp {
namespace {

struct HresultCause {
    HResult result;
    const LanguageString* cause;
};

constexpr HresultCause kHresultCauses[] = {
    {kHresultServiceDisabled, &kSharingCauseServiceDisabled},
    {kHresultDependencyFailed, &kSharingCauseDependency},
    {kHresultStaleSharing, &kSharingCauseStaleRecords},
    {kEAccessDenied, &kSharingCauseAccessDenied},
};

}  // namespace

std::u16string HresultCodeText(MainView& view, HResult result) {
    return FailureCodeText(view, HexCodeText(result));
}

std::u16string SharingErrorText(MainView& view, HResult result) {
    for (const HresultCause& known : kHresultCauses) {
        if (known.result == result)
            return view.ShownText(*known.cause);
    }
    return HresultCodeText(view, result);
}

}  // namespace aerowisp
