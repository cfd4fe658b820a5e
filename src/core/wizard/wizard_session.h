// One run of the setup wizard: the data its five pages fill in, where Next and Back lead from each
// page, and the checks a page makes before it lets the user go on.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ics/connection_list.h"
#include "core/lang/language_strings.h"
#include "core/platform/ansi_code_page.h"

namespace aerowisp {

// The pages by index, in the order the sheet holds them.
enum class WizardPage { kOpMode = 0, kApSet = 1, kApSecurity = 2, kIcs = 3, kFinish = 4 };

// The wizard buttons a page asks for when it becomes active (PSWIZB_BACK, PSWIZB_NEXT, PSWIZB_FINISH).
inline constexpr uint32_t kWizardBack = 1;
inline constexpr uint32_t kWizardNext = 2;
inline constexpr uint32_t kWizardFinish = 4;

// What the pages fill in; the main window hands in the name and key it holds now.
struct WizardData {
    // 1: create a wireless access point; 0: join an existing wireless network.
    int opMode = 1;
    std::u16string ssid;
    std::u16string key;
    // The chosen connection's name (shown in the summary) and device name (shared on Finish).
    std::u16string networkName;
    std::u16string deviceName;
};

// Where a Next or Back leads: another page, or staying with a message for the user (none for a silent
// stay) and the control that then gets the keyboard focus (0: none).
struct WizardTurn {
    std::optional<WizardPage> to;
    std::optional<LanguageString> message;
    uint32_t focusControl = 0;

    static WizardTurn Go(WizardPage page) { return {page, std::nullopt, 0}; }
    static WizardTurn Stay(std::optional<LanguageString> message = std::nullopt, uint32_t focus = 0) {
        return {std::nullopt, message, focus};
    }
    friend bool operator==(const WizardTurn&, const WizardTurn&) = default;
};

// The main window as the wizard's pages reach it. Implemented by SetupWizardControl.
class WizardHost {
  public:
    virtual ~WizardHost() = default;
    // The key page's Next: the name and key become the desired ones and reach the hosted network now.
    virtual void ApplyWizardNetwork(const std::u16string& ssid, const std::u16string& key) = 0;
    // The connections that can be shared, with the one chosen now selected.
    virtual ConnectionListFill WizardConnections() = 0;
};

class WizardSession {
  public:
    // `host` may be null (no main window): nothing is applied and no connection is listed. `codePage` is
    // the system's ANSI code page, the one the name reaches the WLAN service in.
    WizardSession(WizardData data, WizardHost* host, AnsiCodePage& codePage)
        : data_(std::move(data)), host_(host), codePage_(codePage) {}

    WizardData& Data() { return data_; }
    const WizardData& Data() const { return data_; }

    // The buttons `page` shows when it becomes active; the finish page also disables Cancel.
    static uint32_t ButtonsOn(WizardPage page);

    // Next and Back on the pages that take no input; the checked ones have their own below.
    WizardTurn Next(WizardPage from) const;
    WizardTurn Back(WizardPage from) const;

    // The name page's Next with the name as typed: it must not be empty, hold no character above
    // U+0100 and have an exact ANSI form of at most 32 bytes.
    WizardTurn NextFromName(const std::u16string& name);
    // The key page's Next: 8 to 63 printable ASCII characters or 64 hexadecimal digits, confirmed
    // exactly; then the name and key are applied through the host.
    WizardTurn NextFromKey(const std::u16string& key, const std::u16string& confirmation);
    // The connection page's list each time it becomes active.
    ConnectionListFill Connections() const;
    // The connection page's Next with the rows listed and the first selected one, if any.
    WizardTurn NextFromConnection(const std::vector<ConnectionListRow>& rows, std::optional<size_t> selected);
    // The finish page's text: the summary on the create path, `joinHint` on the join path.
    std::u16string Summary(std::u16string_view joinHint) const;

  private:
    WizardData data_;
    WizardHost* host_;
    AnsiCodePage& codePage_;
};

}  // namespace aerowisp
