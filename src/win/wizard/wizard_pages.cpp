// The setup wizard's pages.
#include "wizard/wizard_pages.h"

#include <commctrl.h>

#include <string>
#include <vector>

#include "app/user_message.h"
#include "core/hostednet/ap_input_rules.h"
#include "core/resource.h"
#include "fw/wide_text.h"
#include "lang/language_dialog.h"
#include "widgets/report_list.h"
#include "wizard/wizard_sheet.h"

namespace aerowisp {
namespace {

constexpr wchar_t kSecurityType[] = L"WPA2-Personal";

// The device takes three tenths, the connection the rest; no grid lines, unlike the content pages' lists.
const ReportColumn kConnectionColumns[] = {{kDeviceNameColumn, LVCFMT_LEFT, 3},
                                           {kNetworkNameColumn, LVCFMT_CENTER, 0}};

bool IsColourRequest(UINT message) {
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

}  // namespace

// ---- CWizardPage ----

BOOL CWizardPage::OnInitDialog() {
    ApplyLanguageToDialog(Handle(), sheet_.Language());
    return TRUE;
}

void CWizardPage::OnSetActive() {
    SetWizardButtons(WizardSession::ButtonsOn(page_));
}

WizardSession& CWizardPage::Session() const {
    return sheet_.Session();
}

LRESULT CWizardPage::Turn(const WizardTurn& turn) {
    if (turn.to)
        return CWizardSheet::TemplateOf(*turn.to);
    if (turn.message)
        ShowUserMessage(Handle(), DisplayText(sheet_.Language().TextFromKey(*turn.message)));
    if (turn.focusControl != 0)
        Send(WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(static_cast<int>(turn.focusControl))), TRUE);
    return kStayOnPage;
}

void CWizardPage::SetFont(int controlId, HFONT font) const {
    if (font != nullptr)
        ::SendMessageW(Item(controlId), WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

// The page and its texts let the sheet's banner and background show through.
bool CWizardPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!IsColourRequest(message))
        return false;
    const HWND control = reinterpret_cast<HWND>(lParam);
    const int id = message == WM_CTLCOLORDLG ? 0 : ::GetDlgCtrlID(control);
    const HBRUSH brush = message == WM_CTLCOLORDLG ? sheet_.HollowBrush() : ControlBrush(id);
    if (brush == nullptr)
        return false;
    ::SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    result = reinterpret_cast<LRESULT>(brush);
    return true;
}

HBRUSH CWizardPage::ControlBrush(int) const {
    return sheet_.HollowBrush();
}

// ---- CWizardOpModePage ----

CWizardOpModePage::CWizardOpModePage(CWizardSheet& sheet)
    : CWizardPage(sheet, IDD_WIZARD_OP_MODE, WizardPage::kOpMode) {}

BOOL CWizardOpModePage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    Parent().CreateHeadingFonts(Item(IDC_WIZ_WELCOME), Item(IDC_WIZ_INTRO));
    SetFont(IDC_WIZ_WELCOME, Parent().TitleFont());
    SetFont(IDC_WIZ_INTRO, Parent().TextFont());
    ::CheckRadioButton(Handle(), IDC_WIZ_CREATE, IDC_WIZ_JOIN,
                       Session().Data().opMode == 1 ? IDC_WIZ_CREATE : IDC_WIZ_JOIN);
    return TRUE;
}

bool CWizardOpModePage::OnCommand(int id, int notifyCode, HWND) {
    if (notifyCode != BN_CLICKED || (id != IDC_WIZ_CREATE && id != IDC_WIZ_JOIN))
        return false;
    Session().Data().opMode = id == IDC_WIZ_CREATE ? 1 : 0;
    return true;
}

HBRUSH CWizardOpModePage::ControlBrush(int controlId) const {
    if (controlId == IDC_WIZ_CREATE || controlId == IDC_WIZ_JOIN)
        return Parent().FaceBrush();
    return Parent().HollowBrush();
}

// ---- CWizardAPSetPage ----

CWizardAPSetPage::CWizardAPSetPage(CWizardSheet& sheet)
    : CWizardPage(sheet, IDD_WIZARD_AP_SET, WizardPage::kApSet) {}

BOOL CWizardAPSetPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetFont(IDC_WIZ_NAME_PROMPT, Parent().TextFont());
    ::SendMessageW(Item(IDC_WIZ_SSID), EM_LIMITTEXT, kSsidMaxLength, 0);
    SetItemText(IDC_WIZ_SSID, fw::ToWide(Session().Data().ssid));
    SetItemText(IDC_WIZ_SECURITY, kSecurityType);
    ::SendMessageW(Item(IDC_WIZ_SECURITY_COMBO), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(kSecurityType));
    return TRUE;
}

LRESULT CWizardAPSetPage::OnWizardNext() {
    return Turn(Session().NextFromName(fw::FromWide(ItemText(IDC_WIZ_SSID))));
}

// A combo box's drop-down list asks for its colours as a window of its own, not by the combo's number;
// it keeps the default ones, or the page behind would show through its items.
bool CWizardAPSetPage::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (message == WM_CTLCOLORLISTBOX)
        return false;
    return CWizardPage::OnMessage(message, wParam, lParam, result);
}

