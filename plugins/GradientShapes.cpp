// Distances are measured between pixel centres, so that mirror-image pixels get exactly the same
// colour and the rim colour lands on the outermost pixels rather than beyond them.
#include "GradientShapes.h"

#include <algorithm>
#include <cmath>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

constexpr double kDegreesPerRadian = 57.295779513082321;

struct Offset {
    double x;
    double y;
};

// The centre of the picture, for the radial gradient moved by the parameter's signed bytes.
Offset CentreOf(const GradientPicture& picture) {
    Offset centre = {picture.width / 2.0, picture.height / 2.0};
    if (picture.shape == GradientShape::Radial) {
        const auto percent = [](WORD byte) {
            return std::clamp(static_cast<int>(static_cast<signed char>(byte & 0xFF)), -100, 100);
        };
        centre.x += centre.x * percent(picture.parameter) / 100.0;
        centre.y += centre.y * percent(picture.parameter >> 8) / 100.0;
    }
    return centre;
}

// How far the outermost pixel centre lies from the centre along each axis; 0 for a single pixel
// in the middle, which then takes the first colour.
Offset ReachOf(const GradientPicture& picture, Offset centre) {
    return {std::max(std::fabs(0.5 - centre.x), std::fabs(picture.width - 0.5 - centre.x)),
            std::max(std::fabs(0.5 - centre.y), std::fabs(picture.height - 0.5 - centre.y))};
}

double Share(double distance, double reach) {
    return reach > 0 ? distance / reach : 0;
}

// Ramps that turn back at each end, so that repeats meet without a hard edge. The position is
// from 0 to 1 and there are at most 65,535 ramps: truncation to a long floors their count.
double Repeated(double position, int ramps) {
    const double along = position * ramps;
    const auto whole = static_cast<long>(along);
    const double part = along - static_cast<double>(whole);
    return whole & 1 ? 1 - part : part;
}

// std::lround of a value that is not negative, halves away from zero, without the library call
// that costs more than the rest of a pixel on the 32-bit build. Where adding the half rounds up
// past the value's nearest integer, the difference says so.
long RoundHalfUp(double value) {
    long rounded = static_cast<long>(value + 0.5);
    if (rounded - value > 0.5)
        --rounded;
    return rounded;
}

// One colour byte, the one at shift, weighted from first to second.
COLORREF Blend(COLORREF first, COLORREF second, int shift, double weight) {
    const int from = (first >> shift) & 0xFF;
    const int to = (second >> shift) & 0xFF;
    return static_cast<COLORREF>(RoundHalfUp(from + (to - from) * weight)) << shift;
}

// |std::remainder(angle, 360)| of an angle from -540 to 180 degrees, exactly: each step
// subtracts numbers within a factor of two of each other.
double DegreesFromZero(double angle) {
    if (angle < -180)
        angle += 360;
    return std::fabs(angle);
}

} // namespace

GradientPainter::GradientPainter(const GradientPicture& picture) : picture_(picture) {
    const Offset centre = CentreOf(picture);
    const Offset reach = ReachOf(picture, centre);
    centreX_ = centre.x;
    centreY_ = centre.y;
    reachX_ = reach.x;
    reachY_ = reach.y;
    rim_ = std::hypot(reach.x, reach.y);
}

// 0 at the centre, 1 at the rim.
double GradientPainter::Position(int x, int y) const {
    const double dx = x + 0.5 - centreX_;
    const double dy = y + 0.5 - centreY_;
    switch (picture_.shape) {
    case GradientShape::Radial:
        // The square root is correctly rounded on every build; std::hypot's last bit is the
        // library's own and costs a call.
        return Share(std::sqrt(dx * dx + dy * dy), rim_);
    case GradientShape::Conical: {
        const double angle = std::atan2(-dy, dx) * kDegreesPerRadian;
        return DegreesFromZero(angle - picture_.parameter % 360) / 180;
    }
    case GradientShape::Diamond:
        return Share(std::fabs(dx), reachX_) + Share(std::fabs(dy), reachY_);
    case GradientShape::Rectangular:
        return std::max(Share(std::fabs(dx), reachX_), Share(std::fabs(dy), reachY_));
    }
    return 0;
}

COLORREF GradientPainter::Colour(int x, int y) const {
    double weight = std::min(Position(x, y), 1.0);
    if (picture_.shape == GradientShape::Diamond || picture_.shape == GradientShape::Rectangular)
        weight = Repeated(weight, std::max<int>(picture_.parameter, 1));
    return Blend(picture_.first, picture_.second, 0, weight) |
           Blend(picture_.first, picture_.second, 8, weight) |
           Blend(picture_.first, picture_.second, 16, weight);
}

