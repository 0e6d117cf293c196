// damage_areas.cpp: merging the rectangles a frame changes.
#include "frame/damage_areas.h"

#include <algorithm>

namespace {

constexpr size_t kMostAreas = 4;

// Whether the rectangles overlap or share an edge (merging those loses nothing).
bool rectsTouch(const BWRect& a, const BWRect& b)
{
    return a.x <= b.right() && b.x <= a.right() && a.y <= b.bottom() && b.y <= a.bottom();
}

} // namespace

bool rectsMeet(const BWRect& a, const BWRect& b)
{
    return a.w > 0 && a.h > 0 && b.w > 0 && b.h > 0 && a.x < b.right() && b.x < a.right() &&
           a.y < b.bottom() && b.y < a.bottom();
}

BWRect rectWithPositiveSize(const BWRect& rect)
{
    return BWRect(std::min(rect.x, rect.right()), std::min(rect.y, rect.bottom()), rect.w < 0 ? -rect.w : rect.w,
                  rect.h < 0 ? -rect.h : rect.h);
}

BWRect rectUnion(const BWRect& a, const BWRect& b)
{
    const int32_t left = std::min(a.x, b.x);
    const int32_t top = std::min(a.y, b.y);
    return BWRect(left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top);
}

void addDamage(std::vector<BWRect>& areas, BWRect area)
{
    if (area.w <= 0 || area.h <= 0) {
        return;
    }
    // A merged area may now touch one that the new one did not: merge until none does.
    for (auto it = areas.begin(); it != areas.end();) {
        if (rectsTouch(*it, area)) {
            area = rectUnion(*it, area);
            areas.erase(it);
            it = areas.begin();
        } else {
            ++it;
        }
    }
    areas.push_back(area);
    if (areas.size() > kMostAreas) {
        BWRect all = areas.front();
        for (const BWRect& each : areas) {
            all = rectUnion(all, each);
        }
        areas.assign(1, all);
    }
}
