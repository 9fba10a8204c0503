#include "AviWriter.h"

#include "RiffWriter.h"

#include <algorithm>
#include <cstddef>

namespace testmedia {
namespace {

constexpr std::uint32_t kAvifHasIndex = 0x10;
constexpr std::uint32_t kAviifKeyFrame = 0x10;
constexpr std::uint32_t kDefaultQuality = 0xFFFFFFFF;
constexpr std::uint32_t kBitmapInfoHeaderSize = 40;

struct StreamFacts {
    const char* chunkId;
    std::uint32_t largestFrame;
    std::uint32_t imageSize;
};

StreamFacts FactsOf(const VideoStream& video) {
    std::size_t largest = 0;
    for (const std::vector<std::uint8_t>& frame : video.frames)
        largest = std::max(largest, frame.size());
    const std::uint32_t stride = (video.width * video.bitsPerPixel + 31) / 32 * 4;
    const bool compressed = video.compression != kBiRgb;
    return {compressed ? "00dc" : "00db", static_cast<std::uint32_t>(largest),
            compressed ? static_cast<std::uint32_t>(largest) : stride * video.height};
}

void WriteMainHeader(const VideoStream& video, const StreamFacts& facts, RiffWriter& riff) {
    riff.OpenChunk("avih");
    riff.Le32(1000000 / video.framesPerSecond);
    riff.Le32(facts.largestFrame * video.framesPerSecond);
    riff.Le32(0); // padding granularity
    riff.Le32(kAvifHasIndex);
    riff.Le32(video.frames.size());
    riff.Le32(0); // initial frames
    riff.Le32(1); // streams
    riff.Le32(facts.largestFrame);
    riff.Le32(video.width);
    riff.Le32(video.height);
    for (int reserved = 0; reserved < 4; ++reserved)
        riff.Le32(0);
    riff.Close();
}

void WriteStreamHeader(const VideoStream& video, const StreamFacts& facts, RiffWriter& riff) {
    riff.OpenChunk("strh");
    riff.FourCc("vids");
    riff.FourCc(video.handler);
    riff.Le32(0); // flags
    riff.Le16(0); // priority
    riff.Le16(0); // language
    riff.Le32(0); // initial frames
    riff.Le32(1); // scale: the rate counts frames per second
    riff.Le32(video.framesPerSecond);
    riff.Le32(0); // start
    riff.Le32(video.frames.size());
    riff.Le32(facts.largestFrame);
    riff.Le32(kDefaultQuality);
    riff.Le32(0); // sample size: frames vary in size
    riff.Le16(0); // frame rectangle: left, top, right, bottom
    riff.Le16(0);
    riff.Le16(video.width);
    riff.Le16(video.height);
    riff.Close();
}

void WriteStreamFormat(const VideoStream& video, const StreamFacts& facts, RiffWriter& riff) {
    riff.OpenChunk("strf");
    riff.Le32(kBitmapInfoHeaderSize);
    riff.Le32(video.width);
    riff.Le32(video.height); // positive: rows from the bottom up
    riff.Le16(1);            // planes
    riff.Le16(video.bitsPerPixel);
    riff.Le32(video.compression);
    riff.Le32(facts.imageSize);
    riff.Le32(0); // horizontal resolution
    riff.Le32(0); // vertical resolution
    riff.Le32(video.palette.size());
    riff.Le32(0); // every colour is important
    for (unsigned long colour : video.palette) {
        const auto channel = [colour](int shift) {
            return static_cast<std::uint8_t>(colour >> shift);
        };
        riff.Append({channel(16), channel(8), channel(0), 0}); // RGBQUAD: blue first
    }
    riff.Close();
}

} // namespace

std::vector<std::uint8_t> AviFile(const VideoStream& video) {
    const StreamFacts facts = FactsOf(video);
    RiffWriter riff;
    riff.OpenList("RIFF", "AVI ");
    riff.OpenList("LIST", "hdrl");
    WriteMainHeader(video, facts, riff);
    riff.OpenList("LIST", "strl");
    WriteStreamHeader(video, facts, riff);
    WriteStreamFormat(video, facts, riff);
    riff.Close();
    riff.Close();

    riff.OpenList("LIST", "movi");
    // Index offsets count from the list type 'movi'.
    const std::size_t moviType = riff.Offset() - 4;
    std::vector<std::size_t> offsets;
    for (const std::vector<std::uint8_t>& frame : video.frames) {
        offsets.push_back(riff.Offset() - moviType);
        riff.OpenChunk(facts.chunkId);
        riff.Append(frame);
        riff.Close();
    }
    riff.Close();

    riff.OpenChunk("idx1");
    for (std::size_t frame = 0; frame < video.frames.size(); ++frame) {
        riff.FourCc(facts.chunkId);
        riff.Le32(kAviifKeyFrame);
        riff.Le32(offsets[frame]);
        riff.Le32(video.frames[frame].size());
    }
    riff.Close();
    riff.Close();
    return riff.Finish();
}

} // namespace testmedia
