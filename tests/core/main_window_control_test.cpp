// The main window's start (stored mode, radio and card), its page buttons, the enabling for the radio
// state and the hiding to the notification area.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "core/resource.h"
#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;
using Calls = std::vector<std::string>;
using Controls = std::set<uint32_t>;

constexpr uint32_t kAllControls[] = {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON,
                                     IDC_ICS_BUTTON,         IDC_RADIO_BUTTON,      IDC_MODE_BUTTON,
                                     IDC_STA_AP_BUTTON,      IDC_MODE_PICTURE};

// The controls left disabled; a control the window never touched keeps its template state, enabled.
Controls Disabled(const test::RecordingMainView& view) {
    Controls disabled;
    for (uint32_t control : kAllControls) {
        auto found = view.enabled.find(control);
        if (found != view.enabled.end() && !found->second)
            disabled.insert(control);
    }
    return disabled;
}

// The last look given to `control`.
ControlLook LastLook(const test::RecordingMainView& view, uint32_t control) {
    ControlLook last;
    for (const ControlLook& look : view.looks) {
        if (look.controlId == control && look.setsIcon)
            last = look;
    }
    return last;
}

// The initialisation's steps that the model decides, in the main window's order.
void Start(ModelHarness& h) {
    MainWindowControl& window = h.Window();
    window.LoadTrayMenuTexts();
    window.LoadStoredSettings();
    h.model.DiscoverInterface(true);
    window.SetUpButtons();
    window.ShowStartPage();
    window.StartInStoredMode();
}

TEST(MainWindowStart, RestoresTheStoredModeAndRadio) {
    struct Case {
        const char* label;
        std::optional<uint32_t> currentMode;
        std::optional<uint32_t> radioState;
        bool card;
        bool networkStored;
        ContentPage page;
        bool apMode;
        Controls disabled;
        uint32_t modeFaces;
        uint32_t pictureIcon;
        uint32_t radioIcon;
    };
    const Controls kApStaOnly = {IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON};
    const Case cases[] = {
        {"nothing stored",
         {},
         {},
         true,
         false,
         ContentPage::kLinkStatus,
         false,
         kApStaOnly,
         kModeStationFaces.normal,
         IDI_STATION_MODE,
         IDI_RADIO_ON},
        {"AP+STA stored",
         1,
         1,
         true,
         true,
         ContentPage::kApConfig,
         true,
         {},
         kModeApStaFaces.normal,
         IDI_APSTA_MODE,
         IDI_RADIO_ON},
        // The mode button keeps the stored mode's faces and look; only the radio button is usable.
        {"AP+STA stored, radio off",
         1,
         0,
         true,
         true,
         ContentPage::kLinkStatus,
         false,
         {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON, IDC_ICS_BUTTON, IDC_MODE_BUTTON,
          IDC_STA_AP_BUTTON, IDC_MODE_PICTURE},
         kModeApStaFaces.normal,
         IDI_APSTA_MODE,
         IDI_RADIO_OFF},
        {"AP+STA stored, no card",
         1,
         1,
         false,
         true,
         ContentPage::kAbout,
         false,
         {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON, IDC_RADIO_BUTTON,
          IDC_MODE_BUTTON, IDC_STA_AP_BUTTON},
         kModeApStaFaces.normal,
         IDI_APSTA_MODE,
         IDI_RADIO_ON},
        {"any non-zero mode counts as AP+STA",
         7,
         1,
         true,
         true,
         ContentPage::kApConfig,
         true,
         {},
         kModeApStaFaces.normal,
         IDI_APSTA_MODE,
         IDI_RADIO_ON},
        {"radio state other than 1",
         0,
         2,
         true,
         false,
         ContentPage::kLinkStatus,
         false,
         {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON, IDC_ICS_BUTTON, IDC_MODE_BUTTON,
          IDC_STA_AP_BUTTON, IDC_MODE_PICTURE},
         kModeStationFaces.normal,
         IDI_STATION_MODE,
         IDI_RADIO_OFF},
        // No network stored and the Extended AP Settings dialog cancelled.
        {"AP+STA start cancelled", 1, 1, true, false, ContentPage::kLinkStatus, false, kApStaOnly,
         kModeApStaFaces.normal, IDI_STATION_MODE, IDI_RADIO_ON},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        if (c.currentMode)
            h.machine.Settings().SetValue(kSettingsKey, kValueCurrentMode,
                                          RegistryValue::Dword(*c.currentMode));
        if (c.radioState)
            h.machine.Settings().SetValue(kSettingsKey, kValueRadioState,
                                          RegistryValue::Dword(*c.radioState));
        if (!c.card)
            h.machine.Wlan().RemoveCard(h.machine.Wlan().Cards().front().guid);
        if (c.networkStored)
            h.SetIni(u"DuvaDI", u"secret-key");

        Start(h);

        EXPECT_EQ(h.view.currentPage, c.page);
        EXPECT_EQ(h.Hosted().apMode, c.apMode);
        EXPECT_EQ(h.State().cardPresent, c.card);
        EXPECT_EQ(Disabled(h.view), c.disabled);
        EXPECT_EQ(h.view.faces[IDC_MODE_BUTTON].normal, c.modeFaces);
        EXPECT_EQ(LastLook(h.view, IDC_MODE_PICTURE).iconId, c.pictureIcon);
        EXPECT_EQ(LastLook(h.view, IDC_RADIO_BUTTON).iconId, c.radioIcon);
        EXPECT_EQ(h.machine.Wlan().HostedNetworkRunning(), c.apMode);
        // Only a start in station mode centres the mode picture in its frame.
        EXPECT_EQ(std::ranges::count(h.view.calls, "FrameModePicture"), c.currentMode.value_or(0) == 0);
        EXPECT_TRUE(h.timers.IsRunning(IDT_SHOW_REQUEST));
        EXPECT_TRUE(h.timers.IsRunning(IDT_TRAY_READD));
    }
}

