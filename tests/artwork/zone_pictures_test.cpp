// zone_pictures_test.cpp: the nine zone pictures stay apart for every kind of colour vision and in
// greyscale, and every digit ink keeps its contrast over each of them.
#include "resources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

struct Lab {
    double l = 0;
    double a = 0;
    double b = 0;
};

struct Vision {
    const char* name;
    double leastDeltaE;
    double matrix[3][3];  // applied to linear RGB; none for normal vision
    bool simulated;
};

// Normal vision, then protan, deutan and tritan vision at full severity as simulated by Machado,
// Oliveira and Fernandes (2009).
const Vision kVisions[4] = {
    {"normal", 20, {}, false},
    {"protan", 10, {{0.152286, 1.052583, -0.204868}, {0.114503, 0.786281, 0.099216}, {-0.003882, -0.048116, 1.051998}}, true},
    {"deutan", 10, {{0.367322, 0.860646, -0.227968}, {0.280085, 0.672501, 0.047413}, {-0.011820, 0.042940, 0.968881}}, true},
    {"tritan", 10, {{1.255528, -0.076749, -0.178779}, {-0.078411, 0.930809, 0.147602}, {0.004733, 0.691367, 0.303900}}, true},
};

// CIELAB of a linear RGB colour under the sRGB primaries and the D65 white.
Lab labOf(const double rgb[3])
{
    double x = (0.4124564 * rgb[0] + 0.3575761 * rgb[1] + 0.1804375 * rgb[2]) / 0.95047;
    double y = 0.2126729 * rgb[0] + 0.7151522 * rgb[1] + 0.0721750 * rgb[2];
    double z = (0.0193339 * rgb[0] + 0.1191920 * rgb[1] + 0.9503041 * rgb[2]) / 1.08883;
    auto f = [](double t) { return t > 216.0 / 24389 ? std::cbrt(t) : (24389.0 / 27 * t + 16) / 116; };
    return {116 * f(y) - 16, 500 * (f(x) - f(y)), 200 * (f(y) - f(z))};
}

Lab seenWith(const Vision& vision, uint32_t colour)
{
    double rgb[3] = {linearLight((colour >> 16) & 0xff), linearLight((colour >> 8) & 0xff), linearLight(colour & 0xff)};
    if (!vision.simulated) return labOf(rgb);
    double seen[3];
    for (int row = 0; row < 3; row++) {
        double sum = 0;
        for (int column = 0; column < 3; column++) sum += vision.matrix[row][column] * rgb[column];
        seen[row] = std::clamp(sum, 0.0, 1.0);
    }
    return labOf(seen);
}

double deltaE(Lab one, Lab other) { return std::hypot(one.l - other.l, one.a - other.a, one.b - other.b); }

std::vector<Picture> zonePictures()
{
    std::vector<Picture> zones(9);
    for (int zone = 1; zone <= 9; zone++)
        EXPECT_TRUE(readPicture("game_zone" + std::to_string(zone) + ".png", zones[zone - 1])) << zone;
    return zones;
}

// The colour most pixels have: the tint the pattern is drawn on.
uint32_t dominantColour(const Picture& picture)
{
    std::map<uint32_t, int> counts;
    for (int y = 0; y < picture.height; y++)
        for (int x = 0; x < picture.width; x++) counts[picture.colour(x, y)]++;
    auto most = std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) { return a.second < b.second; });
    return most == counts.end() ? 0 : most->first;
}

// The inside of a cell picture in greyscale, less its mean, so only the pattern is left. The
// outermost pixels are the cell grid's edges, the same in every zone.
struct Greyscale {
    int size = 0;
    std::vector<double> values;
    double at(int x, int y) const { return values[size_t(y) * size + x]; }
};

Greyscale patternOf(const Picture& picture)
{
    Greyscale grey;
    grey.size = std::min(picture.width, picture.height) - 2;
    double sum = 0;
    for (int y = 1; y <= grey.size; y++)
        for (int x = 1; x <= grey.size; x++) {
            uint32_t c = picture.colour(x, y);
            grey.values.push_back(0.2126 * (c >> 16) + 0.7152 * ((c >> 8) & 0xff) + 0.0722 * (c & 0xff));
            sum += grey.values.back();
        }
    for (double& value : grey.values) value -= sum / grey.values.size();
    return grey;
}

