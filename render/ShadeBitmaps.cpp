#include "QernoRender.h"
#include "render/LocalBuffer.h"
#include "render/ResourceTable.h"
#include "render/ShadeBitmaps.h"
#include "render/ShadePattern.h"

#include <algorithm>
#include <array>
#include <vector>

namespace {

using PatternBits = std::array<char, kShadePatternBytes>;

// The shade brushes' patterns stay while the library is loaded: a brush whose pattern bitmap
// still exists tells the fills its size, and they then lay it in memory rather than through
// GDI band by band. Hosts use a handful of shades; past kKeptPatterns a brush keeps none.
constexpr std::size_t kKeptPatterns = 64;
struct KeptPattern {
    PatternBits bits;
    HBITMAP bitmap;
};
std::vector<KeptPattern>& KeptPatterns() {
    static std::vector<KeptPattern> kept;
    return kept;
}

bool ComposePattern(int shade, int overlay, int rotate, PatternBits& bits) {
    CGlobalBlock& table = ShadeTable();
    if (!table.Lock())
        return false;
    LocalBuffer pattern(kShadePatternBytes);
    if (pattern.bits()) {
        // The overlay and the turn need a second buffer; without one the plain shade is made.
        LocalBuffer work(kShadePatternBytes);
        const ShadeTableBytes bytes = {static_cast<const unsigned char*>(table.m_pData),
                                       GlobalSize(table.m_hGlobal)};
        ComposeShadePattern(bytes, shade, overlay, rotate, pattern.bits(), work.bits());
        std::copy(pattern.bits(), pattern.bits() + kShadePatternBytes, bits.begin());
    }
    table.Unlock();
    return pattern.bits() != nullptr;
}

} // namespace

HBITMAP QERNO_CALL GetShadeBitmap(int shade, int overlay, int rotate) {
    PatternBits bits;
    return ComposePattern(shade, overlay, rotate, bits) ? CreateBitmap(8, 8, 1, 1, bits.data())
                                                        : nullptr;
}

HBRUSH QERNO_CALL CreateShadePatternBrush(HDC, int shade, int overlay, int rotate) {
    PatternBits bits;
    if (!ComposePattern(shade, overlay, rotate, bits)) {
        const LOGBRUSH hollow = {BS_NULL, 0, 0};
        return CreateBrushIndirect(&hollow);
    }
    std::vector<KeptPattern>& kept = KeptPatterns();
    const auto same = std::find_if(
        kept.begin(), kept.end(), [&](const KeptPattern& pattern) { return pattern.bits == bits; });
    if (same != kept.end())
        return CreatePatternBrush(same->bitmap);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, bits.data());
    HBRUSH brush = CreatePatternBrush(bitmap);
    if (brush && kept.size() < kKeptPatterns)
        kept.push_back({bits, bitmap});
    else
        DeleteObject(bitmap); // the brush keeps its own copy of the pattern
    return brush;
}

void ReleaseShadePatterns() {
    for (const KeptPattern& pattern : KeptPatterns())
        DeleteObject(pattern.bitmap);
    KeptPatterns().clear();
}
