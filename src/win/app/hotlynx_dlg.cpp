// The main window's initialisation and message handling.
#include "app/hotlynx_dlg.h"

#include <dbt.h>

#include <algorithm>
#include <iterator>
#include <span>
#include <utility>

#include "app/platform_services.h"
#include "app/user_message.h"
#include "core/app/device_broadcast.h"
#include "core/resource.h"
#include "core/app/tray_control.h"
#include "core/app/startup.h"
#include "core/lang/language_choice.h"
#include "fw/module_resources.h"
#include "fw/wide_text.h"
#include "hostednet/easy_ap_setting.h"
#include "hostednet/sel_card_dlg.h"
#include "lang/language_dialog.h"
#include "native/program_folder.h"
#include "native/windows_version.h"

namespace aerowisp {
namespace {

// What DoModal returns when the main window refused to come up, as a failed creation does.
constexpr INT_PTR kCreationRefused = -1;

constexpr WPARAM kSysCommandMask = 0xFFF0;
// The window's own messages, each its own number.
enum : UINT {
    // Posted after each slow call: handled in the message loop, it ends the transaction.
    kTransactionCheckMessage = WM_APP + 1,
    // A parsed request of the command line's pipe; lParam carries its job.
    kControlRequestMessage,
};

// The record of the network adapters' device interface class: the filter of the window's registration,
// and what a simulated arrival or removal carries.
DEV_BROADCAST_DEVICEINTERFACE_W NetworkInterfaceRecord() {
    DEV_BROADCAST_DEVICEINTERFACE_W record{};
    record.dbcc_size = sizeof(record);
    record.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    record.dbcc_classguid = {
        kNetworkInterfaceClass.data1, kNetworkInterfaceClass.data2, kNetworkInterfaceClass.data3, {}};
    std::copy(kNetworkInterfaceClass.data4.begin(), kNetworkInterfaceClass.data4.end(),
              std::begin(record.dbcc_classguid.Data4));
    return record;
}

constexpr ContentPage kContentPages[] = {ContentPage::kLinkStatus, ContentPage::kApConfig,
                                         ContentPage::kAssociationList, ContentPage::kIcs,
                                         ContentPage::kAbout};

// The page buttons and the radio button show the hand cursor.
bool HasHandCursor(int controlId) {
    return controlId >= IDC_LINK_STATUS_BUTTON && controlId <= IDC_RADIO_BUTTON;
}

}  // namespace

CHotlynxDlg::CHotlynxDlg(PlatformServices& platform, bool startHidden)
    : fw::Dialog(IDD_AEROWISP_DIALOG),
      m_platform(platform),
      m_trayIcon([this] { RunSetupWizard(); }, [this] { return m_wizardSheet && m_wizardSheet->Close(); }),
      m_startHidden(startHidden),
      m_aboutPage(platform.Browser()) {}

CHotlynxDlg::~CHotlynxDlg() {
    m_platform.BlockingCalls().ObserveCalls(nullptr, nullptr);
    m_platform.DetachWindowTimers();
    m_platform.DetachWindow();
}

// ---- MainView ----

void CHotlynxDlg::ShowPage(ContentPage page) {
    CAppProPage* next = CreatedPage(page);
    if (next == nullptr || next == m_currentPage)
        return;
    if (m_currentPage != nullptr) {
        m_currentPage->OnPageLeave();
        m_currentPage->Show(SW_HIDE);
    }
    next->Show(SW_SHOW);
    ::SetFocus(next->Handle());
    m_currentPage = next;
    m_currentPage->OnPageEnter();
    m_currentPage->OnPageRefresh();
}

void CHotlynxDlg::ApplyControlLook(const ControlLook& look) {
    if (look.controlId == IDC_MODE_PICTURE) {
        if (m_modePicture.Handle() == nullptr)
            return;
        if (look.setsIcon)
            m_modePicture.SetIcon(look.iconId, look.tooltipStringId);
    } else {
        CHoverButton* button = HoverButton(look.controlId);
        if (button == nullptr || button->Handle() == nullptr)
            return;
        if (look.setsIcon) {
            button->SetIcon(look.iconId, look.disabledIconId);
            const std::u16string text =
                look.tooltipKey != nullptr ? m_model->Texts().LoadLanguageString(look.tooltipKey) : u"";
            if (!text.empty()) {
                button->SetTooltipText(DisplayText(text));
            } else {
                button->SetTooltipText(look.tooltipStringId);
            }
        }
    }
    if (look.state != ControlState::kUnchanged)
        EnableButton(look.controlId, look.state == ControlState::kEnabled);
    if (look.repaint)
        ::InvalidateRect(Item(static_cast<int>(look.controlId)), nullptr, TRUE);
}

void CHotlynxDlg::EnableButton(uint32_t controlId, bool enable) {
    if (CHoverButton* button = HoverButton(controlId); button != nullptr && button->Handle() != nullptr) {
        button->EnableButton(enable);
    } else if (controlId == IDC_MODE_PICTURE && m_modePicture.Handle() != nullptr) {
        ::EnableWindow(m_modePicture.Handle(), enable ? TRUE : FALSE);
    }
}

void CHotlynxDlg::SetButtonFaces(uint32_t controlId, const ButtonFaces& faces) {
    CHoverButton* button = HoverButton(controlId);
    if (button == nullptr || button->Handle() == nullptr)
        return;
    button->LoadBitmaps(faces.normal, faces.pressed, faces.hover, faces.disabled);
    button->SizeToContent();
}

void CHotlynxDlg::FrameModePicture() {
    if (m_modePicture.Handle() != nullptr)
        m_modePicture.UseClientRectAsFrame();
}

void CHotlynxDlg::HideToTray() {
    ::EnableWindow(Handle(), TRUE);
    ::SetActiveWindow(nullptr);
    Show(SW_HIDE);
}

// A request of the command line cannot ask the user: it is answered as cancelled, and the reply says why.
ApSettingsAnswer CHotlynxDlg::RunExtendedApSettingsDialog() {
    if (m_controlCapture.active) {
        m_controlCapture.dialogDeclined = true;
        return {};
    }
    const CloseDeferral deferral(*this);
    CEasyAPSetting dialog(m_model->Texts(), m_platform.CodePage());
    return dialog.Ask(Handle());
}

std::optional<size_t> CHotlynxDlg::RunSelectCardDialog(const std::vector<std::u16string>& descriptions) {
    const CloseDeferral deferral(*this);
    CSelCardDlg dialog(m_model->Texts());
    return dialog.Ask(Handle(), descriptions);
}

CHotlynxDlg::CloseDeferral::CloseDeferral(CHotlynxDlg& window) : m_window(window) {
    ++m_window.m_closeDeferrals;
}

// The close comes back as a posted message, after the handler that ran the start-up, dialog or
// transaction; a window already destroyed (a transaction of the close clean-up itself) takes none.
CHotlynxDlg::CloseDeferral::~CloseDeferral() {
    if (--m_window.m_closeDeferrals == 0 && m_window.m_closeDeferred && m_window.Handle() != nullptr) {
        m_window.m_closeDeferred = false;
        m_window.Post(WM_CLOSE);
    }
}

void CHotlynxDlg::FillApConfigPage(const std::u16string& ssid, const std::u16string& key) {
    if (m_apConfigPage.IsCreated())
        m_apConfigPage.FillApConfigPage(ssid, key);
}

void CHotlynxDlg::SetApConfigBssid(const std::u16string& bssid) {
    if (m_apConfigPage.IsCreated())
        m_apConfigPage.SetBssid(bssid);
}

// The timer runs on the page's window, hidden or not: a page whose timer starts is made.
void CHotlynxDlg::RestartPageTimer(ContentPage page, uint32_t timerId, uint32_t periodMs) {
    if (CAppProPage* content = CreatedPage(page); content != nullptr)
        content->RestartPageTimer(timerId, periodMs);
}

void CHotlynxDlg::KillPageTimer(ContentPage page) {
    if (CAppProPage* content = Page(page); content->IsCreated())
        content->KillPageTimer();
}

void CHotlynxDlg::ShowLinkStatus(const LinkStatusFigures& figures) {
    if (m_linkStatusPage.IsCreated())
        m_linkStatusPage.ShowLinkStatus(figures);
}

void CHotlynxDlg::ShowAssociationList(const std::vector<AssociationRow>& rows) {
    if (m_assocTblPage.IsCreated())
        m_assocTblPage.ShowRows(rows);
}

void CHotlynxDlg::ClearAssociationList() {
    if (m_assocTblPage.IsCreated())
        m_assocTblPage.ClearList();
}

void CHotlynxDlg::FillConnectionList(const ConnectionListFill& fill) {
    if (m_icsPage.IsCreated())
        m_icsPage.FillConnectionList(fill);
}

void CHotlynxDlg::ShowPleaseWait(const std::u16string& text) {
    if (!m_pleaseWait) {
        m_pleaseWait = std::make_unique<CMsgDialog>();
        if (!m_pleaseWait->Create(Handle())) {
            m_pleaseWait.reset();
            return;
        }
    }
    m_pleaseWait->ShowMessage(fw::ToWide(text));
}

void CHotlynxDlg::ClosePleaseWait() {
    m_pleaseWait.reset();
}

void CHotlynxDlg::ApplyLanguageToWindow() {
    ApplyLanguageToDialog(Handle(), m_model->Texts());
}

// A page not made yet gets the figures when it is.
void CHotlynxDlg::RefreshVersionInfo(const std::u16string& cardDescription) {
    if (m_aboutPage.IsCreated()) {
        m_aboutPage.RefreshVersionInfo(cardDescription);
    } else {
        m_pendingCardDescription = cardDescription;
    }
}

void CHotlynxDlg::ShowMessage(const std::u16string& text) {
    m_events->OnMessage(m_controlCapture.active);
    if (m_controlCapture.active) {
        m_controlCapture.NoteMessage(std::u16string(WithoutLineEnd(text)));
        return;
    }
    ShowUserMessage(Handle(), fw::ToWide(WithoutLineEnd(text)));
}

void CHotlynxDlg::RemoveTrayIcon() {
    m_trayIcon.RemoveTrayIcon();
}

// A close asked for while the wizard shows (the tray's Exit) runs once the wizard's result is applied
// or undone, so the clean-up sees the state the wizard left.
void CHotlynxDlg::RunSetupWizard() {
    const CloseDeferral deferral(*this);
    m_model->RunSetupWizard(*m_wizardSheet);
}

// ---- Start and end ----

BOOL CHotlynxDlg::OnInitDialog() {
    // On an unsupported system the program ends here, with nothing written and no tray icon.
    if (!IsOperatingSystemSupported()) {
        RefuseOperatingSystem();
        return TRUE;
    }
    m_taskbarCreatedMessage = ::RegisterWindowMessageW(fw::ToWide(kTaskbarCreatedMessage).c_str());
    // The program runs elevated, and Explorer does not: without this, User Interface Privilege
    // Isolation drops the broadcast after an Explorer restart and the icon is lost.
    ::ChangeWindowMessageFilterEx(Handle(), m_taskbarCreatedMessage, MSGFLT_ALLOW, nullptr);
    m_machineEventMessage = ::RegisterWindowMessageW(kMachineEventMessage);
    m_platform.BlockingCalls().ObserveCalls([this] { BeginTransaction(); },
                                            [this] { Post(kTransactionCheckMessage); });
    m_windowTimers.emplace(Handle());
    m_retryPolicy.emplace(kPlatformAttempts, TraceFailedAttempts(m_platform.Processes()));
    m_retryingPorts.emplace(ModelPorts{m_platform.Wlan(), m_platform.Settings(), m_platform.CodePage(),
                                       m_platform.AttachWindowTimers(*m_windowTimers), m_platform.Processes(),
                                       m_platform.SharingManager(), m_platform.Adapters(), m_platform.Files(),
                                       m_platform.Services(), m_platform.FirewallRules(), *m_retryPolicy});
    m_trayIcon.Attach(Handle());
    const AttachedWindow attached = m_platform.AttachWindow(m_trayIcon);
    m_tray = &attached.tray;
    m_events = &attached.events;
    m_model = std::make_unique<MainWindowModel>(m_retryingPorts->Ports(), *this, *m_tray);
    m_wizardSheet.emplace(m_model->Texts());
    if (m_startHidden)
        m_model->RequestStartHidden();
    DoDataExchange();
    SetText(fw::ToWide(kMainWindowTitle));
    AddAboutItemToSystemMenu();
    m_hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME));
    Send(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    Send(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    m_background = fw::RunLengthPicture::FromResource(IDB_BACKGROUND);
    {
        const CloseDeferral deferral(*this);
        m_model->OnInitDialog(ProgramFolder());
    }
    RegisterDeviceNotifications();
    m_controlServer = std::make_unique<ControlPipeServer>(Handle(), kControlRequestMessage);
    if (!m_controlServer->Start())
        m_controlServer.reset();
    return TRUE;
}

bool CHotlynxDlg::IsOperatingSystemSupported() {
    return IsSupportedWindowsVersion(ReadWindowsVersionValues());
}

// The model, and with it the language chosen at initialisation, does not exist yet: the texts are looked
// up as every lookup before that choice is.
void CHotlynxDlg::RefuseOperatingSystem() {
    const LanguageTexts texts(m_platform.Files(), m_platform.CodePage());
    ShowUserMessage(Handle(), LanguageTextOr(texts, kUnsupportedSystemMessage));
    EndDialog(kCreationRefused);
}

// Binds the picture buttons and the mode picture, in the order of their members.
void CHotlynxDlg::DoDataExchange() {
    m_btnLinkStatus.SubclassDlgItem(IDC_LINK_STATUS_BUTTON, Handle());
    m_btnAssocList.SubclassDlgItem(IDC_ASSOC_LIST_BUTTON, Handle());
    m_btnAdvanced.SubclassDlgItem(IDC_ADVANCED_BUTTON, Handle());
    m_btnIcs.SubclassDlgItem(IDC_ICS_BUTTON, Handle());
    m_btnRadio.SubclassDlgItem(IDC_RADIO_BUTTON, Handle());
    m_btnStaAp.SubclassDlgItem(IDC_STA_AP_BUTTON, Handle());
    m_btnMode.SubclassDlgItem(IDC_MODE_BUTTON, Handle());
    m_modePicture.SubclassDlgItem(IDC_MODE_PICTURE, Handle());
}

// A missing string leaves the system menu as it is.
void CHotlynxDlg::AddAboutItemToSystemMenu() {
    HMENU menu = ::GetSystemMenu(Handle(), FALSE);
    if (menu == nullptr)
        return;
    const std::wstring text = fw::LoadResourceString(IDS_ABOUTBOX);
    if (text.empty())
        return;
    ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text.c_str());
}

