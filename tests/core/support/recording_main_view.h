// A main view for native tests: records what the model shows and asks, and answers the dialog as told.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/ports/main_view.h"
#include "sim/journal.h"
#include "sim/sim_text.h"

namespace aerowisp::test {

inline const char* PageName(ContentPage page) {
    switch (page) {
        case ContentPage::kLinkStatus:
            return "LinkStatus";
        case ContentPage::kApConfig:
            return "ApConfig";
        case ContentPage::kAssociationList:
            return "AssociationList";
        case ContentPage::kIcs:
            return "Ics";
        case ContentPage::kAbout:
            return "About";
    }
    return "?";
}

class RecordingMainView final : public MainView {
  public:
    // With a journal, each call is also recorded there as "View.<call>", so its place among the
    // platform calls can be checked.
    explicit RecordingMainView(Journal* journal = nullptr) : journal_(journal) {}

    void ShowPage(ContentPage page) override {
        currentPage = page;
        Note("ShowPage", PageName(page));
    }
    void ApplyControlLook(const ControlLook& look) override {
        looks.push_back(look);
        if (look.state != ControlState::kUnchanged)
            enabled[look.controlId] = look.state == ControlState::kEnabled;
        Note("ApplyControlLook", std::to_string(look.controlId));
    }
    void EnableButton(uint32_t controlId, bool enable) override {
        enabled[controlId] = enable;
        Note("EnableButton", std::to_string(controlId) + (enable ? " on" : " off"));
    }
    void SetButtonFaces(uint32_t controlId, const ButtonFaces& faces) override {
        this->faces[controlId] = faces;
        Note("SetButtonFaces", std::to_string(controlId) + " " + std::to_string(faces.normal));
    }
    void FrameModePicture() override { Note("FrameModePicture", ""); }
    void HideToTray() override { Note("HideToTray", ""); }
    ApSettingsAnswer RunExtendedApSettingsDialog() override {
        ++dialogRuns;
        Note("ExtendedApSettingsDialog", "");
        if (dialogAnswers.empty())
            return {};
        ApSettingsAnswer answer = dialogAnswers.front();
        dialogAnswers.pop_front();
        return answer;
    }
    std::optional<size_t> RunSelectCardDialog(const std::vector<std::u16string>& descriptions) override {
        std::string listed;
        for (const std::u16string& description : descriptions) {
            if (!listed.empty())
                listed += ' ';
            listed += QuoteText(description);
        }
        Note("SelectCardDialog", listed);
        if (cardAnswers.empty())
            return std::nullopt;
        std::optional<size_t> answer = cardAnswers.front();
        cardAnswers.pop_front();
        return answer;
    }
    void FillApConfigPage(const std::u16string& ssid, const std::u16string& key) override {
        Note("FillApConfigPage", QuoteText(ssid) + " " + QuoteText(key));
    }
    void SetApConfigBssid(const std::u16string& bssid) override {
        apConfigBssid = bssid;
        Note("SetApConfigBssid", QuoteText(bssid));
    }
    void RestartPageTimer(ContentPage page, uint32_t timerId, uint32_t periodMs) override {
        Note("RestartPageTimer",
             std::string(PageName(page)) + " " + std::to_string(timerId) + " " + std::to_string(periodMs));
    }
    void KillPageTimer(ContentPage page) override { Note("KillPageTimer", PageName(page)); }
    void ShowLinkStatus(const LinkStatusFigures& figures) override {
        linkStatus = figures;
        Note("ShowLinkStatus", QuoteText(figures.status));
    }
    void ShowAssociationList(const std::vector<AssociationRow>& rows) override {
        associationRows = rows;
        Note("ShowAssociationList", std::to_string(rows.size()));
    }
    void ClearAssociationList() override {
        associationRows.clear();
        Note("ClearAssociationList", "");
    }
    void FillConnectionList(const ConnectionListFill& fill) override {
        connectionList = fill;
        Note("FillConnectionList", std::to_string(fill.rows.size()) + " " + std::to_string(fill.selected));
    }
    void ShowPleaseWait(const std::u16string& text) override {
        pleaseWaitTexts.push_back(text);
        Note("ShowPleaseWait", QuoteText(text));
    }
    void ClosePleaseWait() override { Note("ClosePleaseWait", ""); }
    void RefreshVersionInfo(const std::u16string&) override { Note("RefreshVersionInfo", ""); }
    void ApplyLanguageToWindow() override { Note("ApplyLanguageToWindow", ""); }
    void CreateContentPages() override { Note("CreateContentPages", ""); }
    void ShowMessage(const std::u16string& text) override {
        messages.push_back(text);
        Note("ShowMessage", QuoteText(text));
    }
    void RemoveTrayIcon() override { Note("RemoveTrayIcon", ""); }

    // "Call arguments" lines in call order.
    std::vector<std::string> calls;
    std::vector<ControlLook> looks;
    // The last enabled state and faces given to each control.
    std::map<uint32_t, bool> enabled;
    std::map<uint32_t, ButtonFaces> faces;
    std::deque<ApSettingsAnswer> dialogAnswers;  // empty: the dialog is cancelled
    int dialogRuns = 0;
    std::deque<std::optional<size_t>> cardAnswers;  // empty: the selection dialog is closed
    ContentPage currentPage = ContentPage::kAbout;
    // What the pages show now.
    std::optional<LinkStatusFigures> linkStatus;
    std::vector<AssociationRow> associationRows;
    std::u16string apConfigBssid;
    ConnectionListFill connectionList;
    // The texts of the message boxes shown, in order.
    std::vector<std::u16string> messages;
    std::vector<std::u16string> pleaseWaitTexts;

  private:
    void Note(const std::string& call, const std::string& arguments) {
        calls.push_back(arguments.empty() ? call : call + " " + arguments);
        if (journal_)
            journal_->Record("View." + call, arguments);
    }

    Journal* journal_;
};

}  // namespace aerowisp::test
