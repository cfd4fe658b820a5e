// The main window's journal on a simulated machine, and the machine's events asked for from outside.
#include "app/journaling_window.h"

#include "sim/sim_text.h"

namespace aerowisp {

void JournalingWindow::ShowBalloon(uint32_t uid, const std::u16string& title, const std::u16string& text) {
    NoteBalloon("warning", title, text);
    tray_.ShowBalloon(uid, title, text);
}

void JournalingWindow::ShowInfoBalloon(uint32_t uid, const std::u16string& title,
                                       const std::u16string& text) {
    NoteBalloon("info", title, text);
    tray_.ShowInfoBalloon(uid, title, text);
}

// The wizard is the program's own window, closed with the message its close box sends.
bool JournalingWindow::CloseSetupWizard() {
    if (!tray_.CloseSetupWizard())
        return false;
    machine_.Journal().Record("SendMessageW", "window=own message=WM_SYSCOMMAND wParam=SC_CLOSE lParam=0");
    return true;
}

void JournalingWindow::OnFirstShown() {
    Note("MainWindowShown");
}

void JournalingWindow::OnControlRequest(std::string_view command) {
    Note("ControlRequest " + std::string(command));
}

void JournalingWindow::OnMessage(bool intoReply) {
    Note(intoReply ? "ControlReplyMessage" : "MessageBox");
}

bool JournalingWindow::RaiseMachineEvent(MachineEvent event) {
    const std::vector<ScenarioCard>& cards = machine_.Scenario().cards;
    switch (event) {
        case MachineEvent::kCardRemoved:
            if (cards.empty() || cardRemoved_ || !machine_.Wlan().RemoveCard(cards.front().guid))
                return false;
            cardRemoved_ = true;
            Note("CardRemoved");
            return true;
        case MachineEvent::kCardInserted:
            if (!cardRemoved_)
                return false;
            machine_.Wlan().InsertCard(cards.front());
            cardRemoved_ = false;
            Note("CardInserted");
            return true;
        case MachineEvent::kSuspend:
            Note("Suspend");
            return true;
        case MachineEvent::kResume:
            Note("Resume");
            return true;
        case MachineEvent::kStationJoined: {
            const MacAddress mac{0x02, 0x00, 0x5E, 0x00, 0x00, ++joinedStations_};
            if (!machine_.Wlan().JoinStationNow(mac))
                return false;
            machine_.Journal().Record("StationJoined", "mac=" + MacToText(mac));
            return true;
        }
        case MachineEvent::kStationLeft:
            if (!machine_.Wlan().DropLastStation())
                return false;
            Note("StationLeft");
            return true;
    }
    return false;
}

void JournalingWindow::Note(std::string_view what) {
    machine_.Journal().Record(what, "");
}

void JournalingWindow::NoteBalloon(std::string_view icon, const std::u16string& title,
                                   const std::u16string& text) {
    machine_.Journal().Record("TrayBalloon", "icon=" + std::string(icon) + " title=" + QuoteText(title) +
                                                 " text=" + QuoteText(text));
}

}  // namespace aerowisp
