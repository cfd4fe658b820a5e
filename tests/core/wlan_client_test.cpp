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
constexpr char16_t kSecondCard[] = u"Atheros AR9285 Wireless Network Adapter";
constexpr char16_t kThirdCard[] = u"Carte réseau sans fil USB";
constexpr char16_t kThirdCardGuid[] = u"00000003-0000-0000-0000-000000000000";
constexpr char kAllow[] = "WlanHostedNetworkSetProperty";

// The harness's card, then `extra` more cards (at most two) in this order.
void AddCards(ModelHarness& h, size_t extra) {
    const char16_t* descriptions[] = {kSecondCard, kThirdCard};
    for (size_t i = 0; i < extra; ++i) {
        ScenarioCard card;
        card.guid.data1 = static_cast<uint32_t>(i + 2);
        card.description = descriptions[i];
        h.machine.Wlan().InsertCard(card);
    }
}

// The harness with no client handle open yet, as the main window is before its first discovery.
void CloseHarnessHandle(ModelHarness& h) {
    h.machine.Wlan().CloseHandle(h.State().wlanHandle);
    h.State().wlanHandle = 0;
    h.Log().Clear();
}

TEST(DiscoverInterface, OpensTheHandleOnceAllowsTheHostedNetworkAndClosesOnce) {
    ModelHarness h;
    CloseHarnessHandle(h);

    h.model.DiscoverInterface(true);
    const WlanHandle handle = h.State().wlanHandle;
    h.model.DiscoverInterface(false);

    EXPECT_EQ(h.Operations(), (Ops{"WlanOpenHandle", "WlanEnumInterfaces", "SetTimer", kAllow,
                                   "WlanEnumInterfaces", "KillTimer", "SetTimer", kAllow}));
    EXPECT_EQ(h.Log().Find("WlanOpenHandle").front().arguments,
              "clientVersion=2 handle=" + std::to_string(handle));
    EXPECT_EQ(h.Log().Find(kAllow).front().arguments,
              "handle=" + std::to_string(handle) + " opcode=3 dataSize=4 enable=1");
    EXPECT_EQ(h.Log().Find("SetTimer").front().arguments, "id=108 period=6000");
    EXPECT_TRUE(h.machine.Wlan().HostedNetworkAllowed());
    EXPECT_TRUE(h.State().cardPresent);
    EXPECT_TRUE(h.Hosted().startGuard);
    const WlanClientState& client = h.model.Wlan().State();
    EXPECT_EQ(client.cardDescription, kFirstCard);
    EXPECT_EQ(client.interfaceGuidText, kFirstCardGuid);
    ASSERT_TRUE(client.interfaces.has_value());
    EXPECT_EQ(client.interfaces->interfaces.size(), 1u);
    EXPECT_EQ(h.view.calls, Ops{}) << "one card: no selection dialog";

    h.Log().Clear();
    h.model.OnClose();
    h.model.OnClose();
    EXPECT_EQ(h.Count("WlanCloseHandle"), 1u);
    EXPECT_EQ(h.State().wlanHandle, 0u);
    EXPECT_FALSE(client.interfaces.has_value());
    EXPECT_EQ(h.machine.Wlan().OpenHandleCount(), 0u);
}

struct ChoiceCase {
    const char* label;
    size_t extraCards;
    bool allowDialog;
    std::optional<size_t> answer;  // nothing: the dialog is closed
    bool dialogShown;
    const char16_t* chosen;
    const char16_t* chosenGuid;
    size_t selectedIndex;
};

TEST(DiscoverInterface, ChoosesTheCard) {
    const std::string listed =
        "\"Intel(R) Centrino(R) Advanced-N 6205\" "
        "\"Atheros AR9285 Wireless Network Adapter\" \"Carte réseau sans fil USB\"";
    const ChoiceCase cases[] = {
        {"one card at start-up", 0, true, 1, false, kFirstCard, kFirstCardGuid, 0},
        {"several, OK on the third", 2, true, 2, true, kThirdCard, kThirdCardGuid, 2},
        {"several, dialog closed", 2, true, std::nullopt, true, kFirstCard, kFirstCardGuid, 0},
        {"several on re-discovery", 2, false, 2, false, kFirstCard, kFirstCardGuid, 0},
        {"OK with an index beyond the list", 2, true, 7, true, kFirstCard, kFirstCardGuid, 7},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        AddCards(h, c.extraCards);
        h.view.cardAnswers.push_back(c.answer);

        h.model.DiscoverInterface(c.allowDialog);

        EXPECT_EQ(h.Count("View.SelectCardDialog"), c.dialogShown ? 1u : 0u);
        if (c.dialogShown) {
            EXPECT_EQ(h.OnlyArguments("View.SelectCardDialog"), listed);
            EXPECT_EQ(h.Operations(),
                      (Ops{"WlanEnumInterfaces", "View.SelectCardDialog", "SetTimer", kAllow}));
        }
        EXPECT_TRUE(h.State().cardPresent);
        EXPECT_EQ(h.model.Wlan().State().cardDescription, c.chosen);
        EXPECT_EQ(h.model.Wlan().State().interfaceGuidText, c.chosenGuid);
        EXPECT_EQ(h.model.Wlan().State().selectedIndex, c.selectedIndex);
    }
}

