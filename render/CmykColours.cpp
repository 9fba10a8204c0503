#include "QernoLog.h"
#include "QernoRender.h"
#include "render/InkLevels.h"
#include "render/ResourceTable.h"

namespace {

// The table is locked for one conversion at a time; without a usable one the inks stay as given.
void CorrectThroughTable(Inks& inks) {
    CGlobalBlock& table = CorrectionTable();
    if (table.Lock()) {
        const bool corrected =
            CorrectInks(static_cast<const BYTE*>(table.m_pData), GlobalSize(table.m_hGlobal), inks);
        table.Unlock();
        if (corrected)
            return;
    }
    if (CSysLog* log = GetSysLog())
        log->SysLogStringError(kLogCateFrame, "Cannot lock color table, Using default color\n");
}

Rgb ConvertedItem(COLOR_ITEM colour) {
    Rgb rgb;
    _CMYKtoRGB(colour, &rgb.red, &rgb.green, &rgb.blue);
    return rgb;
}

} // namespace

void QERNO_CALL CMYKdwordtoRGB(unsigned long cmyk, unsigned char* red, unsigned char* green,
                               unsigned char* blue) {
    Inks inks = InksOfCmyk(cmyk);
    CorrectThroughTable(inks);
    const Rgb rgb = RgbOfInks(inks);
    if (red)
        *red = rgb.red;
    if (green)
        *green = rgb.green;
    if (blue)
        *blue = rgb.blue;
}

void QERNO_CALL _CMYKtoRGB(COLOR_ITEM colour, unsigned char* red, unsigned char* green,
                           unsigned char* blue) {
    CMYKdwordtoRGB(CmykOfInks(InksOfItem(colour)), red, green, blue);
}

unsigned long QERNO_CALL CMYKtoRGB(COLOR_ITEM colour) {
    return ScreenColour(ConvertedItem(colour));
}

unsigned long QERNO_CALL CMYKtoCharRGB(COLOR_ITEM colour) {
    return ComplementColour(ConvertedItem(colour));
}

unsigned long QERNO_CALL CMYKwordtoRGB(unsigned short colour) {
    return CMYKtoRGB(ItemOfWord(colour));
}