TEST(MainWindowStart, GivesEachButtonItsFacesAndFirstLook) {
    ModelHarness h;
    Start(h);

    EXPECT_EQ(h.view.faces[IDC_LINK_STATUS_BUTTON], kLinkStatusFaces);
    EXPECT_EQ(h.view.faces[IDC_ASSOC_LIST_BUTTON], kAssocListFaces);
    EXPECT_EQ(h.view.faces[IDC_ICS_BUTTON], kIcsFaces);
    EXPECT_EQ(h.view.faces[IDC_RADIO_BUTTON], kRadioFaces);
    EXPECT_FALSE(h.view.faces.contains(IDC_ADVANCED_BUTTON)) << "the hidden buttons have no faces";
    EXPECT_FALSE(h.view.faces.contains(IDC_STA_AP_BUTTON));
    const ControlLook assocList = LastLook(h.view, IDC_ASSOC_LIST_BUTTON);
    EXPECT_EQ(assocList.iconId, IDI_ASSOC_LIST);
    EXPECT_EQ(assocList.disabledIconId, IDI_ASSOC_LIST_DISABLED);
    EXPECT_EQ(std::u16string(assocList.tooltipKey), u"String2");
    EXPECT_EQ(assocList.tooltipStringId, IDS_ASSOC_LIST_TIP);
    EXPECT_EQ(LastLook(h.view, IDC_ICS_BUTTON).iconId, IDI_ABOUT);
    EXPECT_EQ(LastLook(h.view, IDC_MODE_BUTTON).tooltipStringId, IDS_TO_APSTA_MODE);
    EXPECT_EQ(h.State().trayMenu.launch, u"Launch config utility");
    EXPECT_EQ(h.State().trayMenu.toApStaMode, u"Switch to AP STA mode");
}

