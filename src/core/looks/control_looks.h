// The two looks of the main window's controls, station and AP+STA, as data that the view applies.
#pragma once

#include <cstdint>
#include <span>

namespace aerowisp {

enum class ModeLook { kStation, kApSta };

// Whether applying a look enables or disables a control; enabling also activates its tooltip.
enum class ControlState { kUnchanged, kEnabled, kDisabled };

struct ControlLook {
    uint32_t controlId = 0;
    // When set: the hover button's SetIcon(iconId, disabledIconId) and its tooltip text, or for the mode
    // picture SetIcon(iconId, tooltipStringId).
    bool setsIcon = false;
    uint32_t iconId = 0;
    uint32_t disabledIconId = 0;  // kNoIcon: none
    // The tooltip is the language string of `tooltipKey`; when the key is null or its string is empty,
    // the string resource `tooltipStringId`.
    const char16_t* tooltipKey = nullptr;
    uint32_t tooltipStringId = 0;
    ControlState state = ControlState::kUnchanged;
    bool repaint = false;
};

// In the order the controls are given their look: 1005, 1007, 1000, 1003, then 1001 and 1002.
std::span<const ControlLook> ControlLooks(ModeLook look);

}  // namespace aerowisp
