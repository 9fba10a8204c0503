// Predefined actions by category and the string ids of action and message names.
#include "QernoVocab.h"

namespace {

// A run of consecutive action numbers: the first has firstIndex inside its category and the
// name firstNameId, and each next one adds 1 to both.
struct ActionFamily {
    WORD first;
    WORD last;
    int category;
    int firstIndex;
    WORD firstNameId;
};

constexpr int kFamilyFlag = 0x100;
constexpr WORD kUndefinedActionNameId = 14100;

const ActionFamily kFamilies[] = {
    {0, 7, 0, 0, 14100},
    {13, 17, 1, 0, 14113},
    {18, 22, 3, 0, 14118},
    {23, 31, 4, 0, 14123},
    {32, 49, 5, 0, 14132},
    {50, 52, 6, 0, 14150},
    {100, 111, 0, kFamilyFlag, 14160},
    {200, 201, 1, kFamilyFlag, 14200},
    {300, 303, 3, kFamilyFlag, 14220},
    {400, 411, 7, kFamilyFlag, 14240},
    {500, 500, 3, kFamilyFlag, 14180}, // shares its index with action 300
    {600, 607, 9, 0, 14260},
    {700, 707, 2, kFamilyFlag, 14280},
    {800, 803, 10, kFamilyFlag, 14300},
    {900, 904, 11, 300, 14400}, // indices 300..304, no flag
};

const ActionFamily* FamilyOf(WORD action) {
    for (const ActionFamily& family : kFamilies) {
        if (action >= family.first && action <= family.last)
            return &family;
    }
    return nullptr;
}

constexpr WORD kFirstMessageNameId = 12999; // message 0's; no message is out of range

} // namespace

int QERNO_CALL GetActCategoryType(WORD action, int* index) {
    const ActionFamily* family = FamilyOf(action);
    if (!family)
        return 0;
    if (index)
        *index = family->firstIndex + (action - family->first);
    return family->category;
}

WORD QERNO_CALL GetPredefActID(WORD action) {
    const ActionFamily* family = FamilyOf(action);
    if (!family)
        return kUndefinedActionNameId;
    return static_cast<WORD>(family->firstNameId + (action - family->first));
}

WORD QERNO_CALL GetPredefMsgNameStrID(WORD message) {
    return static_cast<WORD>(message + kFirstMessageNameId);
}
