// art_scale.cpp: the chosen set of the art and the loaded images and fonts that follow it.
#include "media/art_scale.h"

#include "frame/display.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

int32_t currentScale = 1;

struct TrackedArt {
    void* owner;
    ArtReload reload;
};
std::vector<TrackedArt> tracked;

void onPresentation(double presentationScale)
{
    setArtScale(artScaleFor(presentationScale));
}

} // namespace

int32_t artScale()
{
    return currentScale;
}

int32_t artScaleFor(double presentationScale)
{
    // A hair of tolerance: 1600 / 800 must choose the 2x set, not the 3x.
    if (presentationScale <= 1.0 + 1e-9) {
        return 1;
    }
    return presentationScale <= 2.0 + 1e-9 ? 2 : 3;
}

BWString scaledFileName(const BWString& name, int32_t scale)
{
    if (scale <= 1 || !name.chars()) {
        return name;
    }
    // The set's folder goes right before the file's own name, whatever folders lead to it.
    const std::string path = name.chars();
    const size_t slash = path.find_last_of("/\\");
    const size_t base = slash == std::string::npos ? 0 : slash + 1;
    return BWString("%s@%dx/%s", path.substr(0, base).c_str(), scale, path.c_str() + base);
}

void setArtScale(int32_t scale)
{
    scale = std::clamp(scale, 1, 3);
    if (scale == currentScale) {
        return;
    }
    currentScale = scale;
    // A reload untracks and tracks again, so walk a copy.
    const std::vector<TrackedArt> loaded = tracked;
    for (const TrackedArt& art : loaded) {
        art.reload(art.owner);
    }
}

void trackArt(void* owner, ArtReload reload)
{
    untrackArt(owner);
    tracked.push_back(TrackedArt{owner, reload});
}

void untrackArt(void* owner)
{
    std::erase_if(tracked, [owner](const TrackedArt& art) { return art.owner == owner; });
}

void followPresentationScale()
{
    setPresentationScaleHook(onPresentation);
    onPresentation(presentationScale());
}
