// The plug-ins as a host meets them: the manager's entries as start-up loaded them from the
// registry, the sample plug-ins found beside the demo with the strings a scan reads, and each
// registered plug-in's gradient, found by its key, drawn plain and masked over a shade brush.
#include "PlugInList.h"
#include "PlugInSwatches.h"
#include "Qerno.h"
#include "SamplePlugIns.h"
#include "Scene.h"
#include "SceneText.h"

namespace {

constexpr int kMargin = 20;
constexpr int kLineHeight = 18;
constexpr int kSamplesLeft = 560;
constexpr int kSwatchesTop = 220;
constexpr COLORREF kColourPairs[][2] = {{RGB(255, 255, 170), RGB(0, 0, 128)},
                                        {RGB(255, 40, 0), RGB(0, 160, 255)},
                                        {RGB(255, 255, 255), RGB(0, 120, 0)},
                                        {RGB(255, 200, 0), RGB(120, 0, 70)}};

void PaintSamples(HDC dc) {
    DrawSceneHeading(dc, kSamplesLeft, kMargin, "In plugins\\ beside the demo: strings 1 and 2");
    int y = kMargin + kLineHeight + 4;
    for (const SamplePlugIn& sample : ListSamplePlugIns("plugins")) {
        DrawSceneText(dc, kSamplesLeft, y,
                      sample.file + ":  " + sample.displayName + ",  " + sample.version);
        y += kLineHeight;
    }
}

void PaintPlugIns(HDC dc, const RECT&) {
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    CPlugInManager* manager = nullptr;
    GetPlugInManager(manager);
    DrawSceneHeading(dc, kMargin, kMargin, "The manager's entries, from the registry");
    PaintPlugInList(dc, kMargin, kMargin + kLineHeight + 4, manager);
    PaintSamples(dc);
    if (!manager)
        return;
    for (int entry = 1; entry < manager->m_nCount && entry <= 4; ++entry) {
        const int x = kMargin + (entry - 1) % 2 * (kPlugInSwatchesWidth + 60);
        const int y = kSwatchesTop + (entry - 1) / 2 * (kPlugInSwatchesHeight + 50);
        const unsigned int key = static_cast<unsigned int>(manager->m_nKey[entry]);
        const CString file = manager->GetPlugInFileName(key);
        DrawSceneHeading(dc, x, y,
                         "key " + std::to_string(key) + ": " + static_cast<const char*>(file));
        const COLORREF* colours = kColourPairs[(entry - 1) % 4];
        DrawPlugInSwatches(dc, x, y + kLineHeight + 2, file, colours[0], colours[1]);
    }
}

} // namespace

extern const Scene kPlugInScene = {"19-plugins", "Gradient-fill plug-ins", PaintPlugIns};
