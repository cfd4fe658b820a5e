// What the user is told when the WLAN service, netsh.exe or the settings store refuse a step of the
// hosted network, the state each refusal leaves, and the mode and wizard commands that come while their
// controls are disabled.
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/hostednet/hosted_network_failure.h"
#include "core/hostednet/problem_reporter.h"
#include "core/resource.h"
#include "sim/operations.h"
#include "support/tray_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;
using test::TrayHarness;

constexpr uint32_t kErrorAccessDenied = 5;
constexpr auto kCardGone = static_cast<uint32_t>(HostedNetworkReason::kInterfaceUnavailable);
constexpr auto kBadParameters = static_cast<uint32_t>(HostedNetworkReason::kBadParameters);
const std::u16string kHexKey = u"0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF0123456789ABCDEF";

bool Contains(const std::u16string& text, const LanguageString& entry) {
    return text.find(entry.englishDefault) != std::u16string::npos;
}

void InAp(ModelHarness& h) {
    h.SetIni(u"DuvaDI", u"secret-key");
    ASSERT_TRUE(h.Control().SwitchToApStaMode());
    h.view.messages.clear();
    h.Log().Clear();
}

TEST(HostedNetworkFailures, AreToldAndLeaveTheStateTheMachineIsIn) {
    using Step = std::function<void(ModelHarness&)>;
    struct Case {
        const char* label;
        Step arrange;
        Step act;
        const LanguageString* headline;
        const LanguageString* cause;  // null: the headline says all
        bool balloon;
        bool apModeAfter;
        std::optional<RegistryValue> currentModeAfter;
    };
    const auto fail = [](std::string_view op, uint32_t error, uint32_t reason = 0) {
        return [=](ModelHarness& h) { h.machine.Failures().FailAlways(op, error, reason); };
    };
    const auto both = [](Step first, Step second) {
        return [=](ModelHarness& h) {
            first(h);
            second(h);
        };
    };
    const Step station = [](ModelHarness& h) { h.SetIni(u"DuvaDI", u"secret-key"); };
    const Step switchToAp = [](ModelHarness& h) { h.Control().SwitchToApStaMode(); };
    const Step restore = [](ModelHarness& h) {
        h.machine.Settings().SetValue(kSettingsKey, kValueCurrentMode, RegistryValue::Dword(1));
        h.Hosted().apMode = true;
        h.Window().StartInStoredMode();
    };
    const Step startRefused = both(fail(op::kWlanHostedNetworkStartUsing, kErrorInvalidState, kCardGone),
                                   fail(op::kWlanHostedNetworkForceStart, kErrorInvalidState, kCardGone));
    const Case cases[] = {
        {"start and forced start refused", both(station, startRefused), switchToAp, &kStartFailedMessage,
         &kCauseCardUnavailable, false, false, std::nullopt},
        {"name refused",
         both(station, fail(op::kWlanHostedNetworkSetProperty, kErrorInvalidParameter, kBadParameters)),
         switchToAp, &kSsidRefusedMessage, &kCauseBadParameters, false, false, std::nullopt},
        {"key refused, no reason: the error code speaks",
         both(station, fail(op::kWlanHostedNetworkSetSecondaryKey, kErrorAccessDenied)), switchToAp,
         &kKeyRefusedMessage, &kCauseElevation, false, false, std::nullopt},
        {"netsh.exe cannot run",
         [](ModelHarness& h) {
             h.SetIni(u"DuvaDI", kHexKey);
             h.processes.SetSystemFolder(u"");
         },
         switchToAp, &kNetshFailedMessage, nullptr, false, false, std::nullopt},
        {"restoring AP+STA mode at start-up", both(station, startRefused), restore, &kRestoreFailedMessage,
         &kCauseCardUnavailable, true, false, RegistryValue::Dword(1)},
        {"started, \"Current Mode\" not saved", both(station, fail(op::kRegSetValueExW, kErrorAccessDenied)),
         switchToAp, &kRegistrySaveFailedMessage, nullptr, false, true, std::nullopt},
        {"started, DuvaDI.ini not saved",
         both(station, fail(op::kWritePrivateProfileStringW, kErrorAccessDenied)), switchToAp,
         &kIniSaveFailedMessage, nullptr, false, true, RegistryValue::Dword(1)},
        {"stop refused while the network runs", InAp,
         both(both(fail(op::kWlanHostedNetworkStopUsing, kErrorAccessDenied),
                   fail(op::kWlanHostedNetworkForceStop, kErrorAccessDenied)),
              [](ModelHarness& h) { h.Control().SwitchToStationMode(); }),
         &kStopFailedMessage, &kCauseElevation, false, true, RegistryValue::Dword(1)},
        {"apply of a new name, start refused", InAp,
         both(fail(op::kWlanHostedNetworkStartUsing, kErrorInvalidState, kCardGone),
              [](ModelHarness& h) { h.Control().ApplyApConfig(u"Other", u"other-key"); }),
         &kStartFailedMessage, &kCauseCardUnavailable, false, false, RegistryValue::Dword(1)},
        {"apply of a new key, key refused", InAp,
         both(fail(op::kWlanHostedNetworkSetSecondaryKey, kErrorInvalidParameter, kBadParameters),
              [](ModelHarness& h) { h.Control().ApplyApConfig(u"DuvaDI", u"other-key"); }),
         &kKeyRefusedMessage, &kCauseBadParameters, false, true, RegistryValue::Dword(1)},
        {"wizard's start refused", startRefused,
         [](ModelHarness& h) {
             h.Hosted().desiredSsid = u"Wizard";
             h.Hosted().desiredKey = u"wizard-key";
             EXPECT_FALSE(h.Control().ApplyWizardNetwork());
         },
         &kStartFailedMessage, &kCauseCardUnavailable, false, false, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.State().cardPresent = true;
        c.arrange(h);
        c.act(h);

        const std::vector<std::u16string>& told = c.balloon ? h.tray.balloons : h.view.messages;
        ASSERT_EQ(told.size(), 1u);
        EXPECT_TRUE(Contains(told.front(), *c.headline));
        if (c.cause != nullptr) {
            EXPECT_TRUE(Contains(told.front(), *c.cause));
        }
        EXPECT_EQ((c.balloon ? h.view.messages : h.tray.balloons).size(), 0u);
        EXPECT_EQ(h.Hosted().apMode, c.apModeAfter);
        EXPECT_EQ(h.CurrentMode(), c.currentModeAfter);
        EXPECT_EQ(h.machine.Wlan().HostedNetworkRunning(), c.apModeAfter);
        // The mode button is never left disabled.
        EXPECT_TRUE(!h.view.enabled.contains(IDC_MODE_BUTTON) || h.view.enabled[IDC_MODE_BUTTON]);
        if (!c.apModeAfter) {
            EXPECT_NE(h.view.currentPage, ContentPage::kApConfig);
            EXPECT_EQ(h.view.enabled[IDC_ASSOC_LIST_BUTTON], false);
            // No virtual adapter comes up, so no start guard is armed.
            for (const JournalEntry& timer : h.Log().Find("SetTimer"))
                EXPECT_NE(timer.arguments, "id=108 period=6000");
        }
    }
}

TEST(HostedNetworkFailures, ARefusedStartSharesNothingAndAppliesNoForcedStart) {
    ModelHarness h;
    h.State().cardPresent = true;
    h.Hosted().apMode = true;
    h.Hosted().desiredSsid = u"DuvaDI";
    h.Hosted().desiredKey = u"secret-key";
    h.machine.Failures().FailAlways(op::kWlanHostedNetworkSetProperty, kErrorInvalidParameter,
                                    kBadParameters);

    h.Control().ApplyApConfig(u"Other", u"other-key");

    EXPECT_EQ(h.Count("WlanHostedNetworkStartUsing"), 0u);
    EXPECT_EQ(h.Count("WlanHostedNetworkForceStart"), 0u);
    EXPECT_EQ(h.Count("WritePrivateProfileStringW"), 0u);
    // The refused name is not kept.
    EXPECT_EQ(h.Hosted().desiredSsid, u"DuvaDI");
    EXPECT_EQ(h.Hosted().desiredKey, u"secret-key");
    EXPECT_EQ(h.Count("INetSharingConfiguration::EnableSharing"), 0u);
}

TEST(HostedNetworkFailures, AStopOfANetworkThatIsNotRunningIsNoFailure) {
    ModelHarness h;
    h.Hosted().apMode = true;
    h.machine.Failures().FailAlways(op::kWlanHostedNetworkForceStop, kErrorInvalidState);

    h.Control().SwitchToStationMode();

    EXPECT_TRUE(h.view.messages.empty());
    EXPECT_FALSE(h.Hosted().apMode);
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(0));
}

