// The project's own test media: the files qerno_mediagen writes, what they hold, and the
// picture both videos show, for the tests that play them and check what was drawn.
#pragma once

// Other tests are written against these declarations; their layout stays as it is.
// clang-format off
namespace testmedia {
struct Wave { const char* file; int channels; int bitsPerSample; int samplesPerSecond; int milliseconds; };
inline constexpr Wave kWaves[3] = {
    {"tone-8bit-mono-11025.wav", 1, 8, 11025, 1000},
    {"tone-16bit-stereo-22050.wav", 2, 16, 22050, 2000},
    {"tone-16bit-mono-44100.wav", 1, 16, 44100, 500}};
// A RIFF/WAVE file cut inside its format chunk.
inline constexpr char kTruncatedWave[] = "truncated.wav";
struct Video { const char* file; bool rle8; bool topDown; };
inline constexpr Video kVideos[2] = {{"bars-rgb24.avi", false, false}, {"bars-rle8.avi", true, false}};
// The RGB video with its rows from the top down, as a common video tool writes it by default.
inline constexpr Video kTopDownVideo = {"bars-rgb24-topdown.avi", false, true};
// An AVI file cut inside its header list.
inline constexpr char kTruncatedVideo[] = "truncated.avi";
inline constexpr int kVideoWidth = 160;
inline constexpr int kVideoHeight = 120;
inline constexpr int kVideoFramesPerSecond = 10;
inline constexpr int kVideoFrames = 20;
// Colour 0x00BBGGRR (a COLORREF) of pixel (x, y), counted from the top-left, of frame n.
unsigned long FramePixel(int frame, int x, int y);
// The first frame as a 24-bit BMP file, for the shows' pictures.
inline constexpr char kPicture[] = "card.bmp";
// The first frame as today's tools write BMP files: a header of 124 (V5), 108 (V4) or 40 bytes;
// BI_BITFIELDS when masks are given (inside the larger headers, after a 40-byte one), else BI_RGB;
// at 8 bits a colour table of every picture colour, counted in the colours-used field.
struct Picture { const char* file; int headerSize; int bitCount; unsigned long masks[3]; };
inline constexpr Picture kModernPictures[6] = {
    {"card-v5-rgb24.bmp", 124, 24, {}},
    {"card-v5-xrgb32.bmp", 124, 32, {0xFF0000, 0xFF00, 0xFF}},
    {"card-v5-rgb565.bmp", 124, 16, {0xF800, 0x7E0, 0x1F}},
    {"card-rgb565.bmp", 40, 16, {0xF800, 0x7E0, 0x1F}},
    {"card-v4-rgb555.bmp", 108, 16, {0x7C00, 0x3E0, 0x1F}},
    {"card-v5-indexed8.bmp", 124, 8, {}}};
}
// clang-format on