// The pages' timer ticks and buttons go to the model's page requests. Each page's window is made the first
// time it is shown or its timer starts: most starts show one page, and making the other four as well took
// more time than all the rest of the window's initialisation.
void CHotlynxDlg::CreateContentPages() {
    for (ContentPage page : kContentPages)
        Page(page)->UseRequests(&m_model->Pages());
    m_pagesAllowed = true;
}

// Each page is a child dialog over the placeholder; its window carries its template number as its
// control identifier, so tools outside the program can tell which page is shown.
CAppProPage* CHotlynxDlg::CreatedPage(ContentPage page) {
    CAppProPage* content = Page(page);
    if (content == nullptr || content->IsCreated())
        return content;
    if (!m_pagesAllowed || !content->Create(Handle()))
        return nullptr;
    ::SetWindowLongPtrW(content->Handle(), GWLP_ID, content->TemplateId());
    PlacePage(*content);
    if (content == &m_aboutPage && m_pendingCardDescription) {
        m_aboutPage.RefreshVersionInfo(*m_pendingCardDescription);
        m_pendingCardDescription.reset();
    }
    return content;
}

// The placeholder's screen rectangle, in client coordinates, so the page covers it exactly.
void CHotlynxDlg::PlacePage(CAppProPage& page) {
    RECT area{};
    ::GetWindowRect(Item(IDC_PAGE_PLACEHOLDER), &area);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    ::SetWindowPos(page.Handle(), nullptr, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

// Arrivals and removals of network adapters.
void CHotlynxDlg::RegisterDeviceNotifications() {
    DEV_BROADCAST_DEVICEINTERFACE_W filter = NetworkInterfaceRecord();
    m_deviceNotification.Reset(::RegisterDeviceNotificationW(Handle(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
}

CHoverButton* CHotlynxDlg::HoverButton(uint32_t controlId) {
    switch (controlId) {
        case IDC_LINK_STATUS_BUTTON:
            return &m_btnLinkStatus;
        case IDC_ASSOC_LIST_BUTTON:
            return &m_btnAssocList;
        case IDC_ADVANCED_BUTTON:
            return &m_btnAdvanced;
        case IDC_ICS_BUTTON:
            return &m_btnIcs;
        case IDC_RADIO_BUTTON:
            return &m_btnRadio;
        case IDC_STA_AP_BUTTON:
            return &m_btnStaAp;
        case IDC_MODE_BUTTON:
            return &m_btnMode;
        default:
            return nullptr;
    }
}

CAppProPage* CHotlynxDlg::Page(ContentPage page) {
    switch (page) {
        case ContentPage::kLinkStatus:
            return &m_linkStatusPage;
        case ContentPage::kApConfig:
            return &m_apConfigPage;
        case ContentPage::kAssociationList:
            return &m_assocTblPage;
        case ContentPage::kIcs:
            return &m_icsPage;
        case ContentPage::kAbout:
            return &m_aboutPage;
    }
    return nullptr;
}

// The clean-up comes before the modal run ends; the mode stays stored for the next start.
void CHotlynxDlg::OnClose() {
    m_model->OnClose();
    m_controlServer.reset();
    EndDialog(IDCANCEL);
}

// The record is read by its own size field; what lies behind the header is checked by the core.
void CHotlynxDlg::OnDeviceChange(WPARAM event, LPARAM record) {
    std::span<const uint8_t> bytes;
    if (const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(record); header != nullptr) {
        const size_t size = std::max<size_t>(header->dbch_size, sizeof(DEV_BROADCAST_HDR));
        bytes = {reinterpret_cast<const uint8_t*>(header), size};
    }
    m_model->OnDeviceChange(static_cast<uint32_t>(event), bytes);
}

// The window hears of a simulated event through the very messages the real one would send.
void CHotlynxDlg::OnMachineEvent(WPARAM event) {
    const auto machineEvent = static_cast<MachineEvent>(event);
    if (!m_events->RaiseMachineEvent(machineEvent))
        return;
    DEV_BROADCAST_DEVICEINTERFACE_W record = NetworkInterfaceRecord();
    switch (machineEvent) {
        case MachineEvent::kCardRemoved:
            Send(WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(&record));
            break;
        case MachineEvent::kCardInserted:
            Send(WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&record));
            break;
        case MachineEvent::kSuspend:
            Send(WM_POWERBROADCAST, PBT_APMSUSPEND);
            break;
        case MachineEvent::kResume:
            Send(WM_POWERBROADCAST, PBT_APMRESUMEAUTOMATIC);
            break;
        case MachineEvent::kStationJoined:
        case MachineEvent::kStationLeft:
            break;  // the association list sees them at its next refresh, as it would on a real machine
    }
}

// A request that arrives after the close clean-up finds no server (and no thread waiting for the
// answer) and is not carried out; one that arrives inside a transaction is answered as busy.
void CHotlynxDlg::OnControlRequest(LPARAM carried) {
    const std::shared_ptr<ControlJob> job = ControlPipeServer::TakeControlJob(carried);
    if (!job || !m_controlServer)
        return;
    if (m_transaction) {
        ControlPipeServer::Finish(*job, BusyControlReply(m_model->Texts()));
        return;
    }
    m_events->OnControlRequest(control::CommandName(job->command));
    ControlPipeServer::Finish(*job, RunControlCommand(*m_model, m_controlCapture, job->command));
}

// ---- Painting ----

// Minimised, the window shows its icon centred; otherwise the default painting.
bool CHotlynxDlg::OnPaint() {
    if (!::IsIconic(Handle()))
        return false;
    const fw::PaintDC dc(Handle());
    Send(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc.Get()));
    RECT client{};
    ::GetClientRect(Handle(), &client);
    const int x = (client.right - client.left - ::GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (client.bottom - client.top - ::GetSystemMetrics(SM_CYICON) + 1) / 2;
    ::DrawIcon(dc.Get(), x, y, m_hIcon);
    return true;
}

// The dialog's own ground first, then the background picture stretched over the whole client area.
void CHotlynxDlg::OnEraseBkgnd(HDC dc) {
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::FillRect(dc, &client, ::GetSysColorBrush(COLOR_3DFACE));
    m_background.Draw(dc, client);
}

bool CHotlynxDlg::OnSetCursor(HWND window) {
    if (window == nullptr || ::GetParent(window) != Handle() || !HasHandCursor(::GetDlgCtrlID(window)))
        return false;
    ::SetCursor(::LoadCursorW(nullptr, IDC_HAND));
    return true;
}

// ---- Messages ----

bool CHotlynxDlg::OnCommand(int id, int notifyCode, HWND) {
    // Nothing runs before the model exists, nor after the window refused to come up, nor inside a
    // transaction.
    if (!m_model || m_transaction)
        return true;
    const bool clicked = notifyCode == BN_CLICKED;
    switch (id) {
        case IDOK:  // Enter never ends the program
            return true;
        case IDCANCEL:  // Esc does what the close box does
            m_model->OnCloseBox();
            return true;
        case IDC_LINK_STATUS_BUTTON:
            if (clicked)
                m_model->OnLinkStatusButton();
            return true;
        case IDC_ASSOC_LIST_BUTTON:
            if (clicked)
                m_model->OnAssocListButton();
            return true;
        case IDC_ICS_BUTTON:
            if (clicked)
                m_model->OnIcsButton();
            return true;
        case IDC_RADIO_BUTTON:
            if (clicked)
                m_model->OnRadioButton();
            return true;
        case IDC_MODE_BUTTON:
            if (clicked)
                m_model->OnModeButton();
            return true;
        default:
            return m_model->OnTrayCommand(static_cast<uint32_t>(id));
    }
}

void CHotlynxDlg::BeginTransaction() {
    if (m_transaction)
        return;
    m_transaction.emplace(*this);
    m_enabledBeforeTransaction = ::IsWindowEnabled(Handle()) != FALSE;
    ::EnableWindow(Handle(), FALSE);
}

// A check handled inside a later call's wait changes nothing. The deferred commands are posted before the
// transaction's close deferral ends, so a close held during it comes after them.
void CHotlynxDlg::OnTransactionCheck() {
    if (!m_transaction || m_platform.BlockingCalls().Busy())
        return;
    if (m_enabledBeforeTransaction)
        ::EnableWindow(Handle(), TRUE);
    for (const WPARAM command : std::exchange(m_deferredCommands, {}))
        Post(WM_COMMAND, command);
    m_transaction.reset();
}

// What would run the model again inside a transaction: notifications from the tray, the system menu and
// the machine are dropped (the user can give them again); a menu command or one posted from outside, and
// a close, wait for the transaction's end, in order. A command line's request is let through: its own
// handler answers it as busy.
bool CHotlynxDlg::HeldDuringTransaction(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!m_transaction)
        return false;
    const bool runsModel =
        message == WM_TRAY_NOTIFY || message == WM_DEVICECHANGE || message == WM_POWERBROADCAST ||
        message == WM_TIMER || (message == m_machineEventMessage && message != 0) ||
        (message == m_taskbarCreatedMessage && message != 0) ||
        (message == WM_SYSCOMMAND &&
         ((wParam & kSysCommandMask) == IDM_ABOUTBOX || (wParam & kSysCommandMask) == SC_CLOSE));
    if (message == WM_COMMAND && lParam == 0) {
        m_deferredCommands.push_back(wParam);
    } else if (message == WM_CLOSE) {
        m_closeDeferred = true;
    } else if (!runsModel) {
        return false;
    }
    result = message == WM_POWERBROADCAST ? TRUE : 0;
    return true;
}

bool CHotlynxDlg::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) {
    if (!m_model)
        return false;
    if (message == kTransactionCheckMessage) {
        OnTransactionCheck();
        result = 0;
        return true;
    }
    if (HeldDuringTransaction(message, wParam, lParam, result))
        return true;
    if (message == m_taskbarCreatedMessage && message != 0) {
        m_model->OnTaskbarCreated();
        result = 0;
        return true;
    }
    if (message == m_machineEventMessage && message != 0) {
        OnMachineEvent(wParam);
        result = 0;
        return true;
    }
    switch (message) {
        case kControlRequestMessage:
            OnControlRequest(lParam);
            result = 0;
            return true;
        case WM_TRAY_NOTIFY:
            m_model->OnTrayNotify(static_cast<uint32_t>(lParam));
            result = 1;
            return true;
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            result = 0;
            return true;
        case WM_POWERBROADCAST:
            m_model->OnPowerBroadcast(static_cast<uint32_t>(wParam));
            return false;
        case WM_NCPAINT:
            // Inside a transaction the frame is painted, and the start-up's hiding waits.
            if (m_transaction || !m_model->OnNcPaint())
                return false;
            Show(SW_HIDE);
            result = 0;
            return true;
        case WM_SHOWWINDOW:
            if (wParam != FALSE && !m_shownNoted) {
                m_shownNoted = true;
                m_events->OnFirstShown();
            }
            return false;
        case WM_SYSCOMMAND:
            switch (wParam & kSysCommandMask) {
                case IDM_ABOUTBOX:
                    m_model->OnAboutCommand();
                    break;
                case SC_CLOSE:
                    m_model->OnCloseBox();
                    break;
                default:
                    return false;
            }
            result = 0;
            return true;
        case WM_PAINT:
            if (!OnPaint())
                return false;
            result = 0;
            return true;
        case WM_QUERYDRAGICON:
            result = reinterpret_cast<LRESULT>(m_hIcon);
            return true;
        case WM_ERASEBKGND:
            OnEraseBkgnd(reinterpret_cast<HDC>(wParam));
            result = TRUE;
            return true;
        case WM_SETCURSOR:
            if (!OnSetCursor(reinterpret_cast<HWND>(wParam)))
                return false;
            result = TRUE;
            return true;
        case WM_CLOSE:
            if (m_closeDeferrals > 0) {
                m_closeDeferred = true;
                // A close from outside while the wizard shows ends the wizard as cancelled first.
                m_tray->CloseSetupWizard();
            } else {
                OnClose();
            }
            result = 0;
            return true;
        case WM_TIMER:
            m_model->OnTimer(wParam);
            result = 0;
            return true;
        default:
            return false;
    }
}

}  // namespace aerowisp
