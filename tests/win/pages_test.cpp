// The content pages on their templates: what the refreshes put into the controls, the page timer's ticks
// reaching the page requests, and the AP configuration page's Apply button.
#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "core/resource.h"
#include "core/support/memory_file_reader.h"
#include "hostednet/ap_config_page.h"
#include "fw/gdi.h"
#include "hostednet/assoc_tbl_page.h"
#include "hostednet/link_status_page.h"
#include "ics/ics_page.h"
#include "native/native_code_page.h"
#include "support/fake_page_requests.h"
#include "support/modal_dialog.h"
#include "support/test_window.h"
#include "widgets/report_list.h"

namespace aerowisp {
namespace {

constexpr char16_t kLanguageFilePath[] = u"Language\\CHS.txt";

// The pages on a top-level window of the test, as the main window holds them, with a language file whose
// texts replace some of the templates'.
struct Pages {
    explicit Pages(const std::string& moreLines = "") {
        files.SetFile(
            kLanguageFilePath,
            "1023=State :\r\n1038=Send (Mbps)\r\nString20=Bad name\r\nString51=MAC\r\n" + moreLines);
        for (CAppProPage* page :
             std::initializer_list<CAppProPage*>{&linkStatus, &apConfig, &assocTbl, &ics}) {
            page->UseRequests(&requests);
            page->Create(host.Handle());
        }
    }
    std::wstring Text(const fw::Window& page, int id) const { return page.ItemText(id); }
    bool Enabled(const fw::Window& page, int id) const { return ::IsWindowEnabled(page.Item(id)) != FALSE; }

