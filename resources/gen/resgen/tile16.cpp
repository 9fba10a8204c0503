#include "tile16.h"

namespace qerno::resgen {

namespace {

constexpr std::uint16_t PixelMask(int x) {
    return static_cast<std::uint16_t>(0x8000u >> x);
}

bool Inside(int x, int y) {
    return x >= 0 && y >= 0 && x < kTileSize && y < kTileSize;
}

} // namespace

bool Tile16::At(int x, int y) const {
    return Inside(x, y) && (rows_[y] & PixelMask(x)) != 0;
}

void Tile16::Set(int x, int y, bool ink) {
    if (!Inside(x, y))
        return;
    if (ink)
        rows_[y] |= PixelMask(x);
    else
        rows_[y] &= static_cast<std::uint16_t>(~PixelMask(x));
}

int Tile16::InkCount() const {
    int count = 0;
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            count += At(x, y) ? 1 : 0;
    return count;
}

TileRecord Tile16::Record() const {
    TileRecord record{};
    for (int y = 0; y < kTileSize; ++y) {
        record[2 * y] = static_cast<std::uint8_t>(rows_[y] >> 8);
        record[2 * y + 1] = static_cast<std::uint8_t>(rows_[y] & 0xFF);
    }
    return record;
}

Tile16 Tile16::Turned(int quarterTurns) const {
    Tile16 turned = *this;
    for (int turn = 0; turn < (quarterTurns % 4 + 4) % 4; ++turn) {
        const Tile16 source = turned;
        for (int y = 0; y < kTileSize; ++y)
            for (int x = 0; x < kTileSize; ++x)
                turned.Set(x, y, source.At(y, kTileSize - 1 - x));
    }
    return turned;
}

image::MonoImage Tile16::ToImage() const {
    image::MonoImage image(kTileSize, kTileSize);
    for (int y = 0; y < kTileSize; ++y)
        for (int x = 0; x < kTileSize; ++x)
            image.Set(x, y, At(x, y));
    return image;
}

} // namespace qerno::resgen
