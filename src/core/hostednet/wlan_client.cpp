// The main window's WLAN client.
#include "core/hostednet/wlan_client.h"

#include <vector>

#include "core/platform/guid.h"
#include "core/text/ascii_case.h"

namespace aerowisp {

WlanClient::WlanClient(const ModelPorts& ports, MainView& view, MainWindowState& state,
                       HostedNetworkControl& hostedNetwork)
    : ports_(ports), view_(view), state_(state), hostedNetwork_(hostedNetwork) {}

void WlanClient::DiscoverInterface(bool allowDialog) {
    client_.interfaces.reset();
    // A failed open leaves no handle; the enumeration below then fails and the card counts as absent.
    if (state_.wlanHandle == 0) {
        const WlanResult opened = ports_.wlan.OpenHandle(kWlanClientVersion, state_.wlanHandle);
        if (opened != kWlanSuccess)
            state_.wlanHandle = 0;
        state_.wlanServiceMissing = opened == kErrorServiceNotInstalled;
    }

    WlanInterfaceList list;
    if (ports_.wlan.EnumInterfaces(state_.wlanHandle, list) != kWlanSuccess) {
        state_.cardPresent = false;
        return;
    }
    client_.interfaces = list;
    state_.cardPresent = !list.interfaces.empty();
    if (state_.cardPresent) {
        // The list kept above may be replaced while the selection dialog is open (the timers keep
        // running), so the choice is read from the list the user was shown.
        const WlanInterfaceInfo& card = list.interfaces[ChooseAmong(list, allowDialog)];
        client_.cardDescription = card.description;
        client_.interfaceGuidText = GuidToString(card.interfaceGuid);
    }
    hostedNetwork_.AllowHostedNetwork();
}

size_t WlanClient::ChooseAmong(const WlanInterfaceList& list, bool allowDialog) {
    if (list.interfaces.size() == 1 || !allowDialog)
        return 0;
    std::vector<std::u16string> descriptions;
    descriptions.reserve(list.interfaces.size());
    for (const WlanInterfaceInfo& entry : list.interfaces)
        descriptions.push_back(entry.description);
    const std::optional<size_t> taken = view_.RunSelectCardDialog(descriptions);
    if (!taken)
        return 0;
    client_.selectedIndex = *taken;
    return *taken < list.interfaces.size() ? *taken : 0;
}

bool WlanClient::IsSelectedCardPresent(std::u16string_view description) {
    state_.cardPresent = false;
    if (description.empty())
        return false;
    WlanInterfaceList list;
    if (ports_.wlan.EnumInterfaces(state_.wlanHandle, list) != kWlanSuccess)
        return false;
    for (const WlanInterfaceInfo& entry : list.interfaces) {
        if (EqualsIgnoringCaseAZ(description, entry.description)) {
            state_.cardPresent = true;
            return true;
        }
    }
    return false;
}

std::u16string AboutPageDeviceName(const MainWindowState& state, const WlanClientState& client,
                                   const LanguageTexts& texts) {
    if (state.wlanServiceMissing && client.cardDescription.empty())
        return texts.ShownText(kWlanServiceMissingNotice);
    return client.cardDescription;
}

void WlanClient::CloseClient() {
    if (state_.wlanHandle != 0) {
        ports_.wlan.CloseHandle(state_.wlanHandle);
        state_.wlanHandle = 0;
    }
    client_.interfaces.reset();
}

}  // namespace aerowisp
