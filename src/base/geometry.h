// geometry.h: the plain point, rectangle and packed colour values of the framework.
#pragma once

#include <cstdint>

// A position in window pixels: origin top-left of the client area, y downwards.
struct BWPoint {
    int32_t x = 0;
    int32_t y = 0;

    BWPoint() = default;
    constexpr BWPoint(int32_t x, int32_t y) : x(x), y(y) {}

    void set(int32_t newX, int32_t newY) { x = newX; y = newY; }
    void offset(int32_t dx, int32_t dy) { x += dx; y += dy; }
    BWPoint& operator+=(const BWPoint& other) { offset(other.x, other.y); return *this; }
    bool operator==(const BWPoint&) const = default;
};

// A rectangle by its top-left corner and size. Point tests include all four edges, so a
// rectangle (10, 10, 20, 20) contains both (10, 10) and (30, 30).
struct BWRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;

    BWRect() = default;
    constexpr BWRect(int32_t x, int32_t y, int32_t w, int32_t h) : x(x), y(y), w(w), h(h) {}

    void set(int32_t newX, int32_t newY, int32_t newW, int32_t newH);
    int32_t right() const { return x + w; }
    int32_t bottom() const { return y + h; }
    void offset(int32_t dx, int32_t dy) { x += dx; y += dy; }
    void offset(const BWPoint& by) { offset(by.x, by.y); }
    bool contains(int32_t px, int32_t py) const;
    bool contains(const BWPoint& point) const { return contains(point.x, point.y); }
    // True when the other rectangle lies wholly inside this one.
    bool contains(int32_t ox, int32_t oy, int32_t ow, int32_t oh) const;
    bool contains(const BWRect& other) const { return contains(other.x, other.y, other.w, other.h); }
    bool isEmpty() const { return w == 0 || h == 0; }
    bool operator==(const BWRect&) const = default;
};

// Packed ARGB, alpha in the top byte. 0 (transparent black) is also what callers pass when
// they choose no colour.
struct BWColor {
    uint32_t value = 0;

    BWColor() = default;
    BWColor(uint32_t packed) : value(packed) {}
    // Each channel is the float times 255, truncated and kept to its low 8 bits (no clamping).
    BWColor(float alpha, float red, float green, float blue);
    // Each channel keeps its low 8 bits.
    BWColor(int alpha, int red, int green, int blue);

    void set(uint32_t packed) { value = packed; }
    // Channels as floats in [0, 1], ready for the GL colour calls.
    float alpha() const { return channel(24); }
    float red() const { return channel(16); }
    float green() const { return channel(8); }
    float blue() const { return channel(0); }
    bool operator==(const BWColor&) const = default;

private:
    float channel(int shift) const { return static_cast<float>((value >> shift) & 0xffu) / 255.0f; }
};
