// The please-wait window: its template, its place in the middle of the screen above every other window,
// and its text painted before the call returns.
#include <windows.h>

#include <gtest/gtest.h>

#include "core/resource.h"
#include "ics/msg_dialog.h"

namespace aerowisp {
namespace {

RECT DialogUnits(HWND dialog, int left, int top, int width, int height) {
    RECT rect{left, top, left + width, top + height};
    ::MapDialogRect(dialog, &rect);
    return rect;
}

TEST(CMsgDialog, ShowsItsTextCentredAndTopmost) {
    CMsgDialog dialog;
    ASSERT_TRUE(dialog.Create(nullptr));
    HWND window = dialog.Handle();
    EXPECT_FALSE(::IsWindowVisible(window)) << "shown only by ShowMessage";
    const LONG_PTR style = ::GetWindowLongPtrW(window, GWL_STYLE);
    EXPECT_EQ(style & (WS_POPUP | WS_BORDER | WS_CAPTION), WS_POPUP | WS_BORDER)
        << "a thin border, no caption";

    dialog.ShowMessage(L"Enabling ICS. Please wait...");

    EXPECT_TRUE(::IsWindowVisible(window));
    EXPECT_NE(::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    wchar_t text[64] = L"";
    ::GetDlgItemTextW(window, IDC_MSG_TEXT, text, 64);
    EXPECT_STREQ(text, L"Enabling ICS. Please wait...");
    EXPECT_FALSE(::GetUpdateRect(window, nullptr, FALSE)) << "painted before ShowMessage returns";
    EXPECT_FALSE(::GetUpdateRect(::GetDlgItem(window, IDC_MSG_TEXT), nullptr, FALSE));

    RECT client{};
    ::GetClientRect(window, &client);
    const RECT size = DialogUnits(window, 0, 0, 124, 44);
    EXPECT_EQ(client.right, size.right);
    EXPECT_EQ(client.bottom, size.bottom);
    RECT label{};
    ::GetWindowRect(::GetDlgItem(window, IDC_MSG_TEXT), &label);
    ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&label), 2);
    const RECT expectedLabel = DialogUnits(window, 11, 14, 93, 16);
    EXPECT_EQ(label.left, expectedLabel.left);
    EXPECT_EQ(label.top, expectedLabel.top);
    EXPECT_EQ(label.right, expectedLabel.right);

    RECT desktop{};
    RECT placed{};
    ::GetWindowRect(::GetDesktopWindow(), &desktop);
    ::GetWindowRect(window, &placed);
    const int width = placed.right - placed.left;
    const int height = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, desktop.left + (desktop.right - desktop.left - width) / 2);
    EXPECT_EQ(placed.top, desktop.top + (desktop.bottom - desktop.top - height) / 2);

    dialog.ShowMessage(L"Disabling ICS. Please wait...");
    ::GetDlgItemTextW(window, IDC_MSG_TEXT, text, 64);
    EXPECT_STREQ(text, L"Disabling ICS. Please wait...");
    dialog.Destroy();
    EXPECT_FALSE(::IsWindow(window));
}

}  // namespace
}  // namespace aerowisp