TEST(FailureCause, TheReasonSpeaksBeforeTheErrorCode) {
    struct Case {
        WlanResult error;
        HostedNetworkReason reason;
        const LanguageString* cause;
    };
    const Case cases[] = {
        {kErrorInvalidState, HostedNetworkReason::kInterfaceUnavailable, &kCauseCardUnavailable},
        {kErrorInvalidState, HostedNetworkReason::kGpDenied, &kCausePolicy},
        {kErrorInvalidState, HostedNetworkReason::kUnspecified, &kCauseNotAvailableNow},
        {kErrorInvalidState, HostedNetworkReason::kSuccess, &kCauseNotAvailableNow},
        {win32::kServiceNotActive, HostedNetworkReason::kSuccess, &kCauseServiceStopped},
        {win32::kNotSupported, HostedNetworkReason::kSuccess, &kCauseNotSupported},
        {win32::kBusy, HostedNetworkReason::kSuccess, &kCauseBusy},
        {win32::kAccessDenied, HostedNetworkReason::kElevationRequired, &kCauseElevation},
        {1234, HostedNetworkReason::kUnspecified, &kCauseUnknown},
        {1234, static_cast<HostedNetworkReason>(99), &kCauseUnknown},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.error << "/" << static_cast<uint32_t>(c.reason));
        EXPECT_EQ(&FailureCause(c.error, c.reason), c.cause);
    }
    // Every reason a failure can carry has a sentence.
    for (uint32_t reason = 2; reason < kHostedNetworkReasonCount; ++reason)
        EXPECT_NE(&FailureCause(0, static_cast<HostedNetworkReason>(reason)), &kCauseUnknown) << reason;
}

