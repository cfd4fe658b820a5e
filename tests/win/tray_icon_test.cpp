// The notification-area icon through the real shell, and the tray menus as a real pop-up menu holds them.
#include "widgets/tray_icon.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/resource.h"
#include "core/app/tray_control.h"
#include "support/test_window.h"

namespace aerowisp {
namespace {

TrayIconData IconFor(uint32_t uid, std::u16string tip) {
    return {.uid = uid,
            .flags = kTrayAddFlags,
            .callbackMessage = WM_TRAY_NOTIFY,
            .iconResource = IDI_TRAY,
            .tip = std::move(tip)};
}

TEST(TrayIcon, AddModifyBalloonAndDeleteGoThroughTheShellOncePerIcon) {
    test::TestWindow owner(L"Aerowisp tray owner");
    ASSERT_NE(nullptr, owner.Handle());

    ASSERT_TRUE(AddTrayIcon(owner.Handle(), IconFor(ID_TRAY_ICON, kTrayFirstTip)));
    EXPECT_TRUE(ModifyTrayTip(owner.Handle(), ID_TRAY_ICON, u"Aerowisp\nAP+STA mode"));
    // A tip longer than szTip is cut rather than overrunning the record.
    EXPECT_TRUE(ModifyTrayTip(owner.Handle(), ID_TRAY_ICON, std::u16string(300, u'x')));
    // So are a balloon's title and text longer than szInfoTitle and szInfo.
    EXPECT_TRUE(
        ShowTrayBalloon(owner.Handle(), ID_TRAY_ICON, std::u16string(70, u't'), std::u16string(300, u'x')));
    EXPECT_TRUE(RemoveTrayIcon(owner.Handle(), ID_TRAY_ICON));
    // Once gone, the icon can neither be changed nor removed again; it can be added again, as after
    // Explorer's restart.
    EXPECT_FALSE(ModifyTrayTip(owner.Handle(), ID_TRAY_ICON, u"gone"));
    EXPECT_FALSE(ShowTrayBalloon(owner.Handle(), ID_TRAY_ICON, u"Aerowisp", u"gone"));
    EXPECT_FALSE(RemoveTrayIcon(owner.Handle(), ID_TRAY_ICON));
    EXPECT_TRUE(AddTrayIcon(owner.Handle(), IconFor(ID_TRAY_ICON, kTrayFirstTip)));
    EXPECT_TRUE(RemoveTrayIcon(owner.Handle(), ID_TRAY_ICON));
}

TEST(TrayIcon, MenuTextLosesOnlyTheTrailingLineBreak) {
    const struct {
        std::u16string text;
        std::wstring shown;
    } cases[] = {{u"Exit", L"Exit"},     {u"Exit\r\n", L"Exit"}, {u"Exit\n", L"Exit"},
                 {u"A\r\nB", L"A\r\nB"}, {u"\r\n", L""},         {u"", L""}};
    for (const auto& c : cases)
        EXPECT_EQ(c.shown, TrayMenuText(c.text)) << std::string(c.text.begin(), c.text.end());
}

std::wstring MenuString(HMENU menu, int position) {
    wchar_t text[128] = {};
    const int length = ::GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return std::wstring(text, static_cast<size_t>(length));
}

TEST(TrayIcon, TheFourMenusHoldTheCoreItemsInOrder) {
    MainWindowState state;
    state.trayMenu = {.launch = u"Launch Config Utility\r\n",
                      .toStationMode = u"Switch to Station Mode",
                      .wizard = u"Setup Wizard",
                      .about = u"About",
                      .exit = u"Exit\r\n",
                      .toApStaMode = u"Switch to AP+STA Mode"};
    struct Case {
        const char* name;
        bool cardPresent;
        bool radioOn;
        bool apMode;
        std::vector<UINT> ids;
        std::vector<std::wstring> texts;
    };
    const Case cases[] = {
        {"no card", false, true, true, {ID_ABOUT_PLAIN, ID_EXIT_PLAIN}, {L"About", L"Exit"}},
        {"radio off",
         true,
         false,
         true,
         {ID_LAUNCH_CONFIG_UTILITY, ID_ABOUT_PLAIN, ID_EXIT_PLAIN},
         {L"Launch Config Utility", L"About", L"Exit"}},
        {"AP+STA",
         true,
         true,
         true,
         {ID_SHOW_WINDOW, ID_SWITCH_TO_STA_MODE, ID_WIZARD_APSTA, ID_ABOUT_APSTA, ID_EXIT_APSTA},
         {L"Launch Config Utility", L"Switch to Station Mode", L"Setup Wizard", L"About", L"Exit"}},
        {"station",
         true,
         true,
         false,
         {ID_LAUNCH_CONFIG_UTILITY, ID_SWITCH_TO_APSTA_MODE, ID_WIZARD_STATION, ID_ABOUT_STATION,
          ID_EXIT_STATION},
         {L"Launch Config Utility", L"Switch to AP+STA Mode", L"Setup Wizard", L"About", L"Exit"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        state.cardPresent = c.cardPresent;
        state.radioOn = c.radioOn;
        state.hostedNetwork.apMode = c.apMode;
        const fw::Menu menu = BuildTrayMenu(TrayMenuItems(state));
        ASSERT_TRUE(menu);
        ASSERT_EQ(static_cast<int>(c.ids.size()), ::GetMenuItemCount(menu.Get()));
        for (int i = 0; i < static_cast<int>(c.ids.size()); ++i) {
            EXPECT_EQ(c.ids[i], ::GetMenuItemID(menu.Get(), i));
            EXPECT_EQ(c.texts[i], MenuString(menu.Get(), i));
            EXPECT_EQ(static_cast<UINT>(MF_STRING),
                      ::GetMenuState(menu.Get(), i, MF_BYPOSITION) & MF_SEPARATOR);
        }
    }
}

}  // namespace
}  // namespace aerowisp
