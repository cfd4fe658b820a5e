// The looks the main window's buttons start with.
#include "core/app/start_looks.h"

#include <algorithm>

#include "core/app/ids.h"

namespace aerowisp {

ControlLook AssocListLook() {
    return {.controlId = kIdcAssocListButton,
            .setsIcon = true,
            .iconId = kIdiAssocList,
            .disabledIconId = kIdiAssocListDisabled,
            .tooltipKey = u"String2",
            .tooltipStringId = kIdsAssocListTip};
}

ControlLook RadioButtonLook(bool radioOn) {
    if (radioOn) {
        return {.controlId = kIdcRadioButton,
                .setsIcon = true,
                .iconId = kIdiRadioOn,
                .disabledIconId = kIdiRadioOnDisabled,
                .tooltipKey = u"String4",
                .tooltipStringId = kIdsRadioOffTip};
    }
    return {.controlId = kIdcRadioButton,
            .setsIcon = true,
            .iconId = kIdiRadioOff,
            .disabledIconId = kIdiRadioOffDisabled,
            .tooltipKey = u"String5",
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
