// canvas.h: a cairo drawing surface and the shapes, shadows and text every picture is made of.
#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

// A straight (not premultiplied) colour with channels in 0..1.
struct Colour {
    double r = 0.0;
    double g = 0.0;
    double b = 0.0;
    double a = 1.0;
};

// 0xRRGGBB with an opacity.
Colour rgb(uint32_t hex, double alpha = 1.0);
// The colour a fraction t of the way from a to b.
Colour mix(Colour a, Colour b, double t);
Colour withAlpha(Colour colour, double alpha);
void setColour(cairo_t* cr, Colour colour);

struct Box {
    double x = 0.0;
    double y = 0.0;
    double w = 0.0;
    double h = 0.0;
};
Box inset(Box box, double by);

// An ARGB picture with its own cairo context. Movable, not copyable. Its width and height are
// logical pixels; a canvas of scale 2 or 3 holds that many pixels per logical pixel each way, and
// cairo's device scale lets every drawing call keep working in logical pixels.
class Canvas {
public:
    Canvas(int width, int height, int scale = 1);
    ~Canvas();
    Canvas(Canvas&& other) noexcept;
    Canvas& operator=(Canvas&& other) noexcept;
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    cairo_t* cr() const { return context; }
    cairo_surface_t* surface() const { return pixels; }
    int width() const { return logicalWidth; }
    int height() const { return logicalHeight; }
    int scale() const { return pixelScale; }
    Box bounds() const { return {0.0, 0.0, double(logicalWidth), double(logicalHeight)}; }

    // Whether words were drawn into it: only such pictures differ between languages.
    void markWords() { words = true; }
    bool hasWords() const { return words; }

    // The picture as PNG bytes: cairo writes no time stamp, so equal pixels give equal bytes.
    std::vector<uint8_t> png() const;

private:
    void release();

    cairo_surface_t* pixels = nullptr;
    cairo_t* context = nullptr;
    int logicalWidth = 0;
    int logicalHeight = 0;
    int pixelScale = 1;
    bool words = false;
};

// A cairo image surface of width x height logical pixels at the given scale.
cairo_surface_t* scaledSurface(cairo_format_t format, int width, int height, int scale);
// The pixels per logical pixel of the surface a context draws into.
int scaleOf(cairo_t* cr);

void roundedRect(cairo_t* cr, Box box, double radius);
void fillRounded(cairo_t* cr, Box box, double radius, Colour colour);
void strokeRounded(cairo_t* cr, Box box, double radius, double lineWidth, Colour colour);
// A top-to-bottom gradient through the given rounded shape.
void fillRoundedGradient(cairo_t* cr, Box box, double radius, Colour top, Colour bottom);

// A soft shadow under a rounded rectangle: the shape blurred by about `blur` pixels, moved down
// by `drop`, painted in a warm dark tone at `opacity`. Draw the shape itself afterwards.
void softShadow(cairo_t* cr, Box box, double radius, double blur, double drop, double opacity);
// Frees the blurred masks softShadow keeps for reuse.
void releaseShadows();

// The calm paper backdrop shared by every full screen: warm off-white, a faint dot grid and a
// gentle darkening towards the corners.
void paintPaper(Canvas& canvas);

// A raised card: soft shadow, white fill, hairline edge.
void paintCard(cairo_t* cr, Box box, double radius);
