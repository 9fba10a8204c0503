#include "render/ResourceTable.h"

#include "QernoFrame.h"

#include <cstring>

namespace {

constexpr unsigned int kCorrectionTableId = 5803;
constexpr unsigned int kFancyTableId = 5804;
constexpr unsigned int kShadeTableId = 5805;

} // namespace

TableLoad CopyResourceTable(unsigned int id, CGlobalBlock& table) {
    table.Unlock();
    table.Free();
    unsigned long size = 0;
    const char* data = LoadResourceData(id, size);
    if (!data || size == 0)
        return TableLoad::MissingResource;
    table.m_hGlobal = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!table.Lock()) {
        table.Free();
        return TableLoad::OutOfMemory;
    }
    std::memcpy(table.m_pData, data, size);
    table.Unlock();
    return TableLoad::Loaded;
}

// The colour table is released by its own static destruction when the library unloads;
// the shade and fancy tables by the application object's exit.
CGlobalBlock& CorrectionTable() {
    static CGlobalBlock table;
    return table;
}

CGlobalBlock& ShadeTable() {
    static CGlobalBlock table;
    return table;
}

CGlobalBlock& FancyTable() {
    static CGlobalBlock table;
    return table;
}

int ReadCorrectTable(HWND) {
    return CopyResourceTable(kCorrectionTableId, CorrectionTable()) == TableLoad::Loaded;
}

int ReadShadeTable(HWND) {
    return CopyResourceTable(kShadeTableId, ShadeTable()) == TableLoad::Loaded;
}

int ReadFancyTable(HWND) {
    return CopyResourceTable(kFancyTableId, FancyTable()) == TableLoad::Loaded;
}
