#include "render/FancyTiles.h"

#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/FancyLayout.h"
#include "render/ResourceTable.h"

#include <cstring>

bool FancyTableLoaded() {
    return FancyTable().m_hGlobal != nullptr;
}

char* LockFancyTable() {
    CGlobalBlock& table = FancyTable();
    return table.Lock() ? static_cast<char*>(table.m_pData) : nullptr;
}

void UnlockFancyTable() {
    FancyTable().Unlock();
}

std::size_t FancyTableSize(const char* table) {
    const CGlobalBlock& own = FancyTable();
    if (table && table == own.m_pData)
        return GlobalSize(own.m_hGlobal);
    return kFancyTableSizeUnknown;
}

bool ReadFancyTile(int style, int part, char* tile, char* scratch, char* table) {
    if (!tile)
        return false;
    const bool ownTable = !table;
    if (ownTable)
        table = LockFancyTable();
    const char* record = FancyTileRecord(table, FancyTableSize(table), style, part);
    if (record) {
        std::memcpy(tile, record, kFancyTileBytes);
        RotateBmp(FancyPartTileOf(style, part).turn, tile, scratch);
    }
    if (ownTable && table)
        UnlockFancyTable();
    return record != nullptr;
}

void QERNO_CALL ReadFancyFromBuffer(int style, int part, char* tile, char* scratch, char* table) {
    ReadFancyTile(style, part, tile, scratch, table);
}