TEST(FailureMessage, NamesTheCodesAndFitsTheBalloon) {
    ModelHarness h;
    const HostedNetworkFailure failure{HostedNetworkStep::kStart, kErrorInvalidState,
                                       HostedNetworkReason::kInterfaceUnavailable};
    EXPECT_EQ(FailureMessage(h.model.Texts(), failure),
              std::u16string(kStartFailedMessage.englishDefault) + u"\r\n\r\n" +
                  std::u16string(kCauseCardUnavailable.englishDefault) + u"\r\n\r\nError code: 5023/12");
    EXPECT_EQ(BalloonText(std::u16string(300, u'x')).size(), kBalloonTextMaxLength);
    EXPECT_EQ(BalloonText(std::u16string(254, u'x') + u"\U0001F600").size(), 254u);
}

// Another program can post the commands of controls that are disabled; they must change nothing.
TEST(DisabledCommands, ChangeNothing) {
    struct Case {
        const char* label;
        bool cardPresent;
        bool radioOn;
        bool apMode;
        uint32_t command;
    };
    const Case cases[] = {
        {"mode button without a card", false, true, false, IDC_MODE_BUTTON},
        {"mode button with the radio off", true, false, false, IDC_MODE_BUTTON},
        {"to AP+STA without a card", false, true, false, ID_SWITCH_TO_APSTA_MODE},
        {"to AP+STA with the radio off", true, false, false, ID_SWITCH_TO_APSTA_MODE},
        {"to AP+STA in AP+STA mode", true, true, true, ID_SWITCH_TO_APSTA_MODE},
        {"to station in station mode", true, true, false, ID_SWITCH_TO_STA_MODE},
        {"to station with the radio off", true, false, true, ID_SWITCH_TO_STA_MODE},
        {"wizard without a card", false, true, false, ID_WIZARD_STATION},
        {"station wizard in AP+STA mode", true, true, true, ID_WIZARD_STATION},
        {"AP+STA wizard with the radio off", true, false, true, ID_WIZARD_APSTA},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        TrayHarness h;
        h.SetIni(u"DuvaDI", u"secret-key");
        h.State().cardPresent = c.cardPresent;
        h.State().radioOn = c.radioOn;
        h.Hosted().apMode = c.apMode;

        if (c.command == IDC_MODE_BUTTON) {
            h.Control().OnModeButton();
        } else {
            EXPECT_TRUE(h.trayControl.OnTrayCommand(c.command));
        }

        EXPECT_EQ(h.Operations(), std::vector<std::string>{});
        EXPECT_EQ(h.Hosted().apMode, c.apMode);
        EXPECT_FALSE(h.CurrentMode());
    }
    // With a card and the radio on the same commands act.
    TrayHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.State().cardPresent = true;
    h.trayControl.OnTrayCommand(ID_SWITCH_TO_APSTA_MODE);
    EXPECT_TRUE(h.Hosted().apMode);
    h.trayControl.OnTrayCommand(ID_WIZARD_APSTA);
    EXPECT_EQ(h.tray.calls.back(), "RunSetupWizard");
}

