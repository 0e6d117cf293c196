// icon.cpp: the program's icon: nine zone tints on a dark tile, as PNGs and as a Windows ".ico".
#include "artwork.h"
#include "palette.h"
#include "typeface.h"

#include <cmath>
#include <string>

namespace {

void paintIcon(Canvas& canvas)
{
    double size = canvas.width();
    double margin = size / 16;
    Box tile{margin, margin, size - 2 * margin, size - 2 * margin};
    if (size >= 48) softShadow(canvas.cr(), tile, size * 0.2, size / 40, size / 64, 0.35);
    fillRoundedGradient(canvas.cr(), tile, size * 0.2, rgb(0x3a4254), rgb(0x242935));
    paintIconSquares(canvas, tile, size);
}

void putLittle(std::vector<uint8_t>& bytes, uint32_t value, int size)
{
    for (int i = 0; i < size; i++) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

// An ".ico" holding PNG images, one per size (the form Windows has read since Vista).
std::vector<uint8_t> encodeIco(const std::vector<std::vector<uint8_t>>& pngs, const int* sizes)
{
    std::vector<uint8_t> bytes;
    putLittle(bytes, 0, 2);
    putLittle(bytes, 1, 2);
    putLittle(bytes, static_cast<uint32_t>(pngs.size()), 2);
    uint32_t offset = static_cast<uint32_t>(6 + 16 * pngs.size());
    for (size_t i = 0; i < pngs.size(); i++) {
        bytes.push_back(static_cast<uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        bytes.push_back(static_cast<uint8_t>(sizes[i] >= 256 ? 0 : sizes[i]));
        putLittle(bytes, 0, 2);
        putLittle(bytes, 1, 2);
        putLittle(bytes, 32, 2);
        putLittle(bytes, static_cast<uint32_t>(pngs[i].size()), 4);
        putLittle(bytes, offset, 4);
        offset += static_cast<uint32_t>(pngs[i].size());
    }
    for (const auto& png : pngs) bytes.insert(bytes.end(), png.begin(), png.end());
    return bytes;
}

}  // namespace

void paintIconSquares(Canvas& canvas, Box tile, double size)
{
    double gap = size / 24;
    double inner = tile.w - 2 * gap * 1.5;
    double step = (inner + gap) / 3;
    for (int i = 0; i < 9; i++) {
        Box square{tile.x + 1.5 * gap + (i % 3) * step, tile.y + 1.5 * gap + (i / 3) * step, step - gap,
                   step - gap};
        fillRounded(canvas.cr(), square, size / 28, i == 4 ? rgb(0xfffdf9) : palette::zoneColour(i + 1));
        if (i == 4 && size >= 48)
            drawText(canvas, {Face::Bold, square.h * 0.78, palette::playerBlue()},
                     square.x + square.w / 2, square.y + square.h * 0.79, "9", Align::Centre);
    }
}

Canvas iconPicture(int size)
{
    Canvas canvas(size, size);
    paintIcon(canvas);
    return canvas;
}

void addIcon(Artwork& art)
{
    paintIcon(art.add("icon.png", 256, 256));
    const int sizes[4] = {16, 32, 48, 256};
    std::vector<std::vector<uint8_t>> pngs;
    for (int size : sizes) pngs.push_back(iconPicture(size).png());
    art.files.push_back({"icon.ico", encodeIco(pngs, sizes)});
    // The sizes a desktop's icon theme asks for beside the 256-pixel icon.png; the game itself
    // never opens them.
    for (int size : {48, 64, 128})
        art.files.push_back({"icon_" + std::to_string(size) + ".png", iconPicture(size).png()});
}
