// The main window model's close clean-up and its start-hidden rule on the frame paints.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;
using Ops = std::vector<std::string>;

TEST(OnClose, InApStaModeStopsEverythingButKeepsTheMode) {
    ModelHarness h;
    h.SetIni(u"DuvaDI", u"secret-key");
    h.Control().SwitchToApStaMode();
    h.processes.OpenWindow(u"Tftpd32", true, h.State().programFolder + u"DhcpServer.exe");
    WlanHandle handle = h.State().wlanHandle;
    h.Log().Clear();

    h.model.OnClose();

    Ops expected = {"View.ClearAssociationList", "EnumWindows", "QueryFullProcessImageNameW",
                    "SendMessageTimeoutW"};
    expected.insert(expected.end(), test::kStopSharingOfVirtualAdapterOnly.begin(),
                    test::kStopSharingOfVirtualAdapterOnly.end());
    expected.insert(expected.end(), {"WlanHostedNetworkStopUsing", "WlanHostedNetworkForceStop",
                                     "WlanCloseHandle", "View.RemoveTrayIcon"});
    EXPECT_EQ(h.Operations(), expected);
    EXPECT_EQ(h.OnlyArguments("WlanCloseHandle"), "handle=" + std::to_string(handle));
    EXPECT_TRUE(h.Hosted().apMode);
    EXPECT_EQ(h.CurrentMode(), RegistryValue::Dword(1));
    EXPECT_EQ(h.State().wlanHandle, 0u);
    EXPECT_EQ(h.machine.Wlan().OpenHandleCount(), 0u);
}

TEST(OnClose, InStationModeOnlyClosesTheHandleOnce) {
    ModelHarness h;
    h.processes.OpenWindow(u"Tftpd32");

    h.model.OnClose();
    h.model.OnClose();

    EXPECT_EQ(h.Operations(), (Ops{"View.ClearAssociationList", "WlanCloseHandle", "View.RemoveTrayIcon",
                                   "View.ClearAssociationList", "View.RemoveTrayIcon"}));
    EXPECT_TRUE(h.processes.IsWindowOpen(u"Tftpd32"));
}

TEST(OnNcPaint, MarkerHidesTheFirstPaintAndIsGone) {
    ModelHarness h;
    h.State().cardPresent = true;
    const std::u16string marker = h.State().programFolder + u"ZuroZiz.ini";
    h.machine.Settings().SetProfileString(marker, u"ZuroZiz", u"Value", u"1");
    h.processes.AddFile(marker);

    EXPECT_TRUE(h.model.OnNcPaint());
    EXPECT_EQ(h.OnlyArguments("DeleteFileW"), "path=" + QuoteText(marker));
    EXPECT_FALSE(h.processes.FileExists(marker));
}

TEST(OnNcPaint, WithoutACardTheFirstTwoPaintsHide) {
    ModelHarness h;
    h.State().cardPresent = false;
    std::vector<bool> hidden;
    for (int i = 0; i < 4; ++i)
        hidden.push_back(h.model.OnNcPaint());
    EXPECT_EQ(hidden, (std::vector<bool>{true, true, false, false}));
    EXPECT_EQ(h.processes.DebugTraces(), std::vector<std::u16string>(4, u"2011 07 16 show window "));
}

// The logon start's --start-hidden, for when it could not write the marker: like a found marker, one
// request, within the same allowance of two hidden paints.
TEST(OnNcPaint, TheStartHiddenSwitchAsksOnce) {
    struct Case {
        const char* label;
        bool cardPresent;
        std::vector<bool> hidden;
    };
    const Case cases[] = {
        {"with a card", true, {true, false, false}},
        {"without a card", false, {true, true, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.State().cardPresent = c.cardPresent;
        h.model.RequestStartHidden();
        std::vector<bool> hidden;
        for (int i = 0; i < 3; ++i)
            hidden.push_back(h.model.OnNcPaint());
        EXPECT_EQ(hidden, c.hidden);
    }
}

TEST(OnNcPaint, WithACardAndNoMarkerNothingHides) {
    ModelHarness h;
    h.State().cardPresent = true;
    EXPECT_FALSE(h.model.OnNcPaint());
    EXPECT_FALSE(h.model.OnNcPaint());
}

// The close box hides the window only once the notification-area icon exists to bring it back, and ends
// the program after the close clean-up removed the icon.
TEST(OnCloseBox, HidesWithAnIconElseEnds) {
    struct Case {
        const char* label;
        bool iconAdded;
        bool closedBefore;
        const char* expected;
    };
    const Case cases[] = {
        {"icon added", true, false, "View.HideToTray"},
        {"icon refused", false, false, "Tray.PostCloseToMainWindow"},
        {"icon removed by the clean-up", true, true, "Tray.PostCloseToMainWindow"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.tray.addSucceeds = c.iconAdded;
        h.Tray().AddTrayIcon();
        if (c.closedBefore)
            h.model.OnClose();
        h.Log().Clear();
        h.model.OnCloseBox();
        EXPECT_EQ(h.Count(c.expected), 1u);
    }
}

}  // namespace
}  // namespace aerowisp
