// zone_patterns.cpp: the quiet pattern each zone carries over its tint, so zones differ without colour.
#include "zone_patterns.h"

#include "palette.h"

#include <cmath>

namespace {

constexpr double kFine = 8;   // spacing of dots and single sets of stripes
constexpr double kOpen = 12;  // spacing of the patterns that cross or curl, which need more air

// Where a pattern is drawn: centred on (cx, cy), reaching at least `reach` from it in every direction.
struct Area {
    cairo_t* cr;
    double cx;
    double cy;
    double reach;
    double scale;
};

// How many steps of `spacing` cover the area from its middle outwards.
int stepsToCover(const Area& area, double spacing) { return int(std::ceil(area.reach / spacing)); }

// Parallel lines at `degrees` from the horizontal (y downwards), one through the middle.
void addStripes(const Area& area, double degrees, double spacing)
{
    double angle = degrees * M_PI / 180;
    double dx = std::cos(angle);
    double dy = std::sin(angle);
    int steps = stepsToCover(area, spacing);
    for (int k = -steps; k <= steps; k++) {
        double x = area.cx - dy * k * spacing;
        double y = area.cy + dx * k * spacing;
        cairo_move_to(area.cr, x - dx * area.reach, y - dy * area.reach);
        cairo_line_to(area.cr, x + dx * area.reach, y + dy * area.reach);
    }
}

// A square lattice of points, one in the middle; `mark` adds the shape drawn at each.
template <class Mark> void addLattice(const Area& area, double spacing, Mark mark)
{
    int steps = stepsToCover(area, spacing);
    for (int i = -steps; i <= steps; i++)
        for (int j = -steps; j <= steps; j++) mark(area.cx + i * spacing, area.cy + j * spacing);
}

// Horizontal zigzag lines, one through the middle, each tooth `spacing` wide.
void addZigzags(const Area& area, double spacing, double height)
{
    int steps = stepsToCover(area, spacing);
    for (int row = -steps; row <= steps; row++) {
        double y = area.cy + row * spacing;
        for (int i = -2 * steps; i <= 2 * steps; i++) {
            double x = area.cx + i * spacing / 2;
            double tipY = y + (i % 2 == 0 ? -height / 2 : height / 2);
            if (i == -2 * steps) cairo_move_to(area.cr, x, tipY);
            else cairo_line_to(area.cr, x, tipY);
        }
    }
}

void stroke(const Area& area)
{
    cairo_set_line_width(area.cr, area.scale);
    cairo_set_line_cap(area.cr, CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(area.cr, CAIRO_LINE_JOIN_MITER);
    cairo_stroke(area.cr);
}

// One pattern per zone; neighbouring boxes of the classic layout get unlike ones.
void addPattern(const Area& area, int zone)
{
    double s = area.scale;
    cairo_t* cr = area.cr;
    switch ((zone - 1 + 9) % 9 + 1) {
    case 1:  // dots
        addLattice(area, kFine * s, [&](double x, double y) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, 1.5 * s, 0, 2 * M_PI);
        });
        cairo_fill(cr);
        return;
    case 2: addStripes(area, -45, kFine * s); break;  // rising diagonals
    case 3: addStripes(area, 0, kFine * s); break;    // horizontal stripes
    case 4: addStripes(area, 45, kFine * s); break;   // falling diagonals
    case 5:                                          // rings
        addLattice(area, kOpen * s, [&](double x, double y) {
            cairo_new_sub_path(cr);
            cairo_arc(cr, x, y, 3 * s, 0, 2 * M_PI);
        });
        break;
    case 6: addStripes(area, 90, kFine * s); break;  // vertical stripes
    case 7:                                         // square grid
        addStripes(area, 0, kOpen * s);
        addStripes(area, 90, kOpen * s);
        break;
    case 8: addZigzags(area, kOpen * s, 5 * s); break;
    default:  // diagonal lattice
        addStripes(area, 45, kOpen * s);
        addStripes(area, -45, kOpen * s);
        break;
    }
    stroke(area);
}

}  // namespace

void paintZonePattern(cairo_t* cr, int zone, Box box, double scale)
{
    cairo_save(cr);
    cairo_new_path(cr);
    cairo_rectangle(cr, box.x, box.y, box.w, box.h);
    cairo_clip(cr);
    setColour(cr, palette::zonePatternInk(zone));
    Area area{cr, box.x + box.w / 2, box.y + box.h / 2, std::hypot(box.w, box.h) / 2 + kOpen * scale, scale};
    addPattern(area, zone);
    cairo_restore(cr);
}
