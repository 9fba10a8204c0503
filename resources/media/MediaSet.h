// The whole set of test media, named as TestMedia.h lists it, and the files it is made of.
#pragma once

#include "RiffChunks.h"
#include "TestMedia.h"

#include <string>
#include <vector>

namespace testmedia {

// The tones: a 440 Hz sine at half of full scale, the same on every channel, for exactly the
// wave's duration, as uncompressed PCM.
inline constexpr double kToneFrequency = 440.0;
inline constexpr double kToneLevel = 0.5; // of full scale
Bytes ToneWaveFile(const Wave& wave);

// AVI 1.0 files of the test picture: a header list, the frames in a 'movi' list and an 'idx1'
// index marking every frame as a key frame.
Bytes VideoFile(const Video& video);

// BI_RLE8 compression: runs of one index, absolute mode for stretches without runs, an
// end-of-line code after every row but the last, which the end-of-bitmap code closes. The
// indices of width * height pixels go from the top row; the output starts with the bottom row,
// as device-independent bitmaps do.
Bytes EncodeRle8(const Bytes& indices, int width, int height);

// A BMP file of the test picture's first frame, bottom-up, 72 dots an inch.
Bytes PictureFile(const Picture& picture);

struct MediaFile {
    std::string name;
    Bytes bytes;
};

std::vector<MediaFile> BuildMediaSet();

} // namespace testmedia
