// canvas.cpp: cairo surfaces, rounded shapes, blurred shadows and the paper backdrop.
#include "canvas.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>
#include <utility>

Colour rgb(uint32_t hex, double alpha)
{
    return {((hex >> 16) & 0xff) / 255.0, ((hex >> 8) & 0xff) / 255.0, (hex & 0xff) / 255.0, alpha};
}

Colour mix(Colour a, Colour b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Colour withAlpha(Colour colour, double alpha)
{
    colour.a = alpha;
    return colour;
}

void setColour(cairo_t* cr, Colour colour)
{
    cairo_set_source_rgba(cr, colour.r, colour.g, colour.b, colour.a);
}

Box inset(Box box, double by)
{
    return {box.x + by, box.y + by, box.w - 2 * by, box.h - 2 * by};
}

cairo_surface_t* scaledSurface(cairo_format_t format, int width, int height, int scale)
{
    cairo_surface_t* surface = cairo_image_surface_create(format, width * scale, height * scale);
    cairo_surface_set_device_scale(surface, scale, scale);
    return surface;
}

int scaleOf(cairo_t* cr)
{
    double x = 1.0;
    double y = 1.0;
    cairo_surface_get_device_scale(cairo_get_target(cr), &x, &y);
    return static_cast<int>(std::lround(x));
}

Canvas::Canvas(int width, int height, int scale)
    : pixels(scaledSurface(CAIRO_FORMAT_ARGB32, width, height, scale)), context(cairo_create(pixels)),
      logicalWidth(width), logicalHeight(height), pixelScale(scale)
{
}

Canvas::~Canvas() { release(); }

Canvas::Canvas(Canvas&& other) noexcept
    : pixels(std::exchange(other.pixels, nullptr)), context(std::exchange(other.context, nullptr)),
      logicalWidth(other.logicalWidth), logicalHeight(other.logicalHeight), pixelScale(other.pixelScale),
      words(other.words)
{
}

Canvas& Canvas::operator=(Canvas&& other) noexcept
{
    if (this != &other) {
        release();
        pixels = std::exchange(other.pixels, nullptr);
        context = std::exchange(other.context, nullptr);
        logicalWidth = other.logicalWidth;
        logicalHeight = other.logicalHeight;
        pixelScale = other.pixelScale;
        words = other.words;
    }
    return *this;
}

void Canvas::release()
{
    if (context) cairo_destroy(context);
    if (pixels) cairo_surface_destroy(pixels);
    context = nullptr;
    pixels = nullptr;
}

static cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length)
{
    auto* bytes = static_cast<std::vector<uint8_t>*>(closure);
    bytes->insert(bytes->end(), data, data + length);
    return CAIRO_STATUS_SUCCESS;
}

std::vector<uint8_t> Canvas::png() const
{
    std::vector<uint8_t> bytes;
    cairo_surface_flush(pixels);
    cairo_surface_write_to_png_stream(pixels, appendBytes, &bytes);
    return bytes;
}

