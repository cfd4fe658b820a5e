// The Extended AP Settings dialog.
#include "hostednet/easy_ap_setting.h"

#include "app/user_message.h"
#include "core/hostednet/ap_input_rules.h"
#include "lang/language_dialog.h"
#include "fw/wide_text.h"
#include "core/resource.h"

namespace aerowisp {
namespace {

constexpr wchar_t kSuggestedSsid[] = L"DuvaDI";

}  // namespace

CEasyAPSetting::CEasyAPSetting(const LanguageTexts& texts, AnsiCodePage& codePage)
    : fw::Dialog(IDD_EASY_AP_SETTING), texts_(texts), codePage_(codePage) {}

ApSettingsAnswer CEasyAPSetting::Ask(HWND parent) {
    if (DoModal(parent) != IDOK)
        return {};
    return {true, ssid_, key_};
}

BOOL CEasyAPSetting::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), texts_);
    // The boxes stop taking input at the lengths the rules allow.
    ::SendMessageW(Item(IDC_EASY_SSID), EM_LIMITTEXT, kSsidMaxLength, 0);
    ::SendMessageW(Item(IDC_EASY_KEY), EM_LIMITTEXT, kKeyMaxLength, 0);
    ::SendMessageW(Item(IDC_EASY_CONFIRM), EM_LIMITTEXT, kKeyMaxLength, 0);
    SetItemText(IDC_EASY_SSID, kSuggestedSsid);
    return TRUE;
}

bool CEasyAPSetting::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDC_EASY_OK:
        case IDOK:  // Enter, should the default button ever be another
            OnOK();
            return true;
        case IDCANCEL:  // the close box and Esc
            EndDialog(IDCANCEL);
            return true;
        default:
            return false;
    }
}

void CEasyAPSetting::OnOK() {
    const std::u16string ssid = fw::FromWide(ItemText(IDC_EASY_SSID));
    const std::u16string key = fw::FromWide(ItemText(IDC_EASY_KEY));
    const std::u16string confirmation = fw::FromWide(ItemText(IDC_EASY_CONFIRM));
    const ApInputFault fault = ValidateApInput(ssid, key, confirmation, codePage_);
    if (fault != ApInputFault::kNone) {
        const ApInputMessage message = MessageFor(fault);
        ShowUserMessage(Handle(), LanguageTextOr(texts_, message.text));
        const int box = message.focus == ApInputField::kSsid ? IDC_EASY_SSID : IDC_EASY_KEY;
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(box)), TRUE);
        return;
    }
    ssid_ = ssid;
    key_ = key;
    EndDialog(IDOK);
}

}  // namespace aerowisp
