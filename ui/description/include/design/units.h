#pragma once

#include <cstdint>

// The units the window is designed in: places in twips, colours as RGB.
namespace design {

// 1/1440 inch. At 96 dots per inch a pixel is 15 twips.
inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kTwipsPerPixelAt96Dpi = 15;

// How many pixels a twip covers: 1/15 at 96 dots per inch, more on a denser screen or when the
// window is enlarged.
inline constexpr double kPixelsPerTwipAt96Dpi = 1.0 / kTwipsPerPixelAt96Dpi;

constexpr double pixelsPerTwipAt(int dotsPerInch) {
    return static_cast<double>(dotsPerInch) / kTwipsPerInch;
}

// A control's place: its top left corner and its size, in twips.
struct Twips {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int right() const { return left + width; }
    constexpr int bottom() const { return top + height; }
    friend constexpr bool operator==(const Twips&, const Twips&) = default;
};

// A place in whole pixels.
struct Pixels {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend constexpr bool operator==(const Pixels&, const Pixels&) = default;
};

// A length in twips as whole pixels, rounded to the nearest (halves away from zero).
constexpr int toPixels(int twips, double pixelsPerTwip) {
    const double pixels = twips * pixelsPerTwip;
    return static_cast<int>(pixels >= 0 ? pixels + 0.5 : pixels - 0.5);
}

// A place in pixels. Each edge is rounded on its own, so controls that touch in twips still
// touch in pixels, and a size is the distance between two rounded edges.
constexpr Pixels toPixels(const Twips& place, double pixelsPerTwip = kPixelsPerTwipAt96Dpi) {
    const int left = toPixels(place.left, pixelsPerTwip);
    const int top = toPixels(place.top, pixelsPerTwip);
    return Pixels{left, top, toPixels(place.right(), pixelsPerTwip) - left,
                  toPixels(place.bottom(), pixelsPerTwip) - top};
}

struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend constexpr bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace design
