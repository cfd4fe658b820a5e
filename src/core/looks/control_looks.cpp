// The station and AP+STA looks of the main window's controls.
#include "core/looks/control_looks.h"

#include "core/resource.h"
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
    return {.controlId = IDC_MODE_PICTURE, .setsIcon = true, .iconId = icon, .tooltipStringId = stringId};
}

constexpr ControlLook StateLook(uint32_t control, ControlState state) {
    return {.controlId = control, .state = state};
}

constexpr ControlLook kApStaLook[] = {
    ButtonLook(IDC_MODE_BUTTON, IDI_MODE_SWITCH, IDI_MODE_SWITCH_DISABLED, kToStaModeTip.key.data(),
               IDS_TO_STA_MODE, false),
    PictureLook(IDI_APSTA_MODE, IDS_TO_STA_MODE),
    ButtonLook(IDC_LINK_STATUS_BUTTON, IDI_AP_CONFIG, IDI_AP_CONFIG_DISABLED, kConfigTip.key.data(),
               IDS_CONFIG_TIP, true),
    ButtonLook(IDC_ICS_BUTTON, IDI_ICS, kNoIcon, kIcsTip.key.data(), IDS_ICS_TIP, true),
    StateLook(IDC_ASSOC_LIST_BUTTON, ControlState::kEnabled),
    StateLook(IDC_ADVANCED_BUTTON, ControlState::kEnabled),
};

constexpr ControlLook kStationLook[] = {
    ButtonLook(IDC_MODE_BUTTON, IDI_MODE_SWITCH, IDI_MODE_SWITCH_DISABLED, kToApStaModeTip.key.data(),
               IDS_TO_APSTA_MODE, false),
    PictureLook(IDI_STATION_MODE, IDS_TO_APSTA_MODE),
    ButtonLook(IDC_LINK_STATUS_BUTTON, IDI_LINK_STATUS, IDI_LINK_STATUS_DISABLED, kLinkStatusTip.key.data(),
               IDS_LINK_STATUS_TIP, true),
    ButtonLook(IDC_ICS_BUTTON, IDI_ABOUT, kNoIcon, kAboutTip.key.data(), IDS_ABOUT_TIP, true),
    StateLook(IDC_ASSOC_LIST_BUTTON, ControlState::kDisabled),
    StateLook(IDC_ADVANCED_BUTTON, ControlState::kDisabled),
};

}  // namespace

std::span<const ControlLook> ControlLooks(ModeLook look) {
    if (look == ModeLook::kApSta)
        return kApStaLook;
    return kStationLook;
}

}  // namespace aerowisp
