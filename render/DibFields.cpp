#include "QernoRender.h"
#include "render/DibLayout.h"

char* QERNO_CALL FindDIBBits(char* dib) {
    return dib + DibBitsOffset(ReadDibHeader(dib));
}

unsigned short QERNO_CALL DIBNumColors(char* dib) {
    return DibColourCount(ReadDibHeader(dib));
}

unsigned short QERNO_CALL PaletteSize(char* dib) {
    return DibPaletteBytes(ReadDibHeader(dib));
}

// An info header's signed fields keep their 32 bits, as the Windows unsigned long does.
unsigned long QERNO_CALL DIBWidth(char* dib) {
    return static_cast<std::uint32_t>(ReadDibHeader(dib).width);
}

unsigned long QERNO_CALL DIBHeight(char* dib) {
    return static_cast<std::uint32_t>(ReadDibHeader(dib).height);
}
