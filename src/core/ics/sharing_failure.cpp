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

std::u16string HresultCodeText(const LanguageTexts& texts, HResult result) {
    return FailureCodeText(texts, HexCodeText(result));
}

std::u16string SharingErrorText(const LanguageTexts& texts, HResult result) {
    for (const HresultCause& known : kHresultCauses) {
        if (known.result == result)
            return texts.ShownText(*known.cause);
    }
    return HresultCodeText(texts, result);
}

}  // namespace aerowisp
