// The AP configuration page.
#include "hostednet/ap_config_page.h"

#include "app/user_message.h"
#include "core/hostednet/ap_input_rules.h"
#include "core/resource.h"
#include "fw/wide_text.h"
#include "hostednet/join_code_dlg.h"
#include "lang/language_dialog.h"

namespace aerowisp {
namespace {

// The lists' fixed entries: the hosted network's only security settings, and the choices of the
// hidden lists.
constexpr const wchar_t* kAuthEntries[] = {L"WPA2-PSK"};
constexpr const wchar_t* kEncryptionEntries[] = {L"AES"};
constexpr const wchar_t* kKeyLengthEntries[] = {L"64 Bits", L"128 Bits"};
constexpr const wchar_t* kKeyIndexEntries[] = {L"1", L"2", L"3", L"4"};

template <size_t N>
void FillList(HWND list, const wchar_t* const (&entries)[N]) {
    for (const wchar_t* entry : entries)
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(entry));
}

bool IsInputBox(int id) {
    return id == IDC_AP_SSID || id == IDC_AP_KEY || id == IDC_AP_CONFIRM;
}

}  // namespace

CAPConfigPage::CAPConfigPage() : CAppProPage(IDD_AP_CONFIG_PAGE) {}

BOOL CAPConfigPage::OnInitDialog() {
    filling_ = true;
    FillList(Item(IDC_AP_AUTH), kAuthEntries);
    FillList(Item(IDC_AP_ENCRYPTION), kEncryptionEntries);
    FillList(Item(IDC_AP_KEY_LENGTH), kKeyLengthEntries);
    FillList(Item(IDC_AP_KEY_INDEX), kKeyIndexEntries);
    // The boxes stop taking input at the lengths the rules allow.
    ::SendMessageW(Item(IDC_AP_SSID), EM_LIMITTEXT, kSsidMaxLength, 0);
    ::SendMessageW(Item(IDC_AP_KEY), EM_LIMITTEXT, kKeyMaxLength, 0);
    ::SendMessageW(Item(IDC_AP_CONFIRM), EM_LIMITTEXT, kKeyMaxLength, 0);
    ApplyLanguageToDialog(Handle(), Texts());
    SetItemText(IDC_AP_JOIN_CODE, LanguageTextOr(Texts(), kJoinCodeButton));

    SetItemText(IDC_AP_BSSID, L"");
    SetItemText(IDC_AP_SSID, L"");
    for (int list : {IDC_AP_CHANNEL, IDC_AP_AUTH, IDC_AP_ENCRYPTION, IDC_AP_KEY_LENGTH})
        ::SendMessageW(Item(list), CB_SETCURSEL, 0, 0);
    ::CheckDlgButton(Handle(), IDC_AP_ASCII, BST_CHECKED);
    SetItemText(IDC_AP_KEY, L"");
    SetItemText(IDC_AP_CONFIRM, L"");
    ::SendMessageW(Item(IDC_AP_KEY_INDEX), CB_SETCURSEL, 0, 0);
    ::EnableWindow(Item(IDC_AP_APPLY), FALSE);
    filling_ = false;
    return TRUE;
}

void CAPConfigPage::FillApConfigPage(const std::u16string& ssid, const std::u16string& key) {
    filling_ = true;
    SetItemText(IDC_AP_SSID, fw::ToWide(ssid));
    SetItemText(IDC_AP_KEY, fw::ToWide(key));
    SetItemText(IDC_AP_CONFIRM, fw::ToWide(key));
    filling_ = false;
}

void CAPConfigPage::SetBssid(const std::u16string& bssid) {
    SetItemText(IDC_AP_BSSID, fw::ToWide(bssid));
}

bool CAPConfigPage::OnCommand(int id, int notifyCode, HWND control) {
    if (id == IDC_AP_APPLY && notifyCode == BN_CLICKED) {
        OnApply();
        return true;
    }
    if (id == IDC_AP_JOIN_CODE && notifyCode == BN_CLICKED) {
        OnJoinCode();
        return true;
    }
    if (IsInputBox(id) && notifyCode == EN_CHANGE) {
        if (!filling_)
            ::EnableWindow(Item(IDC_AP_APPLY), TRUE);
        return true;
    }
    return CAppProPage::OnCommand(id, notifyCode, control);
}

// Input the rules or the service refused keeps Apply enabled, so the user can correct it and try again;
// the boxes keep the text.
void CAPConfigPage::OnApply() {
    if (Requests() == nullptr)
        return;
    const ApConfigApplyResult result =
        Requests()->OnApConfigApply(fw::FromWide(ItemText(IDC_AP_SSID)), fw::FromWide(ItemText(IDC_AP_KEY)),
                                    fw::FromWide(ItemText(IDC_AP_CONFIRM)));
    if (result.fault != ApInputFault::kNone) {
        const ApInputMessage message = MessageFor(result.fault);
        ShowUserMessage(Handle(), LanguageTextOr(Texts(), message.text));
        const int box = message.focus == ApInputField::kSsid ? IDC_AP_SSID : IDC_AP_KEY;
        ::SetFocus(Item(box));
        return;
    }
    // The model has told the user what the service refused.
    if (result.accepted)
        ::EnableWindow(Item(IDC_AP_APPLY), FALSE);
}

// The stored network, not what the boxes hold: a name being typed is not yet the network phones find.
void CAPConfigPage::OnJoinCode() {
    if (Requests() == nullptr)
        return;
    std::optional<JoinCode> code = Requests()->OnApConfigJoinCode();
    if (!code) {
        ShowUserMessage(Handle(), LanguageTextOr(Texts(), kJoinCodeNothingStored));
        return;
    }
    CJoinCodeDlg dialog(Texts(), std::move(*code));
    dialog.DoModal(Handle());
}

}  // namespace aerowisp