TEST(MainWindowStart, ReadsTheStoredSettingsBeforeTheCard) {
    ModelHarness h;
    h.machine.Settings().SetValue(kSettingsKey, kValueIcsCardName, RegistryValue::Sz(u"Realtek PCIe GBE"));
    h.SetIni(u"Home AP", u"secret-key");
    Start(h);

    EXPECT_EQ(h.State().chosenConnection, u"Realtek PCIe GBE");
    EXPECT_EQ(h.Hosted().desiredSsid, u"Home AP");
    EXPECT_EQ(h.Hosted().desiredKey, u"secret-key");
    const auto operations = h.Operations();
    const auto ini = std::ranges::find(operations, "GetPrivateProfileStringW");
    const auto enumeration = std::ranges::find(operations, "WlanEnumInterfaces");
    EXPECT_LT(ini, enumeration);
}

TEST(PageButtons, ShowTheModesPages) {
    struct Case {
        const char* label;
        bool apMode;
        void (MainWindowControl::*press)();
        Calls calls;
    };
    const Case cases[] = {
        {"1000, station", false, &MainWindowControl::OnLinkStatusButton, {"ShowPage LinkStatus"}},
        {"1000, AP+STA", true, &MainWindowControl::OnLinkStatusButton, {"ShowPage ApConfig"}},
        {"1001, station", false, &MainWindowControl::OnAssocListButton, {}},
        {"1001, AP+STA",
         true,
         &MainWindowControl::OnAssocListButton,
         {"ShowPage AssociationList", "RestartPageTimer AssociationList 105 3000"}},
        {"1003, station", false, &MainWindowControl::OnIcsButton, {"ShowPage About", "RefreshVersionInfo"}},
        {"1003, AP+STA", true, &MainWindowControl::OnIcsButton, {"ShowPage Ics", "FillConnectionList 0 0"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.Hosted().apMode = c.apMode;
        (h.Window().*c.press)();
        EXPECT_EQ(h.view.calls, c.calls);
    }
}

TEST(PageButtons, IcsPageComesAfterAFreshAdapterScan) {
    ModelHarness h;
    h.Hosted().apMode = true;
    h.Window().OnIcsButton();
    EXPECT_EQ(h.Operations(), (Calls{"GetAdaptersInfo", "View.ShowPage", "View.FillConnectionList"}));
}

TEST(EnableControlsForRadio, LeavesOnlyTheRadioButtonWithTheRadioOff) {
    struct Case {
        const char* label;
        bool radioOn;
        bool apMode;
        Controls disabled;
    };
    const Case cases[] = {
        {"on, AP+STA", true, true, {}},
        {"on, station", true, false, {IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON}},
        {"off, AP+STA",
         false,
         true,
         {IDC_LINK_STATUS_BUTTON, IDC_ASSOC_LIST_BUTTON, IDC_ADVANCED_BUTTON, IDC_ICS_BUTTON, IDC_MODE_BUTTON,
          IDC_STA_AP_BUTTON, IDC_MODE_PICTURE}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        h.Hosted().apMode = c.apMode;
        for (uint32_t control : kAllControls)
            h.view.EnableButton(control, !c.radioOn);
        h.Window().EnableControlsForRadio(c.radioOn);
        EXPECT_EQ(Disabled(h.view), c.disabled);
    }
}

TEST(HideMainWindow, ClosesARunningWizardFirst) {
    for (bool wizardRunning : {true, false}) {
        SCOPED_TRACE(wizardRunning ? "wizard running" : "no wizard");
        ModelHarness h;
        h.tray.wizardOpen = true;
        h.State().wizardRunning = wizardRunning;
        h.State().wizardShowAgain = true;

        h.Window().HideMainWindow();

        const Calls expected =
            wizardRunning ? Calls{"Tray.CloseSetupWizard", "View.HideToTray"} : Calls{"View.HideToTray"};
        EXPECT_EQ(h.Operations(), expected);
        EXPECT_EQ(h.tray.wizardOpen, !wizardRunning);
        EXPECT_FALSE(h.State().shown);
        EXPECT_FALSE(h.State().wizardShowAgain);
        EXPECT_FALSE(h.State().wizardRunning);
    }
}

}  // namespace
}  // namespace aerowisp
