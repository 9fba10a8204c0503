#include "geometry/BitmapRotationPattern.h"

#include "QernoGeometry.h"

#include <cstring>

namespace {

constexpr int kSide = 16;

bool IsSet(const char* pattern, int row, int column) {
    const auto byte = static_cast<unsigned char>(pattern[2 * row + column / 8]);
    return (byte >> (7 - column % 8)) & 1;
}

void Set(char* pattern, int row, int column) {
    pattern[2 * row + column / 8] |= static_cast<char>(0x80 >> (column % 8));
}

struct Pixel {
    int row;
    int column;
};

// ORs in the source pixel that sourceOf(i, j) names at every target pixel (i, j).
template <typename SourceOf> void OrTurned(char* target, const char* source, SourceOf sourceOf) {
    if (!target || !source)
        return;
    for (int i = 0; i < kSide; ++i) {
        for (int j = 0; j < kSide; ++j) {
            const Pixel from = sourceOf(i, j);
            if (IsSet(source, from.row, from.column))
                Set(target, i, j);
        }
    }
}

} // namespace

void QERNO_CALL RotateBmp_90(char* target, char* source) {
    OrTurned(target, source, [](int i, int j) { return Pixel{kSide - 1 - j, i}; });
}

void QERNO_CALL RotateBmp_180(char* target, char* source) {
    OrTurned(target, source, [](int i, int j) { return Pixel{kSide - 1 - i, kSide - 1 - j}; });
}

void QERNO_CALL RotateBmp_270(char* target, char* source) {
    OrTurned(target, source, [](int i, int j) { return Pixel{j, kSide - 1 - i}; });
}

void TurnPattern(int angle, char* pattern, char* work) {
    if (angle == 0 || !pattern || !work)
        return;
    std::memcpy(work, pattern, kPatternSize);
    std::memset(pattern, 0, kPatternSize);
    if (angle == 90)
        RotateBmp_90(pattern, work);
    else if (angle == 180)
        RotateBmp_180(pattern, work);
    else if (angle == 270)
        RotateBmp_270(pattern, work);
}
