#include "QernoRender.h"

// Each operation applies to the source what the binary mode of the same number applies to the
// pen, so a tile blitted in a mode combines with the picture as a line drawn in it would.
unsigned long QERNO_CALL GetRop3FromRop2(int rop2) {
    constexpr unsigned long kSourceCopy = 0x00CC0020;
    constexpr unsigned long kByMode[16] = {
        0x00000042,  0x001100A6, 0x00220326, 0x00330008, 0x00440328, 0x00550009,
        0x00660046,  0x007700E6, 0x008800C6, 0x00990066, 0x00AA0029, 0x00BB0226,
        kSourceCopy, 0x00DD0228, 0x00EE0086, 0x00FF0062,
    };
    return rop2 >= 1 && rop2 <= 16 ? kByMode[rop2 - 1] : kSourceCopy;
}
