#include "render/PlugInTable.h"

namespace plugins {

int LoadEntries(EntrySource& source, KeyTable table) {
    source.TakeBuiltIn(0);
    table.keys[0] = 0;
    table.indexOfKey[0] = 0;
    table.count = 1;

    unsigned long limit = kMaxEntries;
    unsigned long listed = 0;
    if (source.ReadCount(listed) && listed < limit)
        limit = listed;
    // A full table takes no more, whatever the list still holds.
    unsigned long key = 0;
    for (int number = 0; static_cast<unsigned long>(table.count) <= limit &&
                         table.count < kMaxEntries && source.ReadEntry(number, key);
         ++number) {
        if (key >= kMaxEntries)
            continue;
        source.TakeEntry(table.count);
        table.keys[table.count] = static_cast<int>(key);
        table.indexOfKey[key] = table.count;
        ++table.count;
    }
    return table.count;
}

int EntryOfKey(const int* indexOfKey, unsigned int key) {
    if (key >= kMaxEntries)
        key = 1;
    const int index = indexOfKey[key];
    // The arrays are open to the host: an index it wrote out of range selects the built-in entry.
    return index >= 0 && index < kMaxEntries ? index : 0;
}

} // namespace plugins
