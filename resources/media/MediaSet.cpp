#include "MediaSet.h"

namespace testmedia {

std::vector<MediaFile> BuildMediaSet() {
    const auto cut = [](const MediaFile& file, std::size_t size) {
        return Bytes(file.bytes.begin(), file.bytes.begin() + size);
    };
    std::vector<MediaFile> files;
    for (const Wave& wave : kWaves)
        files.push_back({wave.file, ToneWaveFile(wave)});
    // Halfway through the format fields: the 'fmt ' chunk starts at 12 and its fields at 20.
    files.push_back({kTruncatedWave, cut(files.front(), 28)});
    for (const Video& video : kVideos)
        files.push_back({video.file, VideoFile(video)});
    // Halfway through the stream header (bytes 108 to 164), well inside the header list.
    files.push_back({kTruncatedVideo, cut(files.back(), 136)});
    files.push_back({kTopDownVideo.file, VideoFile(kTopDownVideo)});
    files.push_back({kPicture, PictureFile({kPicture, 40, 24, {}})});
    for (const Picture& picture : kModernPictures)
        files.push_back({picture.file, PictureFile(picture)});
    return files;
}

} // namespace testmedia
