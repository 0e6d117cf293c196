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
inline Colour playerBlue() { return rgb(0x1f5fd0); } // the player's digits
inline Colour conflictRed() { return rgb(0xd23a2f); }
inline Colour pencilGrey() { return rgb(0x6b717d); }
inline Colour doneGreen() { return rgb(0x2f9a5c); }
inline Colour borderInk() { return rgb(0x353a46); }

// Zone tints: Paul Tol's "light" scheme (built to stay apart for colour-blind eyes) with a
// lavender in place of its olive, softened towards paper so the digits keep their contrast.
inline Colour zoneColour(int zone)
{
    static const uint32_t tints[9] = {0x77aadd, 0xee8866, 0xeedd88, 0xffaabb, 0x99ddff,
                                      0x44bb99, 0xbbcc33, 0xdddddd, 0xc3b1e1};
    return rgb(tints[(zone - 1) % 9]);
}
inline Colour zoneTint(int zone) { return mix(zoneColour(zone), rgb(0xfffdf8), 0.52); }

}  // namespace palette
