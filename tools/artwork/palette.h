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

// The nine zones. Each has a light tint that fills its cells, a pattern ink for the quiet pattern
// drawn over the tint (see zone_patterns.h), and a deeper colour for small marks such as the icon.
// The tints were searched for so that every pair is at least 20 apart in CIELAB (CIE76) and at least
// 10 apart under simulated protan, deutan and tritan vision, while each stays as light as the zone
// whose tint gave the digits their least contrast before, so every digit ink reads as well as it did.
// The pattern ink is about 9 lightness units lighter than the deeper tints and 6.5 darker than the
// paler ones (dark lines catch the eye sooner), never darker than that limit: the patterns tell the
// zones apart in greyscale.
struct ZoneLook {
    uint32_t tint;
    uint32_t pattern;
    uint32_t deep;
};
inline const ZoneLook& zoneLook(int zone)
{
    static const ZoneLook looks[9] = {
        {0xabc9fe, 0xcfe2ff, 0x61a2f3},  // periwinkle
        {0xedfcba, 0xd9ea9f, 0xbad56d},  // pale lime
        {0xb4ffd5, 0x98eebf, 0x59dc9d},  // mint
        {0xddfbf6, 0xc7e9e4, 0xa4d4cc},  // pale aqua
        {0xffb7a3, 0xffd5c7, 0xec8267},  // salmon
        {0xf2ce94, 0xffe9c0, 0xd2a345},  // sand
        {0xd4c5be, 0xeadfda, 0xb19b90},  // taupe
        {0x84d5db, 0xb5ebef, 0x19b0b9},  // teal
        {0xfed5ff, 0xefc1f1, 0xe2a3e5},  // lilac
    };
    return looks[(zone - 1 + 9) % 9];
}
inline Colour zoneTint(int zone) { return rgb(zoneLook(zone).tint); }
inline Colour zonePatternInk(int zone) { return rgb(zoneLook(zone).pattern); }
inline Colour zoneColour(int zone) { return rgb(zoneLook(zone).deep); }

}  // namespace palette
