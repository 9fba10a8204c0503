#include "MediaSet.h"

#include <cstddef>

namespace testmedia {
namespace {

// Halfway through the format fields: the 'fmt ' chunk starts at 12 and its fields at 20.
constexpr std::size_t kTruncatedWaveSize = 28;
// Halfway through the stream header (bytes 108 to 164), well inside the header list.
constexpr std::size_t kTruncatedVideoSize = 136;

Bytes Cut(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

} // namespace

std::vector<MediaFile> BuildMediaSet() {
    std::vector<MediaFile> files;
    for (const Wave& wave : kWaves)
        files.push_back({wave.file, ToneWaveFile(wave)});
    files.push_back({kTruncatedWave, Cut(files.front().bytes, kTruncatedWaveSize)});
    for (const Video& video : kVideos)
        files.push_back({video.file, VideoFile(video)});
    files.push_back({kTruncatedVideo, Cut(files.back().bytes, kTruncatedVideoSize)});
    return files;
}

} // namespace testmedia