    test::TestWindow host{L"Pages test"};
    test::MemoryFileReader files;
    NativeAnsiCodePage codePage;
    const std::u16string path = kLanguageFilePath;
    const LanguageTexts language{files, codePage, path};
    test::FakePageRequests requests{language};
    CLinkStatusPage linkStatus;
    CAPConfigPage apConfig;
    CAssocTblPage assocTbl;
    CICSPage ics;
};

TEST(LinkStatusPage, ShowsTheRefreshInItsControlsUnderTheLanguagesLabels) {
    Pages pages;
    const LinkStatusFigures figures{u"Connected",      u"HomeNet",        u"6",    u"00-24-01-5A-3C-7E",
                                    u"Infrastructure", u"RSNA-PSK",       u"CCMP", u"144 Mbps",
                                    u"130 Mbps",       u"excellent : 90", 90};
    pages.linkStatus.ShowLinkStatus(figures);
    const struct {
        int id;
        const wchar_t* text;
    } expected[] = {{IDC_LS_STATUS_LABEL, L"State :"},
                    {IDC_LS_TX_LABEL, L"Send (Mbps)"},
                    {IDC_LS_RX_LABEL, L"Rx (Mbps)"},
                    {IDC_LS_STATUS, L"Connected"},
                    {IDC_LS_SSID, L"HomeNet"},
                    {IDC_LS_CHANNEL, L"6"},
                    {IDC_LS_BSSID, L"00-24-01-5A-3C-7E"},
                    {IDC_LS_NETWORK_TYPE, L"Infrastructure"},
                    {IDC_LS_AUTH, L"RSNA-PSK"},
                    {IDC_LS_ENCRYPTION, L"CCMP"},
                    {IDC_LS_TX_RATE, L"144 Mbps"},
                    {IDC_LS_RX_RATE, L"130 Mbps"},
                    {IDC_LS_SIGNAL, L"excellent : 90"}};
    for (const auto& control : expected)
        EXPECT_EQ(pages.Text(pages.linkStatus, control.id), control.text) << control.id;
    EXPECT_EQ(::SendMessageW(pages.linkStatus.Item(IDC_LS_SIGNAL_BAR), PBM_GETPOS, 0, 0), 90);
}

TEST(PageTimer, TicksReachTheRequestsUntilKilled) {
    Pages pages;
    pages.linkStatus.RestartPageTimer(IDT_LINK_STATUS_REFRESH, 10);
    pages.linkStatus.RestartPageTimer(IDT_LINK_STATUS_REFRESH, 10);
    EXPECT_TRUE(test::PumpUntil([&] { return pages.requests.ticks.size() >= 2; }, 2000));
    pages.linkStatus.KillPageTimer();
    pages.requests.ticks.clear();
    test::PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(pages.requests.ticks.empty());
    pages.linkStatus.Send(WM_TIMER, IDT_ASSOC_LIST_REFRESH);
    EXPECT_TRUE(pages.requests.ticks.empty()) << "another page's timer";
}

TEST(AssociationListPage, RowsReplacedOnEachRefreshAndEmptiedOnClear) {
    Pages pages;
    const HWND list = pages.assocTbl.Item(IDC_ASSOC_LIST);
    EXPECT_EQ(ListView_GetExtendedListViewStyle(list),
              LVS_EX_GRIDLINES | LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP);
    wchar_t heading[32] = L"";
    LVCOLUMNW column{};
    column.mask = LVCF_TEXT;
    column.pszText = heading;
    column.cchTextMax = 32;
    ListView_GetColumn(list, 1, &column);
    EXPECT_STREQ(heading, L"MAC");
    pages.assocTbl.ShowRows(
        {{u"1", u"8C-3A-E3-11-22-33", u"authenticated"}, {u"2", u"40-B0-FA-44-55-66", u"invalid"}});
    pages.assocTbl.ShowRows({{u"1", u"40-B0-FA-44-55-66", u"invalid", u"192.168.139.9", u"tablet"}});
    EXPECT_EQ(ListView_GetItemCount(list), 1);
    EXPECT_EQ(ReportText(list, 0, 0), u"1");
    EXPECT_EQ(ReportText(list, 0, 1), u"40-B0-FA-44-55-66");
    EXPECT_EQ(ReportText(list, 0, 2), u"invalid");
    EXPECT_EQ(ReportText(list, 0, 3), u"192.168.139.9");
    EXPECT_EQ(ReportText(list, 0, 4), u"tablet");
    pages.assocTbl.ClearList();
    EXPECT_EQ(ListView_GetItemCount(list), 0);
}

void PressApply(Pages& pages) {
    pages.apConfig.Send(WM_COMMAND, MAKEWPARAM(IDC_AP_APPLY, BN_CLICKED),
                        reinterpret_cast<LPARAM>(pages.apConfig.Item(IDC_AP_APPLY)));
}

// Presses Apply while a helper thread notes the text of the message box that comes up and closes it.
std::wstring PressApplyAndReadMessage(Pages& pages) {
    std::wstring message;
    std::thread helper([&] {
        HWND box = nullptr;
        if (!test::WaitUntil([&] { return (box = test::FindWindowOfThisProcess(L"Aerowisp")) != nullptr; }))
            return;
        for (const std::wstring& text : test::ChildTexts(box)) {
            if (text.size() > message.size())
                message = text;
        }
        ::PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    PressApply(pages);
    helper.join();
    return message;
}

TEST(ApConfigPage, TypingEnablesApplyWhichStaysEnabledUntilTheNetworkTakesTheInput) {
    struct Case {
        const char* label;
        ApConfigApplyResult answer;
        bool enabledAfter;
        const wchar_t* message;
    };
    const Case cases[] = {
        {"invalid SSID, told without the file's line end",
         {ApInputFault::kInvalidSsid, false},
         true,
         L"Bad name"},
        {"refused by the service, as the model has told", {ApInputFault::kNone, false}, true, L""},
        {"taken", {ApInputFault::kNone, true}, false, L""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Pages pages;
        pages.apConfig.FillApConfigPage(u"Duva AP", u"secret-key");
        pages.apConfig.SetBssid(u"02-1A-2B-3C-4D-5E");
        EXPECT_FALSE(pages.Enabled(pages.apConfig, IDC_AP_APPLY)) << "filling is not typing";
        EXPECT_EQ(pages.Text(pages.apConfig, IDC_AP_SSID), L"Duva AP");
        EXPECT_EQ(pages.Text(pages.apConfig, IDC_AP_CONFIRM), L"secret-key");
        ::SetDlgItemTextW(pages.apConfig.Handle(), IDC_AP_SSID, L"New AP");
        EXPECT_TRUE(pages.Enabled(pages.apConfig, IDC_AP_APPLY));
        pages.requests.answer = c.answer;
        if (c.message[0] == L'\0') {
            PressApply(pages);
        } else {
            EXPECT_EQ(PressApplyAndReadMessage(pages), c.message);
        }
        EXPECT_EQ(pages.requests.applied, std::vector<std::u16string>{u"New AP"});
        EXPECT_EQ(pages.Enabled(pages.apConfig, IDC_AP_APPLY), c.enabledAfter);
        EXPECT_EQ(pages.Text(pages.apConfig, IDC_AP_BSSID), L"02-1A-2B-3C-4D-5E");
    }
}

// Typing stops at the rules' limits.
TEST(ApConfigPage, BoxesTakeNoMoreThanTheRulesAllow) {
    Pages pages;
    const std::pair<int, int> limits[] = {{IDC_AP_SSID, 32}, {IDC_AP_KEY, 64}, {IDC_AP_CONFIRM, 64}};
    for (const auto& [id, limit] : limits)
        EXPECT_EQ(test::LengthTypedPast(pages.apConfig.Item(id), limit), limit) << id;
}

// What a helper thread saw after the QR code button: the window that came up (the join window or a
// message box), its texts, and the colours and finder run of the code as painted on screen.
struct JoinWindowSeen {
    std::vector<std::wstring> texts;
    std::set<COLORREF> colours;
    int finderRun = 0;        // the first dark run along the code's top finder row, in pixels
    std::wstring copyButton;  // after a press
    std::wstring clipboard;
};

JoinWindowSeen PressJoinCode(Pages& pages, const wchar_t* title) {
    JoinWindowSeen seen;
    std::thread helper([&] {
        HWND window = nullptr;
        if (!test::WaitUntil([&] { return (window = test::FindWindowOfThisProcess(title)) != nullptr; }))
            return;
        seen.texts = test::ChildTexts(window);
        if (HWND picture = ::GetDlgItem(window, IDC_JOIN_CODE_PICTURE)) {
            ::RedrawWindow(picture, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
            RECT area{};
            ::GetClientRect(picture, &area);
            const fw::ClientDC dc(picture);
            for (int y = 0; y < area.bottom; y += 2) {
                for (int x = 0; x < area.right; ++x)
                    seen.colours.insert(::GetPixel(dc.Get(), x, y));
            }
            // The diagonal meets the top-left finder first; its row holds the finder's 7-module top edge.
            int corner = 0;
            while (corner < area.right && ::GetPixel(dc.Get(), corner, corner) != RGB(0, 0, 0))
                ++corner;
            while (corner + seen.finderRun < area.right &&
                   ::GetPixel(dc.Get(), corner + seen.finderRun, corner) == RGB(0, 0, 0))
                ++seen.finderRun;
        }
        if (HWND copy = ::GetDlgItem(window, IDC_JOIN_CODE_COPY)) {
            ::SendMessageW(copy, BM_CLICK, 0, 0);
            seen.copyButton = fw::Window::TextOf(copy);
            if (::OpenClipboard(nullptr)) {
                if (HANDLE text = ::GetClipboardData(CF_UNICODETEXT)) {
                    seen.clipboard = static_cast<const wchar_t*>(::GlobalLock(text));
                    ::GlobalUnlock(text);
                }
                ::CloseClipboard();
            }
        }
        ::PostMessageW(window, WM_COMMAND, IDCANCEL, 0);
    });
    pages.apConfig.Send(WM_COMMAND, MAKEWPARAM(IDC_AP_JOIN_CODE, BN_CLICKED),
                        reinterpret_cast<LPARAM>(pages.apConfig.Item(IDC_AP_JOIN_CODE)));
    helper.join();
    return seen;
}

TEST(ApConfigPage, QrCodeButtonShowsTheStoredNetworkInWholeModulesOrSaysNoneIsStored) {
    Pages pages;
    const JoinWindowSeen none = PressJoinCode(pages, L"Aerowisp");
    EXPECT_NE(
        std::find(none.texts.begin(), none.texts.end(),
                  L"No network name and key are stored yet. Enter them on this page, then press Apply."),
        none.texts.end());

    pages.requests.joinCode = JoinCode{u"Duva AP", u"secret;key", WifiJoinPayload(u"Duva AP", u"secret;key")};
    const JoinWindowSeen shown = PressJoinCode(pages, L"Join by QR Code");
    for (const wchar_t* text :
         {L"Duva AP", L"secret;key", L"Scan this code with a phone's camera to join the network."})
        EXPECT_NE(std::find(shown.texts.begin(), shown.texts.end(), text), shown.texts.end()) << text;
    EXPECT_EQ(shown.colours, (std::set<COLORREF>{RGB(0, 0, 0), RGB(255, 255, 255)})) << "no blur, no grey";
    EXPECT_GE(shown.finderRun, 7);
    EXPECT_EQ(shown.finderRun % 7, 0) << "every module the same whole number of pixels";
    EXPECT_EQ(shown.copyButton, L"Copied");
    EXPECT_EQ(shown.clipboard, L"secret;key");
}

void ClickRow(CICSPage& page, int index) {
    NMITEMACTIVATE click{};
    click.hdr.hwndFrom = page.Item(IDC_ICS_LIST);
    click.hdr.idFrom = IDC_ICS_LIST;
    click.hdr.code = NM_CLICK;
    click.iItem = index;
    page.Send(WM_NOTIFY, IDC_ICS_LIST, reinterpret_cast<LPARAM>(&click));
}

TEST(IcsPage, ListsTheAdaptersAndAppliesTheClickedConnection) {
    Pages pages;
    CICSPage& page = pages.ics;
    const HWND list = page.Item(IDC_ICS_LIST);
    EXPECT_FALSE(pages.Enabled(page, IDC_ICS_APPLY));
    page.FillConnectionList({{{u"Intel(R) 82579LM", u"Ethernet 2"},
                              {u"Realtek PCIe GBE Family Controller", u"Local Area Connection"}},
                             1});
    EXPECT_EQ(ListView_GetItemCount(list), 2);
    EXPECT_EQ(ReportText(list, 0, 0), u"Intel(R) 82579LM");
    EXPECT_EQ(ListView_GetNextItem(list, -1, LVNI_SELECTED), 1);
    EXPECT_EQ(pages.Text(page, IDC_ICS_PUBLIC), L"Local Area Connection");

    const struct {
        int row;
        bool applyEnabled;
        const wchar_t* publicNetwork;
    } clicks[] = {{0, true, L"Ethernet 2"},
                  {-1, false, L"Ethernet 2"},
                  {1, false, L"Local Area Connection"},
                  {0, true, L"Ethernet 2"}};
    for (const auto& click : clicks) {
        ClickRow(page, click.row);
        EXPECT_EQ(pages.Enabled(page, IDC_ICS_APPLY), click.applyEnabled) << click.row;
        EXPECT_EQ(pages.Text(page, IDC_ICS_PUBLIC), click.publicNetwork) << click.row;
    }
    ListView_SetItemState(list, -1, 0, LVIS_SELECTED);
    ListView_SetItemState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    page.Send(WM_COMMAND, MAKEWPARAM(IDC_ICS_APPLY, BN_CLICKED),
              reinterpret_cast<LPARAM>(page.Item(IDC_ICS_APPLY)));
    EXPECT_EQ(pages.requests.sharedRows,
              (std::vector<ConnectionListRow>{{u"Intel(R) 82579LM", u"Ethernet 2"}}));
    EXPECT_FALSE(pages.Enabled(page, IDC_ICS_APPLY));

    page.FillConnectionList({});
    EXPECT_EQ(ListView_GetItemCount(list), 0);
    EXPECT_EQ(pages.Text(page, IDC_ICS_PUBLIC), L"Ethernet 2") << "an empty table keeps the text";
}

// A heading line with nothing but its line end is a blank heading; a line with nothing at all, at the
// file's end, gives the English text.
TEST(IcsPage, AnEmptyHeadingLineIsABlankHeading) {
    const struct {
        const char* line;
        const wchar_t* heading;
    } cases[] = {{"String53=\r\n", L""}, {"String53=", L"Device Name"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line);
        Pages pages(c.line);
        wchar_t heading[64] = L"?";
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT;
        column.pszText = heading;
        column.cchTextMax = 64;
        ASSERT_TRUE(ListView_GetColumn(pages.ics.Item(IDC_ICS_LIST), 0, &column));
        EXPECT_STREQ(heading, c.heading);
    }
}

}  // namespace
}  // namespace aerowisp
