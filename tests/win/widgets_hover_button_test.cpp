// CHoverButton in a real dialog: size to bitmap, the face and icon drawn for each state, hover tracking,
// the one balloon tooltip and EnableButton.
#include <string>

#include "core/resource.h"
#include "win/widgets_test_support.h"

namespace aerowisp::widgets_test {
namespace {

// Where the 16-pixel test icon sits on a test face when it is not pressed.
constexpr int kIconX = (kFaceWidth - 16) / 2;
constexpr int kIconY = (kFaceHeight - 16) / 2;

// Sends the dialog the WM_DRAWITEM the button would send for `state`, drawing into `canvas`.
void DrawButton(const WidgetHost& host, UINT state, const Canvas& canvas) {
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.CtlID = IDC_TEST_BUTTON;
    item.itemAction = ODA_DRAWENTIRE;
    item.itemState = state;
    item.hwndItem = host.button.Handle();
    item.hDC = canvas.Dc();
    ::GetClientRect(item.hwndItem, &item.rcItem);
    host.Send(WM_DRAWITEM, IDC_TEST_BUTTON, reinterpret_cast<LPARAM>(&item));
}

TEST(CHoverButtonTest, SizeToBitmapGivesTheButtonItsNormalBitmapsSizeInPlace) {
    const struct {
        UINT bitmap;
        SIZE size;
    } cases[] = {{IDB_LINK_NORMAL, {142, 86}}, {IDB_MODE_STA_NORMAL, {86, 86}}, {IDB_TEST_NORMAL, {40, 30}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bitmap);
        WidgetHost host;
        const RECT before = WindowRect(host.button.Handle());
        ASSERT_TRUE(host.button.LoadBitmaps(c.bitmap, 0, 0, 0));
        host.button.SizeToContent();
        ExpectSizedInPlace(host.button.Handle(), before, c.size.cx, c.size.cy);
    }
}

TEST(CHoverButtonTest, DrawsTheFaceOfItsStateWithTheIconCentredAndMovedOnlyWhenPressed) {
    const struct {
        const char* name;
        bool pressedFace;
        bool disabledFace;
        bool hover;
        UINT state;
        COLORREF face;
        COLORREF icon;
        int offset;
    } cases[] = {
        {"normal", true, true, false, 0, kRed, kBlack, 0},
        {"hover", true, true, true, 0, kBlue, kBlack, 0},
        {"pressed", true, true, false, ODS_SELECTED, kGreen, kBlack, 2},
        {"pressed beats disabled and hover", true, true, true, ODS_SELECTED | ODS_DISABLED, kGreen, kBlack,
         2},
        {"disabled, with the disabled icon", true, true, true, ODS_DISABLED, kGrey, kWhite, 0},
        {"disabled without a disabled face", true, false, false, ODS_DISABLED, kRed, kBlack, 0},
        {"disabled without a disabled face, hovered", true, false, true, ODS_DISABLED, kBlue, kBlack, 0},
        {"pressed without a pressed face", false, true, false, ODS_SELECTED, kRed, kBlack, 0},
        {"pressed without a pressed face, disabled", false, true, false, ODS_SELECTED | ODS_DISABLED, kGrey,
         kWhite, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WidgetHost host;
        ASSERT_TRUE(host.button.LoadBitmaps(IDB_TEST_NORMAL, c.pressedFace ? IDB_TEST_PRESSED : 0,
                                            IDB_TEST_HOVER, c.disabledFace ? IDB_TEST_DISABLED : 0));
        ASSERT_TRUE(host.button.SetIcon(IDI_TEST_BLACK16, IDI_TEST_WHITE16));
        if (c.hover)
            host.button.Send(WM_MOUSEHOVER);
        Canvas canvas(kFaceWidth + 8, kFaceHeight + 8);
        DrawButton(host, c.state, canvas);
        EXPECT_TRUE(PixelIs(canvas, 0, 0, c.face));
        EXPECT_TRUE(PixelIs(canvas, kFaceWidth - 1, kFaceHeight - 1, c.face));
        EXPECT_TRUE(PixelIs(canvas, kFaceWidth, kFaceHeight, kUntouched));
        ExpectSquare(canvas, kIconX + c.offset, kIconY + c.offset, 16, c.icon, c.face);
    }
}

TEST(CHoverButtonTest, MissingResourcesLeaveTheButtonBlankOrKeepItsIcons) {
    WidgetHost host;
    ASSERT_TRUE(
        host.button.LoadBitmaps(IDB_TEST_NORMAL, IDB_TEST_PRESSED, IDB_TEST_HOVER, IDB_TEST_DISABLED));
    // The icon is drawn at twice its hot spot: 32 pixels wide for the 32-pixel icon.
    ASSERT_TRUE(host.button.SetIcon(IDI_TEST_BLACK32, 0));
    EXPECT_FALSE(host.button.SetIcon(kMissingResource, IDI_TEST_WHITE16));
    {
        Canvas canvas(kFaceWidth, kFaceHeight);
        DrawButton(host, ODS_DISABLED, canvas);
        EXPECT_TRUE(PixelIs(canvas, 3, 10, kGrey));
        EXPECT_TRUE(PixelIs(canvas, 4, 10, kBlack));
        EXPECT_TRUE(PixelIs(canvas, 35, 10, kBlack));
        EXPECT_TRUE(PixelIs(canvas, 36, 10, kGrey));
    }

    EXPECT_FALSE(
        host.button.LoadBitmaps(kMissingResource, IDB_TEST_PRESSED, IDB_TEST_HOVER, IDB_TEST_DISABLED));
    host.button.Send(WM_MOUSEHOVER);
    for (UINT state : {0u, UINT{ODS_SELECTED}, UINT{ODS_DISABLED}}) {
        SCOPED_TRACE(state);
        Canvas canvas(kFaceWidth, kFaceHeight);
        DrawButton(host, state, canvas);
        EXPECT_TRUE(PixelIs(canvas, 0, 0, kUntouched));
        EXPECT_TRUE(PixelIs(canvas, kFaceWidth / 2, kFaceHeight / 2, kUntouched));
    }
}

TEST(CHoverButtonTest, EnableButtonSwitchesTheWindowTheTooltipAndTheDrawnFace) {
    WidgetHost host;
    const HWND button = host.button.Handle();
    ASSERT_TRUE(
        host.button.LoadBitmaps(IDB_TEST_NORMAL, IDB_TEST_PRESSED, IDB_TEST_HOVER, IDB_TEST_DISABLED));
    ASSERT_TRUE(host.button.SetIcon(IDI_TEST_BLACK16, IDI_TEST_WHITE16));
    host.button.SetTooltipText(std::wstring(L"Radio Off"));
    // The tooltip is made by the first mouse message, with the text given before.
    EXPECT_TRUE(ThreadToolTips().empty());
    host.button.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    ASSERT_NE(nullptr, OnlyToolTip());
    EXPECT_EQ(L"Radio Off", ToolText(OnlyToolTip(), button));
    ActivationSpy spy(OnlyToolTip());

    host.button.EnableButton(false);
    EXPECT_FALSE(::IsWindowEnabled(button));
    EXPECT_EQ(false, spy.Last());
    {
        Canvas canvas(kFaceWidth, kFaceHeight);
        Print(button, canvas);
        EXPECT_TRUE(PixelIs(canvas, 0, 0, kGrey));
        ExpectSquare(canvas, kIconX, kIconY, 16, kWhite, kGrey);
    }

    host.button.EnableButton(true);
    EXPECT_TRUE(::IsWindowEnabled(button));
    EXPECT_EQ(true, spy.Last());
    host.button.Send(BM_SETSTATE, TRUE);
    {
        Canvas canvas(kFaceWidth, kFaceHeight);
        Print(button, canvas);
        EXPECT_TRUE(PixelIs(canvas, 0, 0, kGreen));
        ExpectSquare(canvas, kIconX + 2, kIconY + 2, 16, kBlack, kGreen);
    }
}

TEST(CHoverButtonTest, HoverLightsAndRepaintsTheButtonUntilTheMouseLeaves) {
    WidgetHost host(true);
    const HWND button = host.button.Handle();
    ASSERT_TRUE(
        host.button.LoadBitmaps(IDB_TEST_NORMAL, IDB_TEST_PRESSED, IDB_TEST_HOVER, IDB_TEST_DISABLED));
    const auto face = [&] {
        Canvas canvas(kFaceWidth, kFaceHeight);
        Print(button, canvas);
        return canvas.Pixel(0, 0);
    };

    // The real mouse: resting on the button lights it, leaving puts it out.
    RECT rect{};
    ::GetWindowRect(button, &rect);
    ::SetCursorPos((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
    host.button.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(PumpUntil([&] { return face() == kBlue; }, 2000));
    ::SetCursorPos(rect.right + 50, rect.bottom + 50);
    EXPECT_TRUE(PumpUntil([&] { return face() == kRed; }, 2000));

    // Each change of the light repaints the whole button.
    ::ValidateRect(button, nullptr);
    host.button.Send(WM_MOUSEHOVER);
    EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
    EXPECT_EQ(kBlue, face());
    ::ValidateRect(button, nullptr);
    host.button.Send(WM_MOUSELEAVE);
    EXPECT_TRUE(::GetUpdateRect(button, nullptr, FALSE));
    EXPECT_EQ(kRed, face());
}

TEST(CHoverButtonTest, HasOneBalloonTooltipWithOneToolThatFollowsTheLastText) {
    ASSERT_TRUE(ThreadToolTips().empty());
    {
        WidgetHost host;
        const HWND button = host.button.Handle();
        // Mouse messages pass through the tooltip, which they create, inactive.
        host.button.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        const HWND tip = OnlyToolTip();
        ASSERT_NE(nullptr, tip);
        EXPECT_NE(0, ::GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON);
        EXPECT_EQ(400, ::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0));
        EXPECT_EQ(0, ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
        ActivationSpy spy(tip);

        host.button.SetTooltipText(std::wstring(L"First"));
        EXPECT_EQ(L"First", ToolText(tip, button));
        EXPECT_EQ(true, spy.Last());
        host.button.SetTooltipText(UINT{IDS_TEST_TIP});
        EXPECT_EQ(L"Link Status", ToolText(tip, button));
        host.button.SetTooltipText(UINT{IDS_TEST_MISSING});
        EXPECT_EQ(L"Link Status", ToolText(tip, button));
        // New faces keep the text.
        ASSERT_TRUE(host.button.LoadBitmaps(IDB_TEST_NORMAL, 0, 0, 0));
        EXPECT_EQ(L"Link Status", ToolText(tip, button));

        EXPECT_EQ(tip, OnlyToolTip());
        EXPECT_EQ(1, ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    }
    EXPECT_TRUE(ThreadToolTips().empty());
}

}  // namespace
}  // namespace aerowisp::widgets_test