TEST(DiscoverInterface, RediscoveryTakesTheFirstCardWhateverTheUserChoseBefore) {
    ModelHarness h;
    AddCards(h, 2);
    h.view.cardAnswers.push_back(1);
    h.model.DiscoverInterface(true);
    ASSERT_EQ(h.model.Wlan().State().cardDescription, kSecondCard);

    h.model.DiscoverInterface(false);

    EXPECT_EQ(h.Count("View.SelectCardDialog"), 1u);
    EXPECT_EQ(h.model.Wlan().State().cardDescription, kFirstCard);
    EXPECT_EQ(h.model.Wlan().State().selectedIndex, 1u);
}

struct FailureCase {
    const char* label;
    bool discoveredBefore;
    const char* failing;  // the journal name of the call that fails; null: none
    bool cardsRemoved;
    bool listHeld;
    bool allowed;
};

// A discovery that finds no card keeps what an earlier one knew of the card; only a successful
// enumeration, even an empty one, keeps a list and allows the hosted network.
TEST(DiscoverInterface, FindingNoCardKeepsWhatWasKnown) {
    const FailureCase cases[] = {
        {"open fails on the first discovery", false, "WlanOpenHandle", false, false, false},
        {"enumeration fails on the first discovery", false, "WlanEnumInterfaces", false, false, false},
        {"enumeration fails later", true, "WlanEnumInterfaces", false, false, false},
        {"every card removed", true, nullptr, true, true, true},
    };
    for (const FailureCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        CloseHarnessHandle(h);
        if (c.discoveredBefore)
            h.model.DiscoverInterface(true);
        if (c.failing != nullptr)
            h.machine.Failures().FailAlways(c.failing, kErrorInvalidState);
        if (c.cardsRemoved) {
            const Guid only = h.machine.Wlan().Cards().front().guid;
            h.machine.Wlan().RemoveCard(only);
        }
        h.Log().Clear();

        h.model.DiscoverInterface(true);

        const WlanClientState& client = h.model.Wlan().State();
        EXPECT_FALSE(h.State().cardPresent);
        EXPECT_EQ(client.interfaces.has_value(), c.listHeld);
        EXPECT_EQ(h.Count(kAllow), c.allowed ? 1u : 0u);
        EXPECT_EQ(h.Count("View.SelectCardDialog"), 0u);
        EXPECT_EQ(client.cardDescription, c.discoveredBefore ? kFirstCard : u"");
        EXPECT_EQ(client.interfaceGuidText.has_value(), c.discoveredBefore);
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
        {"same text", kSecondCard, false, true},
        {"A-Z case differs", u"ATHEROS ar9285 wireless NETWORK adapter", false, true},
        {"case of a letter beyond A-Z differs", u"Carte rÉseau sans fil USB", false, false},
        {"another card", u"Realtek RTL8187 Wireless", false, false},
        {"a prefix of the description", u"Atheros AR9285", false, false},
        {"service fails", kSecondCard, true, false},
    };
    for (const PresenceCase& c : cases) {
        SCOPED_TRACE(c.label);
        ModelHarness h;
        AddCards(h, 2);
        h.view.cardAnswers.push_back(2);
        h.model.DiscoverInterface(true);
        const WlanClientState before = h.model.Wlan().State();
        if (c.failEnumeration)
            h.machine.Failures().FailAlways("WlanEnumInterfaces", kErrorInvalidState);
        h.State().cardPresent = !c.present;
        h.Log().Clear();

        EXPECT_EQ(h.model.IsSelectedCardPresent(c.description), c.present);

        EXPECT_EQ(h.State().cardPresent, c.present);
        EXPECT_EQ(h.Operations(), Ops{"WlanEnumInterfaces"});
        const WlanClientState& after = h.model.Wlan().State();
        EXPECT_EQ(after.cardDescription, before.cardDescription);
        EXPECT_EQ(after.interfaceGuidText, before.interfaceGuidText);
        EXPECT_EQ(after.selectedIndex, before.selectedIndex);
        EXPECT_EQ(after.interfaces->interfaces.size(), 3u);
    }
}

TEST(IsSelectedCardPresent, AnEmptyDescriptionIsAbsentWithoutAskingTheService) {
    ModelHarness h;
    h.State().cardPresent = true;
    EXPECT_FALSE(h.model.IsSelectedCardPresent(u""));
    EXPECT_FALSE(h.State().cardPresent);
    EXPECT_EQ(h.Operations(), Ops{});
}

}  // namespace
}  // namespace aerowisp
