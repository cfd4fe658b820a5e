// Plays a user's walk through the setup wizard against its session, as the sheet's pages would: the
// name and key boxes start with the wizard's values the first time their page shows, the connection list
// is rebuilt each time its page shows, and the finish page disables Cancel.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/wizard/setup_wizard_control.h"

namespace aerowisp::test {

class ScriptedWizard final : public WizardSheetRunner {
  public:
    // The user's walk; returns true to end with Finish (allowed only on the finish page), false to cancel.
    using Script = std::function<bool(ScriptedWizard&)>;

    explicit ScriptedWizard(Script script) : script_(std::move(script)) {}

    bool RunWizardSheet(WizardSession& session) override {
        session_ = &session;
        visited_.clear();
        Enter(WizardPage::kOpMode);
        const bool finished = script_(*this) && page_ == WizardPage::kFinish;
        session_ = nullptr;
        return finished;
    }

    WizardPage Page() const { return page_; }
    WizardData& Data() { return session_->Data(); }
    // The radio buttons of the mode page.
    void Create() { Data().opMode = 1; }
    void Join() { Data().opMode = 0; }
    void TypeName(std::u16string name) { name_ = std::move(name); }
    void TypeKeys(std::u16string key, std::u16string confirmation) {
        key_ = std::move(key);
        confirmation_ = std::move(confirmation);
    }
    void Select(std::optional<size_t> row) { selected_ = row; }
    const ConnectionListFill& Listed() const { return listed_; }

    // True when the page changed; a refusal's message key is kept in `messages`.
    bool Next() {
        switch (page_) {
            case WizardPage::kApSet:
                return Take(session_->NextFromName(name_));
            case WizardPage::kApSecurity:
                return Take(session_->NextFromKey(key_, confirmation_));
            case WizardPage::kIcs:
                return Take(session_->NextFromConnection(listed_.rows, selected_));
            case WizardPage::kOpMode:
            case WizardPage::kFinish:
                break;
        }
        return Take(session_->Next(page_));
    }
    bool Back() { return Take(session_->Back(page_)); }
    // Next until the finish page, taking the boxes as they are; false when a page refused.
    bool NextToFinish() {
        while (page_ != WizardPage::kFinish) {
            if (!Next())
                return false;
        }
        return true;
    }

    std::vector<std::u16string> messages;
    bool cancelDisabled = false;
    uint32_t buttons = 0;

  private:
    bool Take(const WizardTurn& turn) {
        if (turn.message)
            messages.emplace_back(turn.message->key);
        if (!turn.to)
            return false;
        Enter(*turn.to);
        return true;
    }

    void Enter(WizardPage page) {
        page_ = page;
        buttons = WizardSession::ButtonsOn(page);
        const bool first = std::find(visited_.begin(), visited_.end(), page) == visited_.end();
        visited_.push_back(page);
        if (page == WizardPage::kApSet && first)
            name_ = Data().ssid;
        if (page == WizardPage::kApSecurity && first)
            key_ = confirmation_ = Data().key;
        if (page == WizardPage::kIcs) {
            listed_ = session_->Connections();
            selected_ = listed_.rows.empty() ? std::nullopt : std::optional<size_t>(listed_.selected);
        }
        if (page == WizardPage::kFinish)
            cancelDisabled = true;
    }

    Script script_;
    WizardSession* session_ = nullptr;
    WizardPage page_ = WizardPage::kOpMode;
    std::vector<WizardPage> visited_;
    std::u16string name_;
    std::u16string key_;
    std::u16string confirmation_;
    ConnectionListFill listed_;
    std::optional<size_t> selected_;
};

}  // namespace aerowisp::test
