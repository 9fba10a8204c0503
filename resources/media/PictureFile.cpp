#include "MediaSet.h"
#include "TestPicture.h"

#include <algorithm>

namespace testmedia {
namespace {

constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr int kV5HeaderSize = 124;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitFields = 3;
constexpr std::uint32_t kDotsPerMetre = 2835;    // 72 dots an inch
constexpr std::uint32_t kSrgbSpace = 0x73524742; // 'sRGB'
constexpr std::uint32_t kImageIntent = 4;        // LCS_GM_IMAGES

// The top bits of an 8-bit channel, as many as the mask sets, moved to the mask's place.
std::uint32_t InMask(unsigned long channel, unsigned long mask) {
    int shift = 0, width = 0;
    while (!(mask >> shift & 1))
        ++shift;
    while (mask >> (shift + width) & 1)
        ++width;
    return static_cast<std::uint32_t>((channel & 0xFF) >> (8 - width) << shift);
}

// A pixel of the colour 0x00BBGGRR, as picture's depth and masks store it.
void PutPixel(Bytes& out, const Picture& picture, unsigned long colour,
              const std::vector<unsigned long>& table) {
    if (picture.bitCount == 8) {
        out.push_back(static_cast<std::uint8_t>(std::find(table.begin(), table.end(), colour) -
                                                table.begin()));
    } else if (picture.bitCount == 24) {
        out.insert(out.end(),
                   {std::uint8_t(colour >> 16), std::uint8_t(colour >> 8), std::uint8_t(colour)});
    } else {
        const std::uint32_t value = InMask(colour, picture.masks[0]) |
                                    InMask(colour >> 8, picture.masks[1]) |
                                    InMask(colour >> 16, picture.masks[2]);
        (picture.bitCount == 16 ? Le16 : Le32)(out, {value});
    }
}

// The fields past the first 40 bytes: the masks (no alpha), the colour space with its unused
// end points and gamma, then for a V5 header the intent and no profile.
void PutWideFields(Bytes& out, const Picture& picture) {
    Le32(out, {std::uint32_t(picture.masks[0]), std::uint32_t(picture.masks[1]),
               std::uint32_t(picture.masks[2]), 0, kSrgbSpace});
    out.resize(out.size() + 9 * 4 + 3 * 4);
    if (picture.headerSize == kV5HeaderSize)
        Le32(out, {kImageIntent, 0, 0, 0});
}

} // namespace

Bytes PictureFile(const Picture& picture) {
    const bool masked = picture.masks[0] != 0;
    const auto headerSize = static_cast<std::uint32_t>(picture.headerSize);
    const std::vector<unsigned long> table =
        picture.bitCount == 8 ? PictureColours() : std::vector<unsigned long>();
    const auto colours = static_cast<std::uint32_t>(table.size());
    const std::uint32_t rowBytes = (kVideoWidth * picture.bitCount + 31) / 32 * 4;
    const std::uint32_t pixelBytes = rowBytes * kVideoHeight;
    const std::uint32_t bitsOffset =
        14 + headerSize + (masked && headerSize == kInfoHeaderSize ? 12 : 0) + 4 * colours;
    Bytes file;
    Le16(file, {'B' | 'M' << 8});
    Le32(file, {bitsOffset + pixelBytes, 0, bitsOffset});
    Le32(file, {headerSize, kVideoWidth, kVideoHeight});
    Le16(file, {1, std::uint32_t(picture.bitCount)});
    Le32(file,
         {masked ? kBiBitFields : kBiRgb, pixelBytes, kDotsPerMetre, kDotsPerMetre, colours, 0});
    if (headerSize > kInfoHeaderSize)
        PutWideFields(file, picture);
    else if (masked)
        Le32(file, {std::uint32_t(picture.masks[0]), std::uint32_t(picture.masks[1]),
                    std::uint32_t(picture.masks[2])});
    for (unsigned long colour : table)
        Le32(file, {std::uint32_t((colour & 0xFF) << 16 | (colour & 0xFF00) | colour >> 16)});
    for (int y = kVideoHeight - 1; y >= 0; --y) { // bottom-up, as device-independent bitmaps
        for (int x = 0; x < kVideoWidth; ++x)
            PutPixel(file, picture, FramePixel(0, x, y), table);
        file.resize(bitsOffset + (kVideoHeight - y) * rowBytes);
    }
    return file;
}

} // namespace testmedia
