// The content pages: their templates (child pages, every control, the unused ones hidden), their common
// colours, a background they never paint, and Enter and Esc that leave a page open.
#include <windows.h>

#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "core/resource.h"
#include "support/test_window.h"
#include "widgets/app_pro_page.h"
#include "win/widgets_test_support.h"

namespace aerowisp {
namespace {

using Ids = std::set<int>;

// A page of the program on a top-level window of the test, as the main window holds its pages.
struct HostedPage {
    explicit HostedPage(int templateId) : page(templateId) { page.Create(host.Handle()); }

    test::TestWindow host{L"Content page test"};
    CAppProPage page;
};

// The identifiers of the page's controls; those hidden by their template, or all of them.
Ids ControlIds(HWND page, bool hiddenOnly) {
    Ids ids;
    for (HWND child = ::GetWindow(page, GW_CHILD); child != nullptr;
         child = ::GetWindow(child, GW_HWNDNEXT)) {
        if (!hiddenOnly || (::GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE) == 0)
            ids.insert(::GetDlgCtrlID(child));
    }
    return ids;
}

COLORREF BrushColour(LRESULT brush) {
    LOGBRUSH info{};
    ::GetObjectW(reinterpret_cast<HBRUSH>(brush), sizeof(info), &info);
    return info.lbColor;
}

TEST(ContentPageTemplates, AreBorderlessChildPagesWithEveryControl) {
    struct Case {
        int templateId;
        Ids controls;
        Ids hidden;
    };
    const Case cases[] = {
        {IDD_LINK_STATUS_PAGE,
         {1023, 1024, 1025, 1026, 1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035,
          1036, 1037, 1038, 1039, 1040, 1041, 1042, 1043, 1044, 1045, 1046, 1047},
         {1036, 1042, 1044}},
        {IDD_AP_CONFIG_PAGE,
         {1048, 1049, 1050, 1053, 1054, 1055, 1056, 1057, 1058, 1059, 1060,
          1061, 1062, 1075, 1093, 1094, 1095, 1096, 1097, 1098, 1099, IDC_AP_JOIN_CODE},
         {1050, 1061, 1093, 1095, 1096, 1097, 1098, 1099}},
        {IDD_ASSOC_TBL_PAGE, {1071}, {}},
        {IDD_ICS_PAGE, {1126, 1127, 1128, 1129, 1130, 1131}, {}},
        {IDD_ABOUT_PAGE,
         {IDC_STATIC, 1009, 1010, 1011, 1012, 1013, 1014, 1015, 1016, 1017, 1018, 1019, 1020, 1021, 1022,
          1162, 1163},
         {1011, 1012, 1013, 1014, 1019, 1020, 1021, 1022}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.templateId);
        HostedPage hosted(c.templateId);
        HWND page = hosted.page.Handle();
        ASSERT_NE(page, nullptr);
        const LONG style = ::GetWindowLongW(page, GWL_STYLE);
        EXPECT_NE(style & WS_CHILD, 0);
        EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_VISIBLE), 0);
        EXPECT_EQ(ControlIds(page, false), c.controls);
        EXPECT_EQ(ControlIds(page, true), c.hidden);
    }
}

TEST(ContentPage, DrawsBlackOnThePageColourExceptInEditFieldsAndListBoxes) {
    struct Case {
        const char* label;
        UINT message;
        bool pageColours;
    };
    const Case cases[] = {
        {"static and read-only edit", WM_CTLCOLORSTATIC, true},
        {"button", WM_CTLCOLORBTN, true},
        {"the page", WM_CTLCOLORDLG, true},
        {"message box", WM_CTLCOLORMSGBOX, true},
        {"scroll bar", WM_CTLCOLORSCROLLBAR, true},
        {"edit field", WM_CTLCOLOREDIT, false},
        {"list box", WM_CTLCOLORLISTBOX, false},
    };
    HostedPage hosted(IDD_AP_CONFIG_PAGE);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const fw::MemoryDC dc(nullptr);
        ::SetTextColor(dc.Get(), RGB(1, 2, 3));
        ::SetBkMode(dc.Get(), OPAQUE);
        const LRESULT brush = hosted.page.Send(c.message, reinterpret_cast<WPARAM>(dc.Get()),
                                               reinterpret_cast<LPARAM>(hosted.page.Item(IDC_AP_SSID)));
        ASSERT_NE(brush, 0);
        EXPECT_EQ(BrushColour(brush) == CAppProPage::kPageColour, c.pageColours);
        if (c.pageColours) {
            EXPECT_EQ(::GetTextColor(dc.Get()), RGB(0, 0, 0));
            EXPECT_EQ(::GetBkMode(dc.Get()), TRANSPARENT);
        }
    }
}

TEST(ContentPage, LeavesItsBackgroundToTheMainWindow) {
    HostedPage hosted(IDD_LINK_STATUS_PAGE);
    const widgets_test::Canvas canvas(20, 20);
    EXPECT_NE(hosted.page.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc())), 0) << "reported erased";
    EXPECT_TRUE(widgets_test::PixelIs(canvas, 10, 10, widgets_test::kUntouched));
}

TEST(ContentPage, EnterAndEscLeaveThePageOpen) {
    HostedPage hosted(IDD_AP_CONFIG_PAGE);
    hosted.page.Show(SW_SHOW);
    hosted.page.Send(WM_COMMAND, IDOK);
    hosted.page.Send(WM_COMMAND, IDCANCEL);
    EXPECT_TRUE(hosted.page.IsCreated());
    EXPECT_NE(::GetWindowLongW(hosted.page.Handle(), GWL_STYLE) & WS_VISIBLE, 0);
}

}  // namespace
}  // namespace aerowisp
