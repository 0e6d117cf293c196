// geometry.cpp: rectangle tests and colour packing.
#include "base/geometry.h"

#include <cmath>

namespace {

uint32_t pack(uint32_t alpha, uint32_t red, uint32_t green, uint32_t blue)
{
    return (alpha & 0xffu) << 24 | (red & 0xffu) << 16 | (green & 0xffu) << 8 | (blue & 0xffu);
}

// A float channel times 255, truncated toward zero. Values no integer can hold (and NaN)
// give 0 instead of undefined behaviour.
uint32_t scaledChannel(float level)
{
    float scaled = level * 255.0f;
    if (!(std::fabs(scaled) < 2147483648.0f)) {
        return 0;
    }
    return static_cast<uint32_t>(static_cast<int32_t>(scaled));
}

} // namespace

void BWRect::set(int32_t newX, int32_t newY, int32_t newW, int32_t newH)
{
    x = newX;
    y = newY;
    w = newW;
    h = newH;
}

bool BWRect::contains(int32_t px, int32_t py) const
{
    return px >= x && px <= x + w && py >= y && py <= y + h;
}

bool BWRect::contains(int32_t ox, int32_t oy, int32_t ow, int32_t oh) const
{
    return ox >= x && oy >= y && ox + ow <= x + w && oy + oh <= y + h;
}

BWColor::BWColor(float alpha, float red, float green, float blue)
    : value(pack(scaledChannel(alpha), scaledChannel(red), scaledChannel(green), scaledChannel(blue)))
{
}

BWColor::BWColor(int alpha, int red, int green, int blue)
    : value(pack(static_cast<uint32_t>(alpha), static_cast<uint32_t>(red),
                 static_cast<uint32_t>(green), static_cast<uint32_t>(blue)))
{
}
