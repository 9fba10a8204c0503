#include "render/ShadePattern.h"

#include "QernoRender.h"

#include <cstring>

namespace {

constexpr int kRows = 8;
constexpr int kLastShade = 40;
constexpr long long kRecordBeforeFirstOverlay = 31;

// Only whole records inside the table are read.
const unsigned char* Record(ShadeTableBytes table, long long record) {
    if (!table.data || record < 0 || record >= static_cast<long long>(table.size / kRows))
        return nullptr;
    return table.data + kRows * record;
}

void LoadRecord(const unsigned char* record, char* pattern) {
    std::memset(pattern, 0, kShadePatternBytes);
    std::memcpy(pattern, record, kRows);
    RelaxBits(1, 1, kRows, pattern);
}

// The old top-right pixel becomes the top-left one; the pad bytes stay.
void TurnQuarterCounterClockwise(char* pattern, char* work) {
    std::memcpy(work, pattern, kShadePatternBytes);
    for (int row = 0; row < kRows; ++row) {
        unsigned int turned = 0;
        for (int column = 0; column < kRows; ++column) {
            const unsigned int source = static_cast<unsigned char>(work[2 * (7 - column)]);
            turned |= ((source >> row) & 1u) << column;
        }
        pattern[2 * row] = static_cast<char>(turned);
    }
}

} // namespace

void ComposeShadePattern(ShadeTableBytes table, int shade, int overlay, int rotate, char* pattern,
                         char* work) {
    const unsigned char* record =
        shade >= 2 && shade <= kLastShade ? Record(table, shade - 2LL) : nullptr;
    if (shade != 1 && !record) {
        std::memset(pattern, 0xFF, kShadePatternBytes);
        return;
    }
    if (record)
        LoadRecord(record, pattern);
    else
        std::memset(pattern, 0, kShadePatternBytes);
    if (!work)
        return;
    const unsigned char* hatch =
        overlay > 0 ? Record(table, overlay + kRecordBeforeFirstOverlay) : nullptr;
    if (hatch) {
        LoadRecord(hatch, work);
        for (int i = 0; i < kShadePatternBytes; ++i)
            pattern[i] |= work[i];
    }
    if (rotate)
        TurnQuarterCounterClockwise(pattern, work);
}

void QERNO_CALL RelaxBits(int width, int pad, int rows, char* buffer) {
    if (!buffer || width < 0 || pad < 0 || rows < 0)
        return;
    const std::size_t packed = static_cast<std::size_t>(width);
    const std::size_t relaxed = packed + static_cast<std::size_t>(pad);
    // From the last row up, so that no row is overwritten before it has moved.
    for (std::size_t row = static_cast<std::size_t>(rows); row-- > 0;) {
        std::memmove(buffer + row * relaxed, buffer + row * packed, packed);
        std::memset(buffer + row * relaxed + packed, 0, relaxed - packed);
    }
}