// The boxes the user reads or types in keep their own colours.
HBRUSH CWizardAPSetPage::ControlBrush(int controlId) const {
    if (controlId == IDC_WIZ_SSID || controlId == IDC_WIZ_SECURITY_COMBO || controlId == IDC_WIZ_SECURITY)
        return nullptr;
    return Parent().HollowBrush();
}

// ---- CWizardAPSecurityPage ----

CWizardAPSecurityPage::CWizardAPSecurityPage(CWizardSheet& sheet)
    : CWizardPage(sheet, IDD_WIZARD_AP_SECURITY, WizardPage::kApSecurity) {}

BOOL CWizardAPSecurityPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetFont(IDC_WIZ_KEY_PROMPT, Parent().TextFont());
    for (int box : {IDC_WIZ_KEY, IDC_WIZ_CONFIRM}) {
        ::SendMessageW(Item(box), EM_LIMITTEXT, kKeyMaxLength, 0);
        SetItemText(box, fw::ToWide(Session().Data().key));
    }
    return TRUE;
}

LRESULT CWizardAPSecurityPage::OnWizardNext() {
    return Turn(
        Session().NextFromKey(fw::FromWide(ItemText(IDC_WIZ_KEY)), fw::FromWide(ItemText(IDC_WIZ_CONFIRM))));
}

HBRUSH CWizardAPSecurityPage::ControlBrush(int controlId) const {
    if (controlId == IDC_WIZ_KEY || controlId == IDC_WIZ_CONFIRM)
        return nullptr;
    return Parent().HollowBrush();
}

// ---- CWizardICS ----

CWizardICS::CWizardICS(CWizardSheet& sheet) : CWizardPage(sheet, IDD_WIZARD_ICS, WizardPage::kIcs) {}

BOOL CWizardICS::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetFont(IDC_WIZ_ICS_TITLE, Parent().TitleFont());
    SetFont(IDC_WIZ_ICS_PROMPT, Parent().TextFont());
    SetUpReportList(Item(IDC_WIZ_CONNECTIONS), kConnectionColumns, Parent().Language(), LVS_EX_FULLROWSELECT);
    return TRUE;
}

void CWizardICS::OnSetActive() {
    CWizardPage::OnSetActive();
    const HWND list = Item(IDC_WIZ_CONNECTIONS);
    ListView_DeleteAllItems(list);
    const ConnectionListFill fill = Session().Connections();
    for (size_t i = 0; i < fill.rows.size(); ++i)
        InsertReportRow(list, static_cast<int>(i), {fill.rows[i].deviceName, fill.rows[i].networkName});
    if (!fill.rows.empty())
        ListView_SetItemState(list, static_cast<int>(fill.selected), LVIS_SELECTED, LVIS_SELECTED);
}

LRESULT CWizardICS::OnWizardNext() {
    const HWND list = Item(IDC_WIZ_CONNECTIONS);
    std::vector<ConnectionListRow> rows;
    const int count = ListView_GetItemCount(list);
    for (int i = 0; i < count; ++i)
        rows.push_back({ReportText(list, i, 0), ReportText(list, i, 1)});
    const int selected = ListView_GetNextItem(list, -1, LVNI_SELECTED);
    return Turn(Session().NextFromConnection(
        rows, selected >= 0 ? std::optional<size_t>(static_cast<size_t>(selected)) : std::nullopt));
}

// ---- CWizardFinishPage ----

CWizardFinishPage::CWizardFinishPage(CWizardSheet& sheet)
    : CWizardPage(sheet, IDD_WIZARD_FINISH, WizardPage::kFinish),
      m_brushWindow(::GetSysColorBrush(COLOR_WINDOW)) {}

BOOL CWizardFinishPage::OnInitDialog() {
    CWizardPage::OnInitDialog();
    SetFont(IDC_WIZ_DONE_TITLE, Parent().TitleFont());
    SetFont(IDC_WIZ_DONE_TEXT, Parent().TextFont());
    SetFont(IDC_WIZ_SUMMARY, Parent().TextFont());
    return TRUE;
}

// Cancel stays disabled from here on: Finish is the way out, or the close box, which cancels.
void CWizardFinishPage::OnSetActive() {
    CWizardPage::OnSetActive();
    ::EnableWindow(::GetDlgItem(Sheet(), IDCANCEL), FALSE);
    const std::u16string joinHint = Parent().Language().TextFromKey(kWizardJoinHint);
    SetItemText(IDC_WIZ_SUMMARY, fw::ToWide(Session().Summary(joinHint)));
    ::SetFocus(Item(IDC_WIZ_SUMMARY));
    ::InvalidateRect(Handle(), nullptr, TRUE);
    ::UpdateWindow(Handle());
}

HBRUSH CWizardFinishPage::ControlBrush(int controlId) const {
    return controlId == IDC_WIZ_SUMMARY ? m_brushWindow : Parent().HollowBrush();
}

}  // namespace aerowisp
