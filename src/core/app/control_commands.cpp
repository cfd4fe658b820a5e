// The command line's requests on the main window's thread.
#include "core/app/control_commands.h"

#include <algorithm>
#include <optional>

#include "core/app/tray_control.h"
#include "core/hostednet/join_code.h"
#include "core/lang/language_strings.h"
#include "core/resource.h"
#include "core/text/utf16_text.h"

namespace aerowisp {
namespace {

using control::Command;
using control::Outcome;
using control::Reply;

std::string Utf8(const std::u16string& text) {
    return Utf16ToUtf8(WithoutLineEnd(text));
}

Reply TextReply(Outcome outcome, const std::u16string& text) {
    Reply reply;
    reply.outcome = outcome;
    reply.message = Utf8(text);
    return reply;
}

class ControlRun {
  public:
    ControlRun(MainWindowModel& model, ControlCapture& capture)
        : model_(model), texts_(model.Texts()), capture_(capture) {
        capture_ = ControlCapture{};
        capture_.active = true;
    }
    ~ControlRun() { capture_.active = false; }
    ControlRun(const ControlRun&) = delete;
    ControlRun& operator=(const ControlRun&) = delete;

    Reply Run(Command command);

  private:
    const MainWindowState& State() const { return model_.State(); }
    bool ApMode() const { return State().hostedNetwork.apMode; }

    Reply Status();
    Reply Start();
    Reply Stop();
    Reply Radio(bool on);
    Reply Stations();
    Reply Key();
    Reply Qr();
    Reply Show();
    Reply Exit();

    Reply Answer(Outcome outcome, const LanguageString& text) {
        return TextReply(outcome, texts_.ShownText(text));
    }
    // The answer with the mode and radio fields, which a command that may change them gives.
    Reply ModeAnswer(Outcome outcome, const std::u16string& text) const {
        Reply reply = TextReply(outcome, text);
        reply.Add("mode", ApMode() ? "ap" : "station");
        reply.Add("radio", State().radioOn ? "on" : "off");
        return reply;
    }
    Reply ModeAnswer(Outcome outcome, const LanguageString& text) const {
        return ModeAnswer(outcome, texts_.ShownText(text));
    }
    // Why the mode cannot change now, as the mode button and the tray menu would not offer it.
    std::optional<LanguageString> ModeSwitchRefusal() const;
    // After an operation: done with `doneText` (and any warnings it showed), or failed with what it
    // showed, `failedText` when it showed nothing.
    Reply Ended(bool succeeded, const LanguageString& doneText, const LanguageString& failedText);

