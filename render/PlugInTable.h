// The bookkeeping of the plug-in table, apart from where its entries come from: which entries of
// the list are taken, at which index, and which entry a key selects.
#pragma once

#include "QernoTypes.h"

namespace plugins {

constexpr int kMaxEntries = 200;

// The list the table is loaded from: the registry in the library, a script in the tests.
class EntrySource {
public:
    virtual ~EntrySource() = default;
    // How many entries the list says it has; false when it does not say.
    virtual bool ReadCount(unsigned long& count) = 0;
    // The key of the list's entry number; false when the entry is missing or incomplete. The
    // entry's names are held until the next read.
    virtual bool ReadEntry(int number, unsigned long& key) = 0;
    // The built-in entry, or the names of the entry read last, become entry index.
    virtual void TakeBuiltIn(int index) = 0;
    virtual void TakeEntry(int index) = 0;
};

// The manager's key arrays, kMaxEntries each.
struct KeyTable {
    int* keys;
    int* indexOfKey;
    int& count;
};

// Puts the built-in entry at index 0 with key 0, then takes the list's entries in order, up to
// its count, until the first incomplete one; keys of kMaxEntries or more are passed over.
// The number of entries in the table.
int LoadEntries(EntrySource& source, KeyTable table);

// The entry a key selects: a key out of range is taken as key 1, a key never loaded gives
// entry 0.
int EntryOfKey(const int* indexOfKey, unsigned int key);

} // namespace plugins
