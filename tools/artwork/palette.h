// palette.h: the colours of the whole look, in one place so every picture agrees.
#pragma once

#include "canvas.h"

namespace palette {

inline Colour ink() { return rgb(0x262b35); }        // givens, labels
inline Colour inkSoft() { return rgb(0x545b68); }    // body text
inline Colour inkFaint() { return rgb(0x8d929c); }   // captions
inline Colour hairline() { return rgb(0xe2dccf); }
inline Colour accent() { return rgb(0x3d6fdc); }     // buttons, selection, check marks
inline Colour accentDeep() { return rgb(0x2a55b8); }
inline Colour accentSoft() { return rgb(0xdde7fb); }
inline Colour playerBlue() { return rgb(0x1d4fb8); } // the player's digits
inline Colour conflictRed() { return rgb(0xb8281f); }
inline Colour pencilGrey() { return rgb(0x555b67); }
inline Colour doneGreen() { return rgb(0x2f9a5c); }
inline Colour borderInk() { return rgb(0x353a46); }

// Zone tints: hues of Paul Tol's "light" scheme, each softened towards paper by its own amount.
// The amounts and the order were picked so that every pair stays apart under simulated protan,
// deutan and tritan vision too (most of all the neighbouring classic boxes), while the digits
// keep their contrast (3.6:1 or more for the red, blue and grey digits on every tint).
// zoneColour is the unsoftened hue, for small marks such as the icon.
struct ZoneHue {
    uint32_t hue;
    double softening;
};
inline const ZoneHue& zoneHue(int zone)
{
    static const ZoneHue hues[9] = {{0x77aadd, 0.4}, {0xbbcc33, 0.5}, {0x44bb99, 0.4},
                                    {0xdddddd, 0.5}, {0xee8866, 0.4}, {0xaaaa00, 0.45},
                                    {0xffcc99, 0.4}, {0x99ddff, 0.3}, {0xffaabb, 0.3}};
    return hues[(zone - 1) % 9];
}
inline Colour zoneColour(int zone) { return rgb(zoneHue(zone).hue); }
inline Colour zoneTint(int zone) { return mix(zoneColour(zone), rgb(0xfffdf8), zoneHue(zone).softening); }

}  // namespace palette
