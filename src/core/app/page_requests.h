// What the content pages ask of the main window's model: the texts they show, the ticks of their own
// timers, their Apply buttons and the network's join code. A page holds only this; what it is to show comes
// back through the MainView. Implementations: ContentPagesControl (core/app), which the model hands to the
// pages at their creation.
#pragma once

#include <optional>
#include <string>

#include "core/hostednet/ap_input_rules.h"
#include "core/hostednet/join_code.h"
#include "core/ics/connection_list.h"
#include "core/lang/language_texts.h"
#include "core/platform/timer_service.h"

namespace aerowisp {

// The AP configuration page's Apply: the first rule the input broke, or whether the WLAN service took
// the new name or key. Apply stays enabled unless the input passed and was taken.
struct ApConfigApplyResult {
    ApInputFault fault = ApInputFault::kNone;
    bool accepted = false;
};

class PageRequests {
  public:
    virtual ~PageRequests() = default;

    // The language's texts, for the page's controls and the messages and dialogs it shows.
    virtual const LanguageTexts& Texts() const = 0;

    // A tick of a page's own timer: 101 (link status), 105 (association list) or 106 (AP configuration).
    virtual void OnPageTimer(TimerId id) = 0;
    // The AP configuration page's Apply with the texts of its SSID, key and confirmation boxes.
    virtual ApConfigApplyResult OnApConfigApply(const std::u16string& ssid, const std::u16string& key,
                                                const std::u16string& confirmation) = 0;
    // The AP configuration page's QR code button: the stored network's join code, or nothing when no name
    // and key are stored.
    virtual std::optional<JoinCode> OnApConfigJoinCode() = 0;
    // The ICS page: a click on a row of its list (empty texts for a click on no row).
    virtual ConnectionListClick OnConnectionListClick(const ConnectionListRow& row) = 0;
    // The ICS page's Apply with its selected row; true when the page is to disable Apply.
    virtual bool OnConnectionListApply(const ConnectionListRow& row) = 0;
};

}  // namespace aerowisp
