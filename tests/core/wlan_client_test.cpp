// The WLAN client: opening the handle, choosing the card among the interfaces (with the selection dialog
// at start-up only), the presence check after a removal, what failures of the service leave behind.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/model_harness.h"

namespace aerowisp {
namespace {

using test::ModelHarness;
using Ops = std::vector<std::string>;

constexpr char16_t kFirstCard[] = u"Intel(R) Centrino(R) Advanced-N 6205";
constexpr char16_t kFirstCardGuid[] = u"1d2c3b4a-5e6f-4a7b-8c9d-aebfc0d1e2f3";
constexpr char16_t kThirdCard[] = u"Carte réseau sans fil USB";
constexpr char16_t kThirdCardGuid[] = u"00000003-0000-0000-0000-000000000000";
constexpr char kAllow[] = "WlanHostedNetworkSetProperty";

// The harness's card, then two more: three cards in this order.
void AddTwoCards(ModelHarness& h) {
    const char16_t* descriptions[] = {u"Atheros AR9285 Wireless Network Adapter", kThirdCard};
    for (uint32_t i = 0; i < 2; ++i) {
        ScenarioCard card;
        card.guid.data1 = i + 2;
        card.description = descriptions[i];
        h.machine.Wlan().InsertCard(card);
    }
}

// As the main window is before its first discovery: no client handle.
void CloseHarnessHandle(ModelHarness& h) {
    h.machine.Wlan().CloseHandle(h.State().wlanHandle);
    h.State().wlanHandle = 0;
    h.Log().Clear();
}

TEST(DiscoverInterface, OpensTheHandleOnceAllowsTheHostedNetworkEachTimeAndClosesOnce) {
    ModelHarness h;
    CloseHarnessHandle(h);

    h.model.DiscoverInterface(true);
    const std::string handle = "handle=" + std::to_string(h.State().wlanHandle);
    h.model.DiscoverInterface(false);

    EXPECT_EQ(h.Operations(), (Ops{"WlanOpenHandle", "WlanEnumInterfaces", "SetTimer", kAllow,
                                   "WlanEnumInterfaces", "KillTimer", "SetTimer", kAllow}));
    EXPECT_EQ(h.Log().Find("WlanOpenHandle").front().arguments, "clientVersion=2 " + handle);
    EXPECT_EQ(h.Log().Find(kAllow).back().arguments, handle + " opcode=3 dataSize=4 enable=1");
    EXPECT_EQ(h.Log().Find("SetTimer").back().arguments, "id=108 period=6000");

    h.Log().Clear();
    h.model.OnClose();
    h.model.OnClose();
    EXPECT_EQ(h.Count("WlanCloseHandle"), 1u);
    EXPECT_FALSE(h.Wlan().State().interfaces.has_value());
    EXPECT_EQ(h.machine.Wlan().OpenHandleCount(), 0u);
}

struct ChoiceCase {
    const char* label;
    bool threeCards;
    bool allowDialog;
    std::optional<size_t> answer;  // nothing: the dialog is closed
    bool dialogShown;
    const char16_t* chosen;
    const char16_t* chosenGuid;
    size_t selectedIndex;
};

TEST(DiscoverInterface, ChoosesTheCard) {
    const ChoiceCase cases[] = {
        {"one card at start-up", false, true, 1, false, kFirstCard, kFirstCardGuid, 0},
        {"several, OK on the third", true, true, 2, true, kThirdCard, kThirdCardGuid, 2},
        {"several, dialog closed", true, true, std::nullopt, true, kFirstCard, kFirstCardGuid, 0},
        {"several on re-discovery", true, false, 2, false, kFirstCard, kFirstCardGuid, 0},
        {"OK with an index beyond the list", true, true, 7, true, kFirstCard, kFirstCardGuid, 7},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        if (c.threeCards)
            AddTwoCards(h);
        h.view.cardAnswers.push_back(c.answer);

        h.model.DiscoverInterface(c.allowDialog);

        if (c.dialogShown) {
            EXPECT_EQ(h.Operations(),
                      (Ops{"WlanEnumInterfaces", "View.SelectCardDialog", "SetTimer", kAllow}));
            EXPECT_EQ(h.OnlyArguments("View.SelectCardDialog"),
                      "\"Intel(R) Centrino(R) Advanced-N 6205\" \"Atheros AR9285 Wireless Network Adapter\" "
                      "\"Carte réseau sans fil USB\"");
        } else {
            EXPECT_EQ(h.Count("View.SelectCardDialog"), 0u);
        }
        EXPECT_TRUE(h.State().cardPresent);
        EXPECT_EQ(h.Wlan().State().cardDescription, c.chosen);
        EXPECT_EQ(h.Wlan().State().interfaceGuidText, c.chosenGuid);
        EXPECT_EQ(h.Wlan().State().selectedIndex, c.selectedIndex);
    }
}

struct FailureCase {
    const char* label;
    bool discoveredBefore;
    const char* failing;  // the journal name of the call that fails; null: none
    bool listHeld;        // and the hosted network allowed
};

// Only a successful enumeration, even an empty one, keeps a list and allows the hosted network; what an
// earlier discovery knew of the card stays.
TEST(DiscoverInterface, FindingNoCardKeepsWhatWasKnown) {
    const FailureCase cases[] = {
        {"open fails on the first discovery", false, "WlanOpenHandle", false},
        {"enumeration fails on the first discovery", false, "WlanEnumInterfaces", false},
        {"enumeration fails later", true, "WlanEnumInterfaces", false},
        {"every card removed", true, nullptr, true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        CloseHarnessHandle(h);
        if (c.discoveredBefore)
            h.model.DiscoverInterface(true);
        if (c.failing != nullptr) {
            h.machine.Failures().FailAlways(c.failing, kErrorInvalidState);
        } else {
            const Guid only = h.machine.Wlan().Cards().front().guid;
            h.machine.Wlan().RemoveCard(only);
        }
        h.Log().Clear();

        h.model.DiscoverInterface(true);

        const WlanClientState& client = h.Wlan().State();
        EXPECT_FALSE(h.State().cardPresent);
        EXPECT_EQ(client.interfaces.has_value(), c.listHeld);
        EXPECT_EQ(h.Count(kAllow), c.listHeld ? 1u : 0u);
        EXPECT_EQ(client.cardDescription, c.discoveredBefore ? kFirstCard : u"");
        EXPECT_EQ(client.interfaceGuidText.has_value(), c.discoveredBefore);
    }
}

// Where Windows has no WLAN service every call gives ERROR_SERVICE_DOES_NOT_EXIST: no card, and the About
// page says why instead of an empty device name. Any other failure of the open is only "no card".
TEST(DiscoverInterface, TellsWhenTheWlanServiceIsNotInstalled) {
    struct Case {
        const char* label;
        WlanResult openError;
        bool missing;
        std::u16string deviceName;
    };
    const Case cases[] = {
        {"service not installed", kErrorServiceNotInstalled, true,
         u"The Wireless LAN Service is not installed on this computer."},
        {"service not answering", kErrorInvalidState, false, u""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        CloseHarnessHandle(h);
        h.machine.Failures().FailAlways("WlanOpenHandle", c.openError);
        h.machine.Failures().FailAlways("WlanEnumInterfaces", c.openError);

        h.model.DiscoverInterface(true);

        EXPECT_FALSE(h.State().cardPresent);
        EXPECT_EQ(h.State().wlanServiceMissing, c.missing);
        EXPECT_EQ(AboutPageDeviceName(h.State(), h.Wlan().State(), h.model.Texts()), c.deviceName);
    }
}

struct PresenceCase {
    const char* label;
    std::u16string description;
    bool failEnumeration;
    bool present;
};

TEST(IsSelectedCardPresent, MatchesTheDescriptionIgnoringOnlyTheCaseOfAToZ) {
    const PresenceCase cases[] = {
        {"same text", u"Atheros AR9285 Wireless Network Adapter", false, true},
        {"A-Z case differs", u"ATHEROS ar9285 wireless NETWORK adapter", false, true},
        {"case of a letter beyond A-Z differs", u"Carte rÉseau sans fil USB", false, false},
        {"a prefix of the description", u"Atheros AR9285", false, false},
        {"service fails", u"Atheros AR9285 Wireless Network Adapter", true, false},
        {"empty: the service is not asked", u"", false, false},
    };
    for (const PresenceCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        AddTwoCards(h);
        h.view.cardAnswers.push_back(2);
        h.model.DiscoverInterface(true);
        const WlanClientState before = h.Wlan().State();
        if (c.failEnumeration)
            h.machine.Failures().FailAlways("WlanEnumInterfaces", kErrorInvalidState);
        h.State().cardPresent = !c.present;
        h.Log().Clear();

        EXPECT_EQ(h.model.IsSelectedCardPresent(c.description), c.present);

        EXPECT_EQ(h.State().cardPresent, c.present);
        const size_t enumerations = c.failEnumeration ? kPlatformAttempts : 1;
        EXPECT_EQ(h.Count("WlanEnumInterfaces"), c.description.empty() ? 0u : enumerations);
        const WlanClientState& after = h.Wlan().State();
        EXPECT_EQ(after.cardDescription, before.cardDescription);
        EXPECT_EQ(after.interfaceGuidText, before.interfaceGuidText);
        EXPECT_EQ(after.selectedIndex, before.selectedIndex);
    }
}

}  // namespace
}  // namespace aerowisp
