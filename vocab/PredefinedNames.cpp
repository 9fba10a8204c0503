// The display names of predefined actions and messages, from the resource module.
#include "QernoFrame.h"
#include "QernoVocab.h"
#include "vocab/NameCopy.h"

namespace {

constexpr int kPredefNameSize = 80; // names are at most 79 characters

int CopyPredefName(unsigned int id, char* buffer, int size) {
    char name[kPredefNameSize] = {}; // a missing string leaves it empty, of length 0
    GetIDStringB(id, name, kPredefNameSize);
    return CopyNameCut(name, buffer, size);
}

} // namespace

int QERNO_CALL GetPredefActName(WORD action, char* buffer, int size) {
    return CopyPredefName(GetPredefActID(action), buffer, size);
}

int QERNO_CALL GetPredefMsgName(WORD message, char* buffer, int size) {
    return CopyPredefName(GetPredefMsgNameStrID(message), buffer, size);
}
