// What the main window's initialisation gives its picture buttons: the four faces of each button, and
// the looks that no mode switch sets (the association list button, the radio button).
#pragma once

#include <cstdint>

#include "core/looks/control_looks.h"

namespace aerowisp {

// Bitmap resources of a picture button's faces; 0 means none.
struct ButtonFaces {
    uint32_t normal = 0;
    uint32_t pressed = 0;
    uint32_t hover = 0;
    uint32_t disabled = 0;

    friend bool operator==(const ButtonFaces&, const ButtonFaces&) = default;
};

inline constexpr ButtonFaces kLinkStatusFaces{134, 136, 137, 138};
inline constexpr ButtonFaces kAssocListFaces{139, 140, 141, 142};
inline constexpr ButtonFaces kRadioFaces{143, 144, 145, 146};
inline constexpr ButtonFaces kIcsFaces{147, 148, 149, 150};
// The mode button keeps the faces of the mode the program started in; later switches change only its
// icon and tooltip.
inline constexpr ButtonFaces kModeApStaFaces{155, 156, 157, 158};
inline constexpr ButtonFaces kModeStationFaces{159, 160, 161, 162};

// Button 1001's icons and tooltip; it changes only its enabled state with the mode.
ControlLook AssocListLook();
// Button 1004's icons and tooltip for the radio state: it offers the opposite.
ControlLook RadioButtonLook(bool radioOn);
// The entry of `look` for `controlId` (one of the controls ControlLooks lists), without a repaint.
ControlLook ModeLookOf(ModeLook look, uint32_t controlId);

}  // namespace aerowisp
