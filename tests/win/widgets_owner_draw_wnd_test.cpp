// COwnerDrawWnd in a real dialog: it grows to its largest icon, centres smaller ones, and keeps one tooltip.
#include <vector>

#include "win/widgets_test_support.h"

namespace aerowisp::widgets_test {
namespace {

constexpr int kCanvasSize = 40;

TEST(COwnerDrawWndTest, GrowsToTheLargestIconAndCentresSmallerOnes) {
    const struct {
        const char* name;
        std::vector<UINT> icons;
        int size;
        int iconSize;
        COLORREF colour;
    } cases[] = {
        {"32", {IDI_TEST_BLACK32}, 32, 32, kBlack},
        {"32 then 16", {IDI_TEST_BLACK32, IDI_TEST_WHITE16}, 32, 16, kWhite},
        {"16 then 32", {IDI_TEST_WHITE16, IDI_TEST_BLACK32}, 32, 32, kBlack},
        {"16, 32, 16", {IDI_TEST_BLACK16, IDI_TEST_BLACK32, IDI_TEST_WHITE16}, 32, 16, kWhite},
        {"16 then a missing icon", {IDI_TEST_WHITE16, kMissingResource}, 16, 16, kWhite},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WidgetHost host;
        const HWND picture = host.picture.Handle();
        const RECT before = WindowRect(picture);
        for (UINT icon : c.icons)
            EXPECT_TRUE(host.picture.SetIcon(icon, IDS_TEST_TIP));

        ExpectSizedInPlace(picture, before, c.size, c.size);
        EXPECT_NE(0, ::GetWindowLongPtrW(picture, GWL_STYLE) & WS_VISIBLE);
        Canvas canvas(kCanvasSize, kCanvasSize);
        Print(picture, canvas);
        const int offset = (c.size - c.iconSize) / 2;
        EXPECT_TRUE(PixelIs(canvas, offset, offset, c.colour));
        EXPECT_TRUE(PixelIs(canvas, offset + c.iconSize - 1, offset + c.iconSize - 1, c.colour));
        EXPECT_TRUE(PixelIs(canvas, offset + c.iconSize, offset + c.iconSize, kUntouched));
        if (offset > 0) {
            EXPECT_TRUE(PixelIs(canvas, offset - 1, offset - 1, kUntouched));
        }
    }
}

TEST(COwnerDrawWndTest, HasOneBalloonTooltipWhoseTextAMissingStringKeeps) {
    ASSERT_TRUE(ThreadToolTips().empty());
    {
        WidgetHost host;
        const HWND picture = host.picture.Handle();
        ASSERT_TRUE(host.picture.SetIcon(IDI_TEST_BLACK32, IDS_TEST_TIP));
        // The mouse's first coming makes the tooltip, with the text given before.
        EXPECT_TRUE(ThreadToolTips().empty());
        host.picture.Send(WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        const HWND tip = OnlyToolTip();
        ASSERT_NE(nullptr, tip);
        EXPECT_NE(0, ::GetWindowLongPtrW(tip, GWL_STYLE) & TTS_BALLOON);
        EXPECT_EQ(400, ::SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0));
        EXPECT_EQ(L"Link Status", ToolText(tip, picture));
        ActivationSpy spy(tip);

        ASSERT_TRUE(host.picture.SetIcon(IDI_TEST_WHITE16, IDS_TEST_OTHER_TIP));
        EXPECT_EQ(L"To AP+STA Mode", ToolText(tip, picture));
        EXPECT_EQ(true, spy.Last());
        ASSERT_TRUE(host.picture.SetIcon(IDI_TEST_BLACK16, IDS_TEST_MISSING));
        EXPECT_EQ(L"To AP+STA Mode", ToolText(tip, picture));

        EXPECT_EQ(tip, OnlyToolTip());
        EXPECT_EQ(1, ::SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    }
    EXPECT_TRUE(ThreadToolTips().empty());
}

}  // namespace
}  // namespace aerowisp::widgets_test
