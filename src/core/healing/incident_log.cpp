// The incident log's line format.
#include "core/healing/incident_log.h"

#include "core/text/number_text.h"

namespace aerowisp {
namespace {

std::u16string_view Name(Breakage cause) {
    switch (cause) {
        case Breakage::kHostedNetworkStopped:
            return u"hosted-network-stopped";
        case Breakage::kAddressLost:
            return u"address-lost";
        case Breakage::kSharingRemoved:
            return u"sharing-removed";
        case Breakage::kDhcpServerEnded:
            return u"dhcp-server-ended";
        case Breakage::kPublicConnectionDown:
            return u"public-connection-down";
        case Breakage::kDefaultRouteElsewhere:
            return u"default-route-elsewhere";
    }
    return u"unknown";
}

std::u16string_view Name(IncidentEnd end) {
    switch (end) {
        case IncidentEnd::kBack:
            return u"back";
        case IncidentEnd::kNotBack:
            return u"not-back";
        case IncidentEnd::kNeedsUser:
            return u"needs-user";
        case IncidentEnd::kOffered:
            return u"offered";
        case IncidentEnd::kEndedByUser:
            return u"ended-by-user";
        case IncidentEnd::kFoughtUser:
            return u"fought-user";
        case IncidentEnd::kRestarted:
            return u"restarted";
    }
    return u"unknown";
}

std::u16string_view Name(HealStep step) {
    switch (step) {
        case HealStep::kRestartHostedNetwork:
            return u"restart-hosted-network";
        case HealStep::kReapplySharing:
            return u"reapply-sharing";
        case HealStep::kSetAddress:
            return u"set-address";
        case HealStep::kRestartDhcpServer:
            return u"restart-dhcp-server";
    }
    return u"unknown";
}

// Seconds with one decimal, cut rather than rounded.
std::u16string Seconds(uint32_t milliseconds) {
    return DecimalText(milliseconds / 1000) + u"." + DecimalText(milliseconds % 1000 / 100) + u"s";
}

}  // namespace

std::u16string IncidentLogLine(const IncidentRecord& record, std::u16string_view when) {
    std::u16string line(when);
    line.append(u" cause=").append(Name(record.cause));
    line.append(u" end=").append(Name(record.end));
    line.append(u" attempts=").append(DecimalText(record.attempts));
    line.append(u" time=").append(Seconds(record.elapsedMs));
    line.append(u" steps=");
    if (record.steps.empty())
        line.append(u"none");
    for (size_t i = 0; i < record.steps.size(); ++i)
        line.append(i == 0 ? u"" : u",").append(Name(record.steps[i]));
    // A name ends the line: it may hold spaces, and nothing after it needs parsing.
    if (!record.connection.empty()) {
        std::u16string name = record.connection;
        // One incident, one line, whatever a connection's name holds.
        for (char16_t& c : name)
            c = c < u' ' ? u'?' : c;
        line.append(u" connection=").append(name);
    }
    return line;
}

}  // namespace aerowisp