// Rows 2c - 1 - y and y lie the same distance above and below a centre c, exactly so in floating
// point when 2c is a whole number of pixels: their offsets are the same small halves.
int GradientPainter::MirroredRow(int y) const {
    const double twice = 2 * centreY_;
    if (picture_.shape == GradientShape::Conical || twice != std::floor(twice))
        return -1;
    const int mirror = static_cast<int>(twice) - 1 - y;
    return mirror >= 0 && mirror < y ? mirror : -1;
}

// Here rather than in the caller, so that the colour of each pixel is worked out in line.
void GradientPainter::PaintRow(int y, unsigned char* pixels) const {
    int x = 0;
#if defined(__SSE2__)
    if (picture_.shape == GradientShape::Radial)
        x = PaintRadialPairs(y, pixels);
#endif
    for (pixels += 3 * x; x < picture_.width; ++x, pixels += 3) {
        const COLORREF colour = Colour(x, y);
        pixels[0] = static_cast<unsigned char>(colour >> 16);
        pixels[1] = static_cast<unsigned char>(colour >> 8);
        pixels[2] = static_cast<unsigned char>(colour);
    }
}

#if defined(__SSE2__)
// Two pixels at a time through the same operations as Colour, each rounded by SSE2 as the scalar
// one is, so that the bytes are the same at more than twice the speed. Returns the pixels
// painted, an even count.
int GradientPainter::PaintRadialPairs(int y, unsigned char* pixels) const {
    const __m128d half = _mm_set1_pd(0.5), one = _mm_set1_pd(1.0);
    const __m128d centreX = _mm_set1_pd(centreX_), rim = _mm_set1_pd(rim_);
    const double dy = y + 0.5 - centreY_;
    const __m128d dySquared = _mm_set1_pd(dy * dy);
    __m128d from[3], span[3];
    for (int channel = 0; channel < 3; ++channel) {
        const int shift = 8 * channel; // red, green, blue
        const int first = (picture_.first >> shift) & 0xFF,
                  second = (picture_.second >> shift) & 0xFF;
        from[channel] = _mm_set1_pd(first);
        span[channel] = _mm_set1_pd(second - first);
    }
    int x = 0;
    for (; x + 2 <= picture_.width; x += 2, pixels += 6) {
        const __m128d dx = _mm_sub_pd(_mm_add_pd(_mm_set_pd(x + 1, x), half), centreX);
        const __m128d distance = _mm_sqrt_pd(_mm_add_pd(_mm_mul_pd(dx, dx), dySquared));
        const __m128d weight =
            rim_ > 0 ? _mm_min_pd(_mm_div_pd(distance, rim), one) : _mm_setzero_pd();
        __m128i rounded[3];
        for (int channel = 0; channel < 3; ++channel) {
            // RoundHalfUp: adding a half and truncating, less one where that passed the nearest.
            const __m128d value = _mm_add_pd(from[channel], _mm_mul_pd(span[channel], weight));
            const __m128i truncated = _mm_cvttpd_epi32(_mm_add_pd(value, half));
            const __m128d over = _mm_cmpgt_pd(_mm_sub_pd(_mm_cvtepi32_pd(truncated), value), half);
            // Each pixel's 64-bit mask, all ones where it is over, taken as a 32-bit -1.
            const __m128i overBy =
                _mm_shuffle_epi32(_mm_castpd_si128(over), _MM_SHUFFLE(3, 3, 2, 0));
            rounded[channel] = _mm_add_epi32(truncated, overBy);
        }
        // Blue, green and red words of both pixels, then their low bytes in DIB order.
        const __m128i words =
            _mm_packs_epi32(_mm_unpacklo_epi32(rounded[2], rounded[1]), rounded[0]);
        const __m128i packed = _mm_packus_epi16(words, words);
        const int low = _mm_cvtsi128_si32(packed);
        pixels[0] = static_cast<unsigned char>(low);
        pixels[1] = static_cast<unsigned char>(low >> 8);
        pixels[3] = static_cast<unsigned char>(low >> 16);
        pixels[4] = static_cast<unsigned char>(low >> 24);
        const int high = _mm_cvtsi128_si32(_mm_srli_si128(packed, 4));
        pixels[2] = static_cast<unsigned char>(high);
        pixels[5] = static_cast<unsigned char>(high >> 8);
    }
    return x;
}
#endif

COLORREF GradientColour(const GradientPicture& picture, int x, int y) {
    return GradientPainter(picture).Colour(x, y);
}
