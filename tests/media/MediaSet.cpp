#include "MediaSet.h"

#include "AviWriter.h"
#include "FrameBits.h"
#include "SineTone.h"
#include "TestMedia.h"
#include "TestPicture.h"
#include "WaveWriter.h"

#include <cstddef>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace testmedia {
namespace {

// Halfway through the format fields: the 'fmt ' chunk starts at 12 and its fields at 20.
constexpr std::size_t kTruncatedWaveSize = 28;
// Halfway through the stream header (bytes 108 to 164), well inside the header list.
constexpr std::size_t kTruncatedVideoSize = 136;

std::vector<std::uint8_t> VideoFile(const Video& video) {
    VideoStream stream;
    stream.width = kVideoWidth;
    stream.height = kVideoHeight;
    stream.framesPerSecond = kVideoFramesPerSecond;
    // At 24 bits the colour table is only a hint for palette displays, but without one Wine's
    // RLE codec claims the stream and copies its rows into a display format of another depth.
    stream.palette = PictureColours();
    if (video.rle8) {
        stream.handler = "mrle";
        stream.compression = kBiRle8;
        stream.bitsPerPixel = 8;
    }
    for (int frame = 0; frame < kVideoFrames; ++frame)
        stream.frames.push_back(video.rle8 ? Rle8FrameBits(frame) : Rgb24FrameBits(frame));
    return AviFile(stream);
}

std::vector<std::uint8_t> Cut(std::vector<std::uint8_t> bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    file.close();
    return !file.fail();
}

} // namespace

std::vector<MediaFile> BuildMediaSet() {
    std::vector<MediaFile> files;
    for (const Wave& wave : kWaves)
        files.push_back({wave.file, WaveFile(wave, SineTonePcm(wave))});
    files.push_back({kTruncatedWave, Cut(files.front().bytes, kTruncatedWaveSize)});
    for (const Video& video : kVideos)
        files.push_back({video.file, VideoFile(video)});
    files.push_back({kTruncatedVideo, Cut(files.back().bytes, kTruncatedVideoSize)});
    return files;
}

bool WriteMediaSet(const std::string& directory, std::string& error) {
    std::error_code created;
    std::filesystem::create_directories(directory, created);
    if (created) {
        error = "cannot create " + directory + ": " + created.message();
        return false;
    }
    for (const MediaFile& file : BuildMediaSet()) {
        const std::filesystem::path path = std::filesystem::path(directory) / file.name;
        if (!WriteFile(path, file.bytes)) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    return true;
}

} // namespace testmedia
