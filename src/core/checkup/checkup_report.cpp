// The check-up's titles, verdicts and report.
#include "core/checkup/checkup_report.h"

namespace aerowisp {
namespace {

constexpr char16_t kLineEnd[] = u"\r\n";
constexpr char16_t kIndent[] = u"    ";
constexpr char16_t kKeyMask[] = u"********";

std::u16string Shown(const TextLookup& text, const LanguageString& entry) {
    return std::u16string(WithoutLineEnd(TextOrDefault(text(entry), entry)));
}

void Mask(std::u16string& report, std::u16string_view key) {
    if (key.empty())
        return;
    const std::u16string_view mask = kKeyMask;
    for (size_t at = report.find(key); at != std::u16string::npos; at = report.find(key, at + mask.size()))
        report.replace(at, key.size(), mask);
}

}  // namespace

const LanguageString& CheckTitle(CheckId id) {
    switch (id) {
        case CheckId::kWlanService:
            return kCheckWlanServiceTitle;
        case CheckId::kDriverSupport:
            return kCheckDriverTitle;
        case CheckId::kHostedNetworkAllowed:
            return kCheckAllowedTitle;
        case CheckId::kRadio:
            return kCheckRadioTitle;
        case CheckId::kVirtualAdapter:
            return kCheckVirtualAdapterTitle;
        case CheckId::kHostedNetworkStarted:
            return kCheckHostedNetworkTitle;
        case CheckId::kSharingService:
            return kCheckSharingServiceTitle;
        case CheckId::kPublicConnection:
            return kCheckPublicConnectionTitle;
        case CheckId::kSharingPair:
            return kCheckSharingPairTitle;
        case CheckId::kVirtualAddress:
            return kCheckAddressTitle;
        case CheckId::kSharingScope:
            return kCheckScopeTitle;
        case CheckId::kFirewallRule:
            return kCheckFirewallTitle;
        case CheckId::kDhcpServer:
            return kCheckDhcpServerTitle;
        case CheckId::kStationLeases:
            return kCheckStationsTitle;
    }
    return kCheckWlanServiceTitle;
}

const LanguageString& VerdictText(CheckVerdict verdict) {
    switch (verdict) {
        case CheckVerdict::kOk:
            return kCheckVerdictOk;
        case CheckVerdict::kProblem:
            return kCheckVerdictProblem;
        case CheckVerdict::kCouldNotCheck:
            return kCheckVerdictCouldNot;
    }
    return kCheckVerdictCouldNot;
}

std::u16string CheckupReport(const std::vector<CheckResult>& results, const TextLookup& text,
                             std::u16string_view networkKey) {
    std::u16string report = Shown(text, kCheckupCaption) + kLineEnd;
    for (const CheckResult& result : results) {
        report +=
            u"[" + Shown(text, VerdictText(result.verdict)) + u"] " + Shown(text, CheckTitle(result.id));
        if (!result.detail.empty())
            report += u" (" + result.detail + u")";
        report += kLineEnd;
        if (result.cause)
            report +=
                kIndent + Shown(text, kCheckupCauseLabel) + u" " + Shown(text, *result.cause) + kLineEnd;
        if (result.remedy)
            report +=
                kIndent + Shown(text, kCheckupRemedyLabel) + u" " + Shown(text, *result.remedy) + kLineEnd;
    }
    Mask(report, networkKey);
    return report;
}

}  // namespace aerowisp
