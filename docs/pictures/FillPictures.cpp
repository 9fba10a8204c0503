// Fountain fills at three midpoints and the four sample plug-ins' gradients.
#include "Pictures.h"
#include "Qerno.h"

#include <string>

namespace {

constexpr int kMargin = 8;
constexpr int kLabelHeight = 18;
constexpr int kGap = 24;

constexpr int kFountainWidth = 256;
constexpr int kFountainHeight = 80;
constexpr int kMidpoints[] = {0, 64, 128};
constexpr int kFountainCount = sizeof kMidpoints / sizeof kMidpoints[0];

constexpr int kSamplePlugIns = 4;
constexpr int kPlugInWidth = 200;
constexpr int kPlugInHeight = 140;

// The null pen keeps the bands seamless: the fill draws them with the DC's own pen.
bool PaintFountainMidpoints(HDC dc) {
    HGDIOBJ previousPen = SelectObject(dc, GetStockObject(NULL_PEN));
    for (int i = 0; i < kFountainCount; ++i) {
        const int x = kMargin + i * (kFountainWidth + kGap);
        DrawLabel(dc, x, kMargin, ("midpoint " + std::to_string(kMidpoints[i])).c_str());
        RECT fill = {x, kMargin + kLabelHeight, x + kFountainWidth,
                     kMargin + kLabelHeight + kFountainHeight};
        DrawFountainRect(dc, &fill, nullptr, 0, kMidpoints[i], RGB(0, 0, 128), RGB(255, 200, 0),
                         FALSE);
    }
    SelectObject(dc, previousPen);
    return true;
}

// The plug-ins registered as keys 1 to 4, found through the library's manager as a host finds
// them; each drawn once, so each gets a cache slot of its own.
bool PaintPlugInShapes(HDC dc) {
    CPlugInManager* manager = nullptr;
    GetPlugInManager(manager);
    if (!manager || manager->m_nCount <= kSamplePlugIns)
        return false;
    bool painted = true;
    for (int entry = 1; entry <= kSamplePlugIns; ++entry) {
        const int x = kMargin + (entry - 1) * (kPlugInWidth + kGap);
        DrawLabel(dc, x, kMargin, *manager->m_pDisplayName[entry]);
        RECT fill = {x, kMargin + kLabelHeight, x + kPlugInWidth,
                     kMargin + kLabelHeight + kPlugInHeight};
        HBITMAP cache = nullptr;
        PlugInDrawFountainRect(dc, &fill, nullptr, 0, 0, RGB(255, 255, 170), RGB(0, 0, 128), 0, 0,
                               manager->GetPlugInFileName(manager->m_nKey[entry]), &cache);
        painted = painted && cache != nullptr;
        DeleteObject(cache);
    }
    return painted;
}

} // namespace

extern const Picture kFountainMidpointsPicture = {
    "fountain-midpoints.png", 2 * kMargin + kFountainCount * kFountainWidth + 2 * kGap,
    2 * kMargin + kLabelHeight + kFountainHeight, PaintFountainMidpoints};

extern const Picture kPlugInShapesPicture = {
    "plugin-shapes.png", 2 * kMargin + kSamplePlugIns * kPlugInWidth + 3 * kGap,
    2 * kMargin + kLabelHeight + kPlugInHeight, PaintPlugInShapes};
