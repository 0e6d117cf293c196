// artwork.cpp: the in-memory collection of pictures, fonts and sounds.
#include "artwork.h"
#include "typeface.h"

Canvas& Artwork::add(const std::string& name, int width, int height)
{
    setProblemPlace(language, name);
    pictures.push_back({name, Canvas(width, height, scale)});
    return pictures.back().canvas;
}

const Canvas* Artwork::find(const std::string& name) const
{
    for (const NamedPicture& picture : pictures)
        if (picture.name == name) return &picture.canvas;
    return nullptr;
}

const FontSheet* Artwork::font(const std::string& name) const
{
    for (const FontSheet& sheet : fonts)
        if (sheet.name == name) return &sheet;
    return nullptr;
}