void roundedRect(cairo_t* cr, Box box, double radius)
{
    radius = std::min({radius, box.w / 2, box.h / 2});
    double right = box.x + box.w;
    double bottom = box.y + box.h;
    cairo_new_sub_path(cr);
    cairo_arc(cr, right - radius, box.y + radius, radius, -M_PI / 2, 0);
    cairo_arc(cr, right - radius, bottom - radius, radius, 0, M_PI / 2);
    cairo_arc(cr, box.x + radius, bottom - radius, radius, M_PI / 2, M_PI);
    cairo_arc(cr, box.x + radius, box.y + radius, radius, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void fillRounded(cairo_t* cr, Box box, double radius, Colour colour)
{
    roundedRect(cr, box, radius);
    setColour(cr, colour);
    cairo_fill(cr);
}

void strokeRounded(cairo_t* cr, Box box, double radius, double lineWidth, Colour colour)
{
    roundedRect(cr, box, radius);
    setColour(cr, colour);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void fillRoundedGradient(cairo_t* cr, Box box, double radius, Colour top, Colour bottom)
{
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, box.y, 0, box.y + box.h);
    cairo_pattern_add_color_stop_rgba(gradient, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(gradient, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    roundedRect(cr, box, radius);
    cairo_set_source(cr, gradient);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
}

// One pass of a running-sum box blur along rows (step 1) or columns (step stride).
static void boxBlurPass(unsigned char* data, int count, int lines, int step, int lineStep,
                        int radius)
{
    std::vector<int> line(count);
    int window = 2 * radius + 1;
    for (int l = 0; l < lines; l++) {
        unsigned char* start = data + l * lineStep;
        for (int i = 0; i < count; i++) line[i] = start[i * step];
        int sum = 0;
        for (int i = -radius; i <= radius; i++) sum += (i >= 0 && i < count) ? line[i] : 0;
        for (int i = 0; i < count; i++) {
            start[i * step] = static_cast<unsigned char>(sum / window);
            int leaving = i - radius;
            int entering = i + radius + 1;
            if (leaving >= 0) sum -= line[leaving];
            if (entering < count) sum += line[entering];
        }
    }
}

namespace {

// Every picture of every language repeats the same few shadows: each blurred mask is made once
// per shape, scale and pixel phase, and kept until releaseShadows().
struct ShadowKey {
    int scale;
    double w, h, fractionX, fractionY, radius, blur;
    bool operator<(const ShadowKey& other) const
    {
        return std::tie(scale, w, h, fractionX, fractionY, radius, blur) <
               std::tie(other.scale, other.w, other.h, other.fractionX, other.fractionY, other.radius, other.blur);
    }
};
std::map<ShadowKey, cairo_surface_t*> shadowMasks;

cairo_surface_t* blurredMask(const ShadowKey& key, int margin)
{
    auto found = shadowMasks.find(key);
    if (found != shadowMasks.end()) return found->second;
    int scale = key.scale;
    int width = static_cast<int>(std::ceil(key.w)) + 2 * margin;
    int height = static_cast<int>(std::ceil(key.h)) + 2 * margin;
    cairo_surface_t* mask = scaledSurface(CAIRO_FORMAT_A8, width, height, scale);
    cairo_t* maskContext = cairo_create(mask);
    fillRounded(maskContext, {margin + key.fractionX, margin + key.fractionY, key.w, key.h}, key.radius,
                {0, 0, 0, 1});
    cairo_destroy(maskContext);
    cairo_surface_flush(mask);
    // Three box passes each way approximate a Gaussian of the requested width (in logical
    // pixels, so the shadow looks the same at every scale).
    int passRadius = std::max(1, static_cast<int>(std::lround(key.blur * scale / 2)));
    unsigned char* data = cairo_image_surface_get_data(mask);
    int stride = cairo_image_surface_get_stride(mask);
    for (int pass = 0; pass < 3; pass++) {
        boxBlurPass(data, width * scale, height * scale, 1, stride, passRadius);
        boxBlurPass(data, height * scale, width * scale, stride, 1, passRadius);
    }
    cairo_surface_mark_dirty(mask);
    shadowMasks[key] = mask;
    return mask;
}

}  // namespace

void softShadow(cairo_t* cr, Box box, double radius, double blur, double drop, double opacity)
{
    int margin = static_cast<int>(std::ceil(blur * 2)) + 2;
    ShadowKey key{scaleOf(cr), box.w, box.h, box.x - std::floor(box.x), box.y - std::floor(box.y), radius, blur};
    cairo_surface_t* mask = blurredMask(key, margin);
    setColour(cr, rgb(0x3a2f22, opacity));
    cairo_mask_surface(cr, mask, std::floor(box.x) - margin, std::floor(box.y) - margin + drop);
}

void releaseShadows()
{
    for (auto& [key, mask] : shadowMasks) cairo_surface_destroy(mask);
    shadowMasks.clear();
}

void paintPaper(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    double w = canvas.width();
    double h = canvas.height();
    cairo_pattern_t* base = cairo_pattern_create_linear(0, 0, 0, h);
    cairo_pattern_add_color_stop_rgb(base, 0, 0.973, 0.961, 0.937);
    cairo_pattern_add_color_stop_rgb(base, 1, 0.945, 0.929, 0.898);
    cairo_set_source(cr, base);
    cairo_paint(cr);
    cairo_pattern_destroy(base);

    setColour(cr, rgb(0x8a7f6a, 0.13));
    for (double y = 10; y < h; y += 20)
        for (double x = 10; x < w; x += 20) {
            cairo_arc(cr, x, y, 0.9, 0, 2 * M_PI);
            cairo_fill(cr);
        }

    cairo_pattern_t* vignette =
        cairo_pattern_create_radial(w / 2, h / 2, h * 0.35, w / 2, h / 2, w * 0.75);
    cairo_pattern_add_color_stop_rgba(vignette, 0, 0.4, 0.33, 0.24, 0.0);
    cairo_pattern_add_color_stop_rgba(vignette, 1, 0.4, 0.33, 0.24, 0.10);
    cairo_set_source(cr, vignette);
    cairo_paint(cr);
    cairo_pattern_destroy(vignette);
}

void paintCard(cairo_t* cr, Box box, double radius)
{
    softShadow(cr, box, radius, 14, 5, 0.20);
    softShadow(cr, box, radius, 3, 1, 0.12);
    fillRounded(cr, box, radius, rgb(0xfffdf9));
    strokeRounded(cr, inset(box, 0.5), radius - 0.5, 1, rgb(0xe3ddd1));
}