// Problems noted by several controls during one operation reach the user once, together: in a message
// box for the user's command, in one balloon for a start the program made on its own.
TEST(ProblemReporter, TellsWhatWasNotedAllAtOnceAsTheOriginSays) {
    const HostedNetworkFailure netsh{.step = HostedNetworkStep::kNetshKey};
    const std::u16string ini(kIniSaveFailedMessage.englishDefault);
    const std::u16string ics(kIcsStartFailedMessage.englishDefault);
    struct Case {
        SwitchOrigin origin;
        bool noteAny;
        std::vector<std::u16string> messages;
        std::vector<std::u16string> balloons;
    };
    const Case cases[] = {
        {SwitchOrigin::kUser, false, {}, {}},
        {SwitchOrigin::kUser, true, {ini + u"\r\n\r\n" + ics + u"\r\n\r\nWhy\r\n\r\n" + ini}, {}},
        {SwitchOrigin::kRestore, true, {}, {BalloonText(ini + u" " + ics + u" Why " + ini)}},
    };
    for (const Case& c : cases) {
        ModelHarness h;
        ProblemReporter problems(h.view, h.tray, h.model.Texts());
        if (c.noteAny) {
            problems.NoteProblem(kIniSaveFailedMessage);
            problems.NoteProblem(kIcsStartFailedMessage, u"Why");
            problems.NoteProblem(kIniSaveFailedMessage, u"");
        }
        problems.TellProblems(c.origin);
        problems.TellProblems(c.origin);  // nothing is told twice
        EXPECT_EQ(h.view.messages, c.messages);
        EXPECT_EQ(h.tray.balloons, c.balloons);
    }
    ModelHarness h;
    ProblemReporter problems(h.view, h.tray, h.model.Texts());
    problems.NoteProblem(netsh);
    problems.TellProblems(SwitchOrigin::kRestore);
    EXPECT_EQ(h.tray.balloons, std::vector{FailureBalloon(h.model.Texts(), netsh)});
}

}  // namespace
}  // namespace aerowisp
