// The looks the main window's buttons start with.
#include "core/app/start_looks.h"

#include <algorithm>

#include "core/app/ids.h"
#include "core/lang/language_strings.h"

namespace aerowisp {

ControlLook AssocListLook() {
    return {.controlId = kIdcAssocListButton,
            .setsIcon = true,
            .iconId = kIdiAssocList,
            .disabledIconId = kIdiAssocListDisabled,
            .tooltipKey = kAssociationListTip.key.data(),
            .tooltipStringId = kIdsAssocListTip};
}

ControlLook RadioButtonLook(bool radioOn) {
    if (radioOn) {
        return {.controlId = kIdcRadioButton,
                .setsIcon = true,
                .iconId = kIdiRadioOn,
                .disabledIconId = kIdiRadioOnDisabled,
                .tooltipKey = kRadioOffTip.key.data(),
                .tooltipStringId = kIdsRadioOffTip};
    }
    return {.controlId = kIdcRadioButton,
            .setsIcon = true,
            .iconId = kIdiRadioOff,
            .disabledIconId = kIdiRadioOffDisabled,
            .tooltipKey = kRadioOnTip.key.data(),
            .tooltipStringId = kIdsRadioOnTip};
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
