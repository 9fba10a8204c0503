// A test card: colour bars over a fine checker line, a band whose colour names the frame, a
// white block moving right, and a strip of ticks counting the frames shown so far.
#include "TestMedia.h"
#include "TestPicture.h"

#include <iterator>

namespace testmedia {
namespace {

constexpr unsigned long Rgb(unsigned long red, unsigned long green, unsigned long blue) {
    return red | green << 8 | blue << 16;
}

constexpr unsigned long kBlack = Rgb(0, 0, 0);
constexpr unsigned long kWhite = Rgb(255, 255, 255);
constexpr unsigned long kUnlitTick = Rgb(64, 64, 64);
// 75% bars, so that the white block stands out from the first one.
constexpr unsigned long kBars[8] = {
    Rgb(192, 192, 192), Rgb(192, 192, 0), Rgb(0, 192, 192), Rgb(0, 192, 0),
    Rgb(192, 0, 192),   Rgb(192, 0, 0),   Rgb(0, 0, 192),   kBlack};
constexpr int kBarWidth = kVideoWidth / 8;

// Rows from the top: bars, checker line, frame band, tick strip with a black margin.
constexpr int kCheckerTop = 76;
constexpr int kBandTop = 80;
constexpr int kTicksTop = 100;
constexpr int kTickMargin = 4;
constexpr int kTickWidth = kVideoWidth / kVideoFrames;

constexpr int kBlockSize = 16;
constexpr int kBlockTop = 30;
constexpr int kBlockLeft = 4;
constexpr int kBlockStep = 7; // the last frame's block still ends inside the picture

// Green counts the frames up and red down, so one pixel of the band tells which one is showing.
constexpr unsigned long BandColour(int frame) {
    return Rgb(255 - 12 * frame, 12 * frame, 128);
}

} // namespace

unsigned long FramePixel(int frame, int x, int y) {
    const int blockLeft = kBlockLeft + kBlockStep * frame;
    if (x >= blockLeft && x < blockLeft + kBlockSize && y >= kBlockTop &&
        y < kBlockTop + kBlockSize)
        return kWhite;
    if (y < kCheckerTop)
        return kBars[x / kBarWidth];
    if (y < kBandTop)
        return (x + y) % 2 ? kWhite : kBlack;
    if (y < kTicksTop)
        return BandColour(frame);
    // The tick strip: a black margin round it and a black line after each tick.
    if (y < kTicksTop + kTickMargin || y >= kVideoHeight - kTickMargin ||
        x % kTickWidth == kTickWidth - 1)
        return kBlack;
    return x / kTickWidth <= frame ? kWhite : kUnlitTick;
}

std::vector<unsigned long> PictureColours() {
    std::vector<unsigned long> colours(std::begin(kBars), std::end(kBars));
    colours.push_back(kWhite);
    colours.push_back(kUnlitTick);
    for (int frame = 0; frame < kVideoFrames; ++frame)
        colours.push_back(BandColour(frame));
    return colours;
}

} // namespace testmedia
