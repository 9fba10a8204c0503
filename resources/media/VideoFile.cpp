#include "MediaSet.h"
#include "TestPicture.h"

#include <algorithm>

namespace testmedia {
namespace {

constexpr std::uint32_t kAvifHasIndex = 0x10;
constexpr std::uint32_t kAviifKeyFrame = 0x10;
constexpr std::uint32_t kDefaultQuality = 0xFFFFFFFF;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiRle8 = 1;
static_assert(kVideoWidth * 3 % 4 == 0, "24-bit rows need no padding");

// Blue, green, red: the order of DIB pixels and colour tables.
void PutBgr(Bytes& out, unsigned long colour) {
    out.insert(out.end(),
               {static_cast<std::uint8_t>(colour >> 16), static_cast<std::uint8_t>(colour >> 8),
                static_cast<std::uint8_t>(colour)});
}

// DIB rows go from the bottom up unless the height is negative; the encoder takes indices from
// the top and turns them over.
Bytes FrameBits(const Video& video, int frame, const std::vector<unsigned long>& palette) {
    const bool rle8 = video.rle8;
    const bool fromTop = rle8 || video.topDown;
    Bytes bits;
    for (int row = 0; row < kVideoHeight; ++row)
        for (int x = 0; x < kVideoWidth; ++x) {
            const unsigned long colour =
                FramePixel(frame, x, fromTop ? row : kVideoHeight - 1 - row);
            // Exact colours only: the tests' decoding sees any outside the palette.
            if (rle8)
                bits.push_back(static_cast<std::uint8_t>(
                    std::find(palette.begin(), palette.end(), colour) - palette.begin()));
            else
                PutBgr(bits, colour);
        }
    return rle8 ? EncodeRle8(bits, kVideoWidth, kVideoHeight) : bits;
}

} // namespace

Bytes VideoFile(const Video& video) {
    // At 24 bits the colour table is only a hint for palette displays, but without one Wine's
    // RLE codec claims the stream and copies its rows into a display format of another depth.
    const std::vector<unsigned long> palette = PictureColours();
    const char* chunkId = video.rle8 ? "00dc" : "00db";
    std::vector<Bytes> frames;
    Bytes index;
    std::uint32_t offset = 4; // index offsets count from the list type 'movi'
    std::uint32_t largest = 0;
    for (int frame = 0; frame < kVideoFrames; ++frame) {
        const Bytes bits = FrameBits(video, frame, palette);
        const auto size = static_cast<std::uint32_t>(bits.size());
        frames.push_back(Chunk(chunkId, bits));
        FourCc(index, chunkId);
        Le32(index, {kAviifKeyFrame, offset, size});
        offset += static_cast<std::uint32_t>(frames.back().size());
        largest = std::max(largest, size);
    }

    // Microseconds per frame, bytes per second, padding granularity, flags, frames, initial
    // frames, streams, buffer size, width, height and four reserved fields.
    Bytes mainHeader;
    Le32(mainHeader,
         {1000000 / kVideoFramesPerSecond, largest * kVideoFramesPerSecond, 0, kAvifHasIndex,
          kVideoFrames, 0, 1, largest, kVideoWidth, kVideoHeight, 0, 0, 0, 0});
    // Type and codec; flags, priority and language, initial frames, scale (the rate counts
    // frames per second), rate, start, length, buffer size, quality, sample size (frames vary
    // in size); then the frame rectangle of 16-bit fields.
    Bytes streamHeader;
    FourCc(streamHeader, "vids");
    FourCc(streamHeader, video.rle8 ? "mrle" : "DIB ");
    Le32(streamHeader,
         {0, 0, 0, 1, kVideoFramesPerSecond, 0, kVideoFrames, largest, kDefaultQuality, 0});
    Le16(streamHeader, {0, 0, kVideoWidth, kVideoHeight});
    // Every frame of the RGB video has the one image size, so the largest frame gives it for both.
    Bytes format;
    const auto height = static_cast<std::uint32_t>(video.topDown ? -kVideoHeight : kVideoHeight);
    Le32(format, {kBitmapInfoHeaderSize, kVideoWidth, height});
    Le16(format, {1, video.rle8 ? 8u : 24u}); // planes, bits per pixel
    Le32(format, {video.rle8 ? kBiRle8 : kBiRgb, largest, 0, 0,
                  static_cast<std::uint32_t>(palette.size()), 0});
    for (unsigned long colour : palette) {
        PutBgr(format, colour);
        format.push_back(0); // RGBQUAD's reserved byte
    }

    const Bytes streamList =
        List("LIST", "strl", {Chunk("strh", streamHeader), Chunk("strf", format)});
    return List("RIFF", "AVI ",
                {List("LIST", "hdrl", {Chunk("avih", mainHeader), streamList}),
                 List("LIST", "movi", frames), Chunk("idx1", index)});
}

} // namespace testmedia
