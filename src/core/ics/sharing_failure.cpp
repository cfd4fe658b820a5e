// Plain words for the sharing manager's HRESULTs.
#include "core/ics/sharing_failure.h"

#include <cstdio>

#include "core/lang/language_strings.h"

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
    char code[16];
    std::snprintf(code, sizeof code, " 0x%08X", static_cast<unsigned>(result));
    std::u16string text = view.ShownText(kFailureCodeLabel);
    for (const char* c = code; *c != '\0'; ++c)
        text += static_cast<char16_t>(*c);
    return text;
}

std::u16string SharingErrorText(MainView& view, HResult result) {
    for (const HresultCause& known : kHresultCauses) {
        if (known.result == result)
            return view.ShownText(*known.cause);
    }
    return HresultCodeText(view, result);
}

}  // namespace aerowisp
