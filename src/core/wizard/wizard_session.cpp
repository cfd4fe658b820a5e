// The setup wizard's page flow and its checks.
#include "core/wizard/wizard_session.h"

#include <algorithm>

#include "core/hostednet/ap_input_rules.h"
#include "core/resource.h"

namespace aerowisp {

uint32_t WizardSession::ButtonsOn(WizardPage page) {
    switch (page) {
        case WizardPage::kOpMode:
            return kWizardNext;
        case WizardPage::kFinish:
            return kWizardBack | kWizardFinish;
        case WizardPage::kApSet:
        case WizardPage::kApSecurity:
        case WizardPage::kIcs:
            break;
    }
    return kWizardBack | kWizardNext;
}

WizardTurn WizardSession::Next(WizardPage from) const {
    if (from == WizardPage::kOpMode)
        return WizardTurn::Go(data_.opMode != 0 ? WizardPage::kApSet : WizardPage::kFinish);
    return WizardTurn::Stay();
}

WizardTurn WizardSession::Back(WizardPage from) const {
    switch (from) {
        case WizardPage::kOpMode:
            return WizardTurn::Stay();
        case WizardPage::kApSet:
            return WizardTurn::Go(WizardPage::kOpMode);
        case WizardPage::kApSecurity:
            return WizardTurn::Go(WizardPage::kApSet);
        case WizardPage::kIcs:
            return WizardTurn::Go(WizardPage::kApSecurity);
        case WizardPage::kFinish:
            break;
    }
    return WizardTurn::Go(data_.opMode != 0 ? WizardPage::kIcs : WizardPage::kOpMode);
}

// A name without an exact form in the system's ANSI code page would reach the network as another
// name, so it is refused outright; the length is counted in that form.
WizardTurn WizardSession::NextFromName(const std::u16string& name) {
    switch (CheckSsid(name, codePage_)) {
        case SsidFault::kEmpty:
            return WizardTurn::Stay(kWizardNameRequiredMessage, IDC_WIZ_SSID);
        case SsidFault::kNoExactAnsiForm:
            return WizardTurn::Stay(kWizardInvalidNameMessage, IDC_WIZ_SSID);
        case SsidFault::kTooLong:
            return WizardTurn::Stay(kWizardNameLengthMessage, IDC_WIZ_SSID);
        case SsidFault::kNone:
            break;
    }
    data_.ssid = name;
    return WizardTurn::Go(WizardPage::kApSecurity);
}

WizardTurn WizardSession::NextFromKey(const std::u16string& key, const std::u16string& confirmation) {
    if (!IsValidKey(key))
        return WizardTurn::Stay(kWizardKeyRuleMessage, IDC_WIZ_KEY);
    if (confirmation != key)
        return WizardTurn::Stay(kWizardKeyMismatchMessage, IDC_WIZ_CONFIRM);
    data_.key = key;
    if (host_ != nullptr)
        host_->ApplyWizardNetwork(data_.ssid, data_.key);
    return WizardTurn::Go(WizardPage::kIcs);
}

ConnectionListFill WizardSession::Connections() const {
    return host_ != nullptr ? host_->WizardConnections() : ConnectionListFill{};
}

WizardTurn WizardSession::NextFromConnection(const std::vector<ConnectionListRow>& rows,
                                             std::optional<size_t> selected) {
    if (rows.empty())
        return WizardTurn::Stay(kWizardNoConnectionMessage);
    const size_t index = selected.value_or(rows.size());
    if (index >= rows.size() && rows.size() > 1)
        return WizardTurn::Stay(kWizardSelectConnectionMessage);
    // With one row and none selected, that row is meant whatever its name.
    const ConnectionListRow& row = index < rows.size() ? rows[index] : rows.front();
    data_.networkName = row.networkName;
    data_.deviceName = row.deviceName;
    // A selected row without a connection name is no connection to share; the page keeps the user on it.
    if (index < rows.size() && row.networkName.empty())
        return WizardTurn::Stay();
    return WizardTurn::Go(WizardPage::kFinish);
}

std::u16string WizardSession::Summary(std::u16string_view joinHint) const {
    if (data_.opMode == 0)
        return std::u16string(joinHint);
    return u"Network Name(SSID): " + data_.ssid + u"\r\nAuthentication Type: WPA2-PSK\r\nEncryption: AES" +
           u"\r\nNetwork Key: " + data_.key + u"\r\nThe Internet Connection:\r\n" + data_.networkName +
           u"\r\n";
}

}  // namespace aerowisp