    MainWindowModel& model_;
    const LanguageTexts& texts_;
    ControlCapture& capture_;
};

Reply ControlRun::Run(Command command) {
    switch (command) {
        case Command::kStatus:
            return Status();
        case Command::kStart:
            return Start();
        case Command::kStop:
            return Stop();
        case Command::kRadioOn:
            return Radio(true);
        case Command::kRadioOff:
            return Radio(false);
        case Command::kStations:
            return Stations();
        case Command::kKey:
            return Key();
        case Command::kQr:
            return Qr();
        case Command::kShow:
            return Show();
        case Command::kExit:
            return Exit();
    }
    return TextReply(Outcome::kBadRequest, std::u16string());
}

Reply ControlRun::Status() {
    Reply reply = ModeAnswer(Outcome::kDone, std::u16string());
    reply.Add("card", State().cardPresent ? "present" : "absent");
    reply.Add("card_name", Utf8(model_.CardDescription()));
    reply.Add("ssid", Utf8(State().hostedNetwork.desiredSsid));
    reply.Add("station_count", std::to_string(model_.AssociationRows().size()));
    reply.Add("connection", Utf8(State().chosenConnection));
    return reply;
}

std::optional<LanguageString> ControlRun::ModeSwitchRefusal() const {
    if (!State().cardPresent)
        return kControlNoCard;
    if (!State().radioOn)
        return kControlRadioOff;
    if (!model_.ModeSwitchAllowed())
        return kControlBusy;
    return std::nullopt;
}

Reply ControlRun::Ended(bool succeeded, const LanguageString& doneText, const LanguageString& failedText) {
    std::u16string text;
    if (succeeded) {
        text = texts_.ShownText(doneText);
        if (!capture_.messages.empty())
            text += u"\n" + capture_.messages;
    } else if (capture_.dialogDeclined) {
        text = texts_.ShownText(kControlNoApSettings);
    } else {
        text = capture_.messages.empty() ? texts_.ShownText(failedText) : capture_.messages;
    }
    return ModeAnswer(succeeded ? Outcome::kDone : Outcome::kFailed, text);
}

// The tray's "Switch to AP STA mode", which the station-mode menu offers.
Reply ControlRun::Start() {
    if (ApMode() && State().radioOn)
        return ModeAnswer(Outcome::kDone, kControlApAlreadyOn);
    if (std::optional<LanguageString> refusal = ModeSwitchRefusal())
        return Answer(Outcome::kRefused, *refusal);
    model_.OnTrayCommand(ID_SWITCH_TO_APSTA_MODE);
    return Ended(ApMode(), kControlApOn, kControlStartFailed);
}

// The tray's "Switch to station mode", which the AP+STA menu offers.
Reply ControlRun::Stop() {
    if (!ApMode())
        return ModeAnswer(Outcome::kDone, kControlApAlreadyOff);
    if (std::optional<LanguageString> refusal = ModeSwitchRefusal())
        return Answer(Outcome::kRefused, *refusal);
    model_.OnTrayCommand(ID_SWITCH_TO_STA_MODE);
    return Ended(!ApMode(), kControlApOff, kControlStopFailed);
}

// The radio button, which is usable whenever a card is present.
Reply ControlRun::Radio(bool on) {
    const LanguageString& doneText = on ? kControlRadioIsOn : kControlRadioIsOff;
    if (State().radioOn == on)
        return ModeAnswer(Outcome::kDone, doneText);
    if (!State().cardPresent)
        return Answer(Outcome::kRefused, kControlNoCard);
    model_.OnRadioButton();
    return Ended(State().radioOn == on, doneText, kControlRadioFailed);
}

Reply ControlRun::Stations() {
    Reply reply;
    if (!ApMode())
        reply.message = Utf8(texts_.ShownText(kControlNoStations));
    for (const AssociationRow& row : model_.AssociationRows()) {
        reply.stations.push_back({Utf8(row.aid), Utf8(row.macAddress), Utf8(row.authState),
                                  Utf8(row.ipAddress), Utf8(row.deviceName)});
    }
    reply.Add("station_count", std::to_string(reply.stations.size()));
    return reply;
}

Reply ControlRun::Key() {
    const HostedNetworkSettings& settings = State().hostedNetwork;
    if (settings.desiredSsid.empty() || settings.desiredKey.empty())
        return Answer(Outcome::kRefused, kControlNoApSettings);
    Reply reply;
    reply.Add("ssid", Utf8(settings.desiredSsid));
    reply.Add("key", Utf16ToUtf8(settings.desiredKey));
    return reply;
}

// The text of the AP configuration page's QR code.
Reply ControlRun::Qr() {
    std::optional<JoinCode> code = JoinCodeFor(State().hostedNetwork);
    if (!code)
        return Answer(Outcome::kRefused, kControlNoApSettings);
    Reply reply;
    reply.Add("ssid", Utf8(code->ssid));
    reply.Add("payload", code->payload);
    return reply;
}

// What a second start of the program asks for: the window with the look of the mode. As a double click
// on the icon, it does nothing while no card is present.
Reply ControlRun::Show() {
    if (!State().cardPresent)
        return Answer(Outcome::kRefused, kControlNoCard);
    model_.OnLaunchConfigUtility();
    return Answer(Outcome::kDone, kControlWindowShown);
}

// The Exit of the menu the tray offers now; the close it posts runs once the reply is on its way.
Reply ControlRun::Exit() {
    const std::vector<TrayMenuItem> items = TrayMenuItems(State());
    uint32_t exitCommand = ID_EXIT_PLAIN;
    for (const TrayMenuItem& item : items) {
        if (item.commandId == ID_EXIT_STATION || item.commandId == ID_EXIT_APSTA ||
            item.commandId == ID_EXIT_PLAIN)
            exitCommand = item.commandId;
    }
    model_.OnTrayCommand(exitCommand);
    return Answer(Outcome::kDone, kControlExiting);
}

}  // namespace

control::Reply RunControlCommand(MainWindowModel& model, ControlCapture& capture, control::Command command) {
    ControlRun run(model, capture);
    return run.Run(command);
}

control::Reply BusyControlReply(const LanguageTexts& texts) {
    return TextReply(Outcome::kRefused, texts.ShownText(kControlBusy));
}

}  // namespace aerowisp
