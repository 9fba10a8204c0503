#include "render/ResourceTable.h"

#include "QernoFrame.h"
#include "QernoLog.h"

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

// The tables are released at unload, beside where start-up reads them.
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

namespace {

struct TableTexts {
    const char* missingLog;
    const char* outOfMemoryLog;
    unsigned int missingPrompt;
};

// A table that cannot be read stops start-up; the user is told which one, and the log says why.
int ReadTable(HWND owner, unsigned int id, CGlobalBlock& table, const TableTexts& texts) {
    constexpr unsigned int kOutOfMemoryPrompt = 12037;
    const TableLoad load = CopyResourceTable(id, table);
    if (load == TableLoad::Loaded)
        return 1;
    const bool missing = load == TableLoad::MissingResource;
    if (CSysLog* log = GetSysLog())
        log->SysLogError(kLogCateFrame, missing ? texts.missingLog : texts.outOfMemoryLog);
    PromptErrorID(owner, missing ? texts.missingPrompt : kOutOfMemoryPrompt);
    return 0;
}

} // namespace

int ReadCorrectTable(HWND owner) {
    return ReadTable(
        owner, kCorrectionTableId, CorrectionTable(),
        {"ReadCorrectTable -- Error in resource", "ReadCorrectTable -- out of memory", 12133});
}

int ReadShadeTable(HWND owner) {
    return ReadTable(
        owner, kShadeTableId, ShadeTable(),
        {"ReadShadeTable -- Error in resource", "ReadShadeTable -- Out of memory", 12132});
}

int ReadFancyTable(HWND owner) {
    return ReadTable(
        owner, kFancyTableId, FancyTable(),
        {"ReadFancyTable -- Error in resource", "ReadFancyTable -- Out of memory", 12135});
}