// The mean absolute difference of two patterns where they overlap, one moved by (dx, dy).
double differenceShifted(const Greyscale& one, const Greyscale& other, int dx, int dy)
{
    double sum = 0;
    int count = 0;
    for (int y = std::max(0, -dy); y < std::min(one.size, other.size - dy); y++)
        for (int x = std::max(0, -dx); x < std::min(one.size, other.size - dx); x++) {
            sum += std::abs(one.at(x, y) - other.at(x + dx, y + dy));
            count++;
        }
    return count ? sum / count : 0;
}

// How far apart two patterns stay when the one is laid over the other as well as it fits: moved
// by up to a pattern's spacing, so stripes do not pass for others merely drawn at another offset.
double leastDifference(const Greyscale& one, const Greyscale& other)
{
    const int reach = 12;
    double least = 1e9;
    for (int dy = -reach; dy <= reach; dy++)
        for (int dx = -reach; dx <= reach; dx++) least = std::min(least, differenceShifted(one, other, dx, dy));
    return least;
}

}  // namespace

TEST(ZonePictures, TintsAreOpaqueAndApartForNormalAndDeficientColourVision)
{
    std::vector<uint32_t> tints;
    for (const Picture& zone : zonePictures()) {
        ASSERT_GT(zone.pixelCount(), 0);
        int least = 255;
        for (int i = 0; i < zone.pixelCount(); i++) least = std::min<int>(least, zone.argb[size_t(i) * 4]);
        EXPECT_EQ(least, 255) << "a cell covers the backdrop";
        tints.push_back(dominantColour(zone));
    }
    for (const Vision& vision : kVisions)
        for (size_t one = 0; one < tints.size(); one++)
            for (size_t other = one + 1; other < tints.size(); other++)
                EXPECT_GE(deltaE(seenWith(vision, tints[one]), seenWith(vision, tints[other])), vision.leastDeltaE)
                    << vision.name << " vision, zones " << one + 1 << " and " << other + 1;
}

TEST(ZonePictures, EachZoneHasAPatternOfItsOwnInGreyscale)
{
    std::vector<Greyscale> patterns;
    for (const Picture& zone : zonePictures()) patterns.push_back(patternOf(zone));
    // A pattern a glance can find: its pixels stray from the cell's mean grey by 2.5 levels or more
    // on average, while a plain tint has none.
    for (size_t zone = 0; zone < patterns.size(); zone++) {
        double deviation = 0;
        for (double value : patterns[zone].values) deviation += std::abs(value);
        EXPECT_GE(deviation / patterns[zone].values.size(), 2.5) << "zone " << zone + 1;
    }
    for (size_t one = 0; one < patterns.size(); one++)
        for (size_t other = one + 1; other < patterns.size(); other++)
            EXPECT_GE(leastDifference(patterns[one], patterns[other]), 3.0) << "zones " << one + 1 << " and " << other + 1;
}

TEST(ZonePictures, EveryDigitInkKeepsItsContrastOverEveryPixelOfEveryZone)
{
    // Before the zones had patterns, the darkest tint (a salmon) gave every ink its least contrast;
    // no pixel a digit or pencil mark can stand on may be darker than that tint.
    const uint32_t formerDarkestTint = 0xf5b7a1;
    const std::vector<Picture> zones = zonePictures();
    for (const char* font : {"font_original.fnt", "font_puzzle.fnt", "font_conflict.fnt", "font_puzzle_small.fnt",
                             "font_conflict_small.fnt"}) {
        uint32_t ink = fontInk(font);
        double floor = contrastRatio(ink, formerDarkestTint);
        EXPECT_GE(floor, 3.0) << font;
        for (size_t zone = 0; zone < zones.size(); zone++) {
            double least = 21;
            for (int y = 1; y < zones[zone].height - 1; y++)
                for (int x = 1; x < zones[zone].width - 1; x++)
                    least = std::min(least, contrastRatio(ink, zones[zone].colour(x, y)));
            EXPECT_GE(least, floor) << font << " over zone " << zone + 1;
        }
    }
}
