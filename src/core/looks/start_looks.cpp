// The looks the main window's buttons start with.
#include "core/looks/start_looks.h"

#include <algorithm>

#include "core/resource.h"
#include "core/lang/language_strings.h"

namespace aerowisp {

ControlLook AssocListLook() {
    return {.controlId = IDC_ASSOC_LIST_BUTTON,
            .setsIcon = true,
            .iconId = IDI_ASSOC_LIST,
            .disabledIconId = IDI_ASSOC_LIST_DISABLED,
            .tooltipKey = kAssociationListTip.key.data(),
            .tooltipStringId = IDS_ASSOC_LIST_TIP};
}

ControlLook RadioButtonLook(bool radioOn) {
    if (radioOn) {
        return {.controlId = IDC_RADIO_BUTTON,
                .setsIcon = true,
                .iconId = IDI_RADIO_ON,
                .disabledIconId = IDI_RADIO_ON_DISABLED,
                .tooltipKey = kRadioOffTip.key.data(),
                .tooltipStringId = IDS_RADIO_OFF_TIP};
    }
    return {.controlId = IDC_RADIO_BUTTON,
            .setsIcon = true,
            .iconId = IDI_RADIO_OFF,
            .disabledIconId = IDI_RADIO_OFF_DISABLED,
            .tooltipKey = kRadioOnTip.key.data(),
            .tooltipStringId = IDS_RADIO_ON_TIP};
}

ControlLook ModeLookOf(ModeLook look, uint32_t controlId) {
    const auto looks = ControlLooks(look);
    const auto found =
        std::ranges::find_if(looks, [&](const ControlLook& entry) { return entry.controlId == controlId; });
    ControlLook entry = found != looks.end() ? *found : ControlLook{.controlId = controlId};
    entry.repaint = false;
    return entry;
}

}  // namespace aerowisp
