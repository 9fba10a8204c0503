#include "TestMedia.h"
#include "media_reading.h"
#include "rle8_decoder.h"

#include <gtest/gtest.h>

#include <set>

using namespace testmedia;

namespace {

constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::uint32_t kKeyFrame = 0x10;

} // namespace

TEST(VideoFiles, HeadersDescribeTwentyFramesAtTenPerSecond) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes bytes = ReadMediaFile(video.file);
        const Chunk riff = ReadRiff(bytes, "AVI ");
        const Chunk& header = riff.Child("hdrl");
        const Chunk& main = header.Child("avih");
        ASSERT_EQ(main.size, 56u);
        EXPECT_EQ(Le32At(bytes, main.data), 100000u); // microseconds per frame
        EXPECT_EQ(Le32At(bytes, main.data + 12) & kHasIndex, kHasIndex);
        EXPECT_EQ(Le32At(bytes, main.data + 16), std::uint32_t(kVideoFrames));
        EXPECT_EQ(Le32At(bytes, main.data + 24), 1u); // streams
        EXPECT_EQ(Le32At(bytes, main.data + 32), std::uint32_t(kVideoWidth));
        EXPECT_EQ(Le32At(bytes, main.data + 36), std::uint32_t(kVideoHeight));

        const Chunk& stream = header.Child("strl").Child("strh");
        ASSERT_EQ(stream.size, 56u);
        EXPECT_EQ(FourCcAt(bytes, stream.data), "vids");
        EXPECT_EQ(FourCcAt(bytes, stream.data + 4), video.rle8 ? "mrle" : "DIB ");
        EXPECT_EQ(Le32At(bytes, stream.data + 20), 1u); // scale
        EXPECT_EQ(Le32At(bytes, stream.data + 24), std::uint32_t(kVideoFramesPerSecond));
        EXPECT_EQ(Le32At(bytes, stream.data + 32), std::uint32_t(kVideoFrames));

        const Chunk& format = header.Child("strl").Child("strf");
        ASSERT_GE(format.size, 40u);
        const std::uint32_t paletteSize = Le32At(bytes, format.data + 32);
        EXPECT_EQ(format.size, 40 + 4 * paletteSize);
        EXPECT_EQ(Le32At(bytes, format.data + 4), std::uint32_t(kVideoWidth));
        EXPECT_EQ(Le32At(bytes, format.data + 8), std::uint32_t(kVideoHeight)); // bottom-up
        EXPECT_EQ(Le16At(bytes, format.data + 14), video.rle8 ? 8u : 24u);
        EXPECT_EQ(Le32At(bytes, format.data + 16), video.rle8 ? 1u : 0u); // BI_RLE8, BI_RGB
        EXPECT_GT(paletteSize, 0u); // at 24 bits too, or Wine's RLE codec claims the stream
    }
}

TEST(VideoFiles, IndexPointsAtEveryFrameAsAKeyFrame) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes bytes = ReadMediaFile(video.file);
        const Chunk riff = ReadRiff(bytes, "AVI ");
        const std::uint32_t bufferSize = Le32At(bytes, riff.Child("hdrl").Child("avih").data + 28);
        const Chunk& frames = riff.Child("movi");
        const Chunk& index = riff.Child("idx1");
        const std::string id = video.rle8 ? "00dc" : "00db";
        ASSERT_EQ(frames.children.size(), std::size_t(kVideoFrames));
        ASSERT_EQ(index.size, 16u * kVideoFrames);
        for (int frame = 0; frame < kVideoFrames; ++frame) {
            SCOPED_TRACE(frame);
            const Chunk& chunk = frames.children[frame];
            const std::size_t entry = index.data + 16 * frame;
            EXPECT_EQ(chunk.id, id);
            EXPECT_EQ(FourCcAt(bytes, entry), id);
            EXPECT_EQ(Le32At(bytes, entry + 4) & kKeyFrame, kKeyFrame);
            // Offsets count from the list type 'movi', which sits at the list's data.
            EXPECT_EQ(frames.data + Le32At(bytes, entry + 8), chunk.offset);
            EXPECT_EQ(Le32At(bytes, entry + 12), chunk.size);
            EXPECT_LE(chunk.size, bufferSize);
        }
    }
}

// Decoded here apart from the writer: the RGB24 rows from the bottom up, the RLE8 indices
// through the colour table.
TEST(VideoFiles, EveryFrameShowsThePictureExactly) {
    for (const Video& video : kVideos) {
        SCOPED_TRACE(video.file);
        const Bytes bytes = ReadMediaFile(video.file);
        const Chunk riff = ReadRiff(bytes, "AVI ");
        const Chunk& format = riff.Child("hdrl").Child("strl").Child("strf");
        const std::uint32_t paletteSize = Le32At(bytes, format.data + 32);
        const auto colourAt = [&bytes](std::size_t at) { // blue, green, red
            return static_cast<unsigned long>(bytes[at + 2] | bytes[at + 1] << 8 | bytes[at] << 16);
        };
        for (int frame = 0; frame < kVideoFrames; ++frame) {
            SCOPED_TRACE(frame);
            const Chunk& chunk = riff.Child("movi").children.at(frame);
            std::vector<unsigned long> colours; // rows from the top
            if (video.rle8) {
                const DecodedRle8 decoded = DecodeRle8(
                    {bytes.begin() + chunk.data, bytes.begin() + chunk.data + chunk.size},
                    kVideoWidth, kVideoHeight);
                ASSERT_EQ(decoded.error, "");
                for (std::uint8_t index : decoded.indices) {
                    ASSERT_LT(index, paletteSize);
                    colours.push_back(colourAt(format.data + 40 + 4 * index));
                }
            } else {
                constexpr std::size_t kStride = kVideoWidth * 3; // already a multiple of 4
                ASSERT_EQ(chunk.size, kStride * kVideoHeight);
                for (int row = kVideoHeight - 1; row >= 0; --row) // the file's rows go up
                    for (int x = 0; x < kVideoWidth; ++x)
                        colours.push_back(colourAt(chunk.data + row * kStride + 3 * x));
            }
            int wrong = 0;
            for (int y = 0; y < kVideoHeight; ++y)
                for (int x = 0; x < kVideoWidth; ++x)
                    wrong += colours[y * kVideoWidth + x] != FramePixel(frame, x, y);
            EXPECT_EQ(wrong, 0);
        }
    }
}

TEST(VideoFiles, TruncatedVideoEndsInsideItsHeaderList) {
    const Bytes bytes = ReadMediaFile(kTruncatedVideo);
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ(FourCcAt(bytes, 8), "AVI ");
    EXPECT_EQ(FourCcAt(bytes, 12), "LIST");
    EXPECT_EQ(FourCcAt(bytes, 20), "hdrl");
    EXPECT_LT(bytes.size(), 20 + Le32At(bytes, 16));
}

TEST(TestPicture, OneBandPixelTellsWhichFrameIsShowing) {
    std::set<unsigned long> bandColours;
    for (int frame = 0; frame < kVideoFrames; ++frame)
        bandColours.insert(FramePixel(frame, 0, 90));
    EXPECT_EQ(bandColours.size(), std::size_t(kVideoFrames));
}
