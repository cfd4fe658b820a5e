// The card selection dialog.
#include "hostednet/sel_card_dlg.h"

#include "lang/language_dialog.h"
#include "fw/wide_text.h"
#include "core/resource.h"

namespace aerowisp {

CSelCardDlg::CSelCardDlg(const LanguageTexts& language) : fw::Dialog(IDD_SEL_CARD), language_(language) {}

std::optional<size_t> CSelCardDlg::Ask(HWND parent, const std::vector<std::u16string>& descriptions) {
    descriptions_ = descriptions;
    selectedIndex_.reset();
    if (DoModal(parent) != IDOK)
        return std::nullopt;
    return selectedIndex_;
}

BOOL CSelCardDlg::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), language_);
    HWND combo = Item(IDC_SEL_CARD_COMBO);
    for (const std::u16string& description : descriptions_) {
        const std::wstring text = fw::ToWide(description);
        ::SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    ::SendMessageW(combo, CB_SETCURSEL, 0, 0);
    return TRUE;
}

bool CSelCardDlg::OnCommand(int id, int, HWND) {
    switch (id) {
        case IDC_SEL_CARD_OK:
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

// With no entry selected there is nothing to take, and the caller uses the first card.
void CSelCardDlg::OnOK() {
    const LRESULT selection = ::SendMessageW(Item(IDC_SEL_CARD_COMBO), CB_GETCURSEL, 0, 0);
    if (selection != CB_ERR)
        selectedIndex_ = static_cast<size_t>(selection);
    EndDialog(IDOK);
}

}  // namespace aerowisp
