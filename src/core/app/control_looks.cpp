// The station and AP+STA looks of the main window's controls.
#include "core/app/control_looks.h"

#include "core/app/ids.h"
#include "core/lang/language_strings.h"

namespace aerowisp {
namespace {

// A look that sets a button's icons and tooltip.
constexpr ControlLook ButtonLook(uint32_t control, uint32_t icon, uint32_t disabledIcon, const char16_t* key,
                                 uint32_t stringId, bool repaint) {
    return {.controlId = control,
            .setsIcon = true,
            .iconId = icon,
            .disabledIconId = disabledIcon,
            .tooltipKey = key,
            .tooltipStringId = stringId,
            .repaint = repaint};
}

constexpr ControlLook PictureLook(uint32_t icon, uint32_t stringId) {
    return {.controlId = kIdcModePicture, .setsIcon = true, .iconId = icon, .tooltipStringId = stringId};
}

constexpr ControlLook StateLook(uint32_t control, ControlState state) {
    return {.controlId = control, .state = state};
}

constexpr ControlLook kApStaLook[] = {
    ButtonLook(kIdcModeButton, kIdiModeButton, kIdiModeButtonDisabled, kToStaModeTip.key.data(),
               kIdsToStaMode, false),
    PictureLook(kIdiApStaMode, kIdsToStaMode),
    ButtonLook(kIdcLinkStatusButton, kIdiConfig, kIdiConfigDisabled, kConfigTip.key.data(), kIdsConfigTip,
               true),
    ButtonLook(kIdcIcsButton, kIdiIcs, kNoIcon, kIcsTip.key.data(), kIdsIcsTip, true),
    StateLook(kIdcAssocListButton, ControlState::kEnabled),
    StateLook(kIdcAdvancedButton, ControlState::kEnabled),
};

constexpr ControlLook kStationLook[] = {
    ButtonLook(kIdcModeButton, kIdiModeButton, kIdiModeButtonDisabled, kToApStaModeTip.key.data(),
               kIdsToApStaMode, false),
    PictureLook(kIdiStationMode, kIdsToApStaMode),
    ButtonLook(kIdcLinkStatusButton, kIdiLinkStatus, kIdiLinkStatusDisabled, kLinkStatusTip.key.data(),
               kIdsLinkStatusTip, true),
    ButtonLook(kIdcIcsButton, kIdiAbout, kNoIcon, kAboutTip.key.data(), kIdsAboutTip, true),
    StateLook(kIdcAssocListButton, ControlState::kDisabled),
    StateLook(kIdcAdvancedButton, ControlState::kDisabled),
};

}  // namespace

std::span<const ControlLook> ControlLooks(ModeLook look) {
    if (look == ModeLook::kApSta)
        return kApStaLook;
    return kStationLook;
}

}  // namespace aerowisp
