// The AP configuration page.
#include "hostednet/ap_config_page.h"

#include "core/hostednet/ap_input_rules.h"
#include "lang/language_dialog.h"
#include "fw/wide_text.h"
#include "core/resource.h"

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

}  // namespace

CAPConfigPage::CAPConfigPage(const LanguageFile& language)
    : CAppProPage(IDD_AP_CONFIG_PAGE), language_(language) {}

BOOL CAPConfigPage::OnInitDialog() {
    FillList(Item(IDC_AP_AUTH), kAuthEntries);
    FillList(Item(IDC_AP_ENCRYPTION), kEncryptionEntries);
    FillList(Item(IDC_AP_KEY_LENGTH), kKeyLengthEntries);
    FillList(Item(IDC_AP_KEY_INDEX), kKeyIndexEntries);
    // The boxes stop taking input at the lengths the rules allow.
    ::SendMessageW(Item(IDC_AP_SSID), EM_LIMITTEXT, kSsidMaxLength, 0);
    ::SendMessageW(Item(IDC_AP_KEY), EM_LIMITTEXT, kKeyMaxLength, 0);
    ::SendMessageW(Item(IDC_AP_CONFIRM), EM_LIMITTEXT, kKeyMaxLength, 0);
    ApplyLanguageToDialog(Handle(), language_);

    SetItemText(IDC_AP_BSSID, L"");
    SetItemText(IDC_AP_SSID, L"");
    for (int list : {IDC_AP_CHANNEL, IDC_AP_AUTH, IDC_AP_ENCRYPTION, IDC_AP_KEY_LENGTH})
        ::SendMessageW(Item(list), CB_SETCURSEL, 0, 0);
    ::CheckDlgButton(Handle(), IDC_AP_ASCII, BST_CHECKED);
    SetItemText(IDC_AP_KEY, L"");
    SetItemText(IDC_AP_CONFIRM, L"");
    ::SendMessageW(Item(IDC_AP_KEY_INDEX), CB_SETCURSEL, 0, 0);
    ::EnableWindow(Item(IDC_AP_APPLY), FALSE);
    return TRUE;
}

void CAPConfigPage::FillApConfigPage(const std::u16string& ssid, const std::u16string& key) {
    SetItemText(IDC_AP_SSID, fw::ToWide(ssid));
    SetItemText(IDC_AP_KEY, fw::ToWide(key));
    SetItemText(IDC_AP_CONFIRM, fw::ToWide(key));
}

void CAPConfigPage::RestartPageTimer(UINT_PTR timerId, UINT periodMs) {
    if (pageTimer_ != 0)
        ::KillTimer(Handle(), pageTimer_);
    pageTimer_ = ::SetTimer(Handle(), timerId, periodMs, nullptr);
}

bool CAPConfigPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_TIMER && pageTimer_ != 0 && wParam == pageTimer_)
        OnPageTimer();
    return CAppProPage::OnMessage(message, wParam, lParam, result);
}

// The timer fires once per entry into AP+STA mode; the BSSID it shows comes with the adapter scan.
void CAPConfigPage::OnPageTimer() {
    ::KillTimer(Handle(), pageTimer_);
    pageTimer_ = 0;
}

}  // namespace aerowisp
