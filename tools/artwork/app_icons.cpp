// app_icons.cpp: the icons of the game installed from its browser page: the ordinary ones (the
// desktop icon's rounded tile on a clear ground, at the sizes a web app manifest asks for), a
// maskable one and the one a phone's home screen takes from "apple-touch-icon".
#include "artwork.h"

#include <string>

namespace {

// The dark tile to every edge, for a system that cuts its own shape out of the icon; the
// squares take `content` of the side, centred.
Canvas fullBleedIcon(int size, double content)
{
    Canvas canvas(size, size);
    Box whole{0, 0, static_cast<double>(size), static_cast<double>(size)};
    fillRoundedGradient(canvas.cr(), whole, 0, rgb(0x3a4254), rgb(0x242935));
    double side = size * content;
    double offset = (size - side) / 2;
    paintIconSquares(canvas, {offset, offset, side, side}, side);
    return canvas;
}

}  // namespace

std::vector<OutputFile> appIcons()
{
    std::vector<OutputFile> icons;
    for (int size : {192, 512})
        icons.push_back({"icon-" + std::to_string(size) + ".png", iconPicture(size).png()});
    // A maskable icon's shape may be any the system likes, down to a circle of 80 % of the side:
    // the squares stay within it (a square of 56 % of the side has its corners on that circle).
    icons.push_back({"icon-maskable-512.png", fullBleedIcon(512, 0.56).png()});
    // A home screen rounds the corners itself and shows no transparency.
    icons.push_back({"apple-touch-icon.png", fullBleedIcon(180, 0.74).png()});
    return icons;
}
