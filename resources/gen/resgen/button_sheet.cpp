#include "button_sheet.h"

#include "button_glyphs.h"

namespace qerno::resgen {

namespace {

constexpr image::Rgb kFace = {0xC0, 0xC0, 0xC0};
constexpr image::Rgb kHighlight = {0xFF, 0xFF, 0xFF};
constexpr image::Rgb kShadow = {0x80, 0x80, 0x80};
constexpr image::Rgb kBlack = {0x00, 0x00, 0x00};

void DrawBevel(image::Canvas& sheet, int x, int y, bool pressed) {
    const int w = kVisibleFaceWidth;
    const int h = kVisibleFaceHeight;
    sheet.FillRect(x, y, kButtonWidth, kButtonHeight, kBlack);
    sheet.FillRect(x, y, w, h, kFace);
    if (pressed) {
        sheet.Line(x, y, x + w - 1, y, kShadow);
        sheet.Line(x, y, x, y + h - 1, kShadow);
        return;
    }
    sheet.Line(x, y, x + w - 2, y, kHighlight);
    sheet.Line(x, y, x, y + h - 2, kHighlight);
    for (int inset = 0; inset < 2; ++inset) {
        sheet.Line(x + inset, y + h - 1 - inset, x + w - 1, y + h - 1 - inset, kShadow);
        sheet.Line(x + w - 1 - inset, y + inset, x + w - 1 - inset, y + h - 1, kShadow);
    }
}

void DrawGlyph(image::Canvas& sheet, int x, int y, const image::MonoImage& glyph, bool greyed) {
    if (greyed) {
        // Etched: a white copy one pixel down and right under a grey one.
        sheet.BlitMonoInk(glyph, x + 1, y + 1, 1, kHighlight);
        sheet.BlitMonoInk(glyph, x, y, 1, kShadow);
        return;
    }
    sheet.BlitMonoInk(glyph, x, y, 1, kBlack);
}

// Every other pixel round the interior, as the system draws keyboard focus.
void DrawFocusRing(image::Canvas& sheet, int x, int y) {
    const int left = x + 3;
    const int top = y + 3;
    const int right = x + kVisibleFaceWidth - 5;
    const int bottom = y + kVisibleFaceHeight - 5;
    for (int px = left; px <= right; ++px)
        for (const int py : {top, bottom})
            if ((px + py) % 2 == 0)
                sheet.Put(px, py, kBlack);
    for (int py = top; py <= bottom; ++py)
        for (const int px : {left, right})
            if ((px + py) % 2 == 0)
                sheet.Put(px, py, kBlack);
}

void DrawButton(image::Canvas& sheet, int column, ButtonRow row) {
    const int x = ButtonFaceX(column);
    const int y = ButtonFaceY(static_cast<int>(row));
    const bool pressed = row == ButtonRow::Pressed;
    DrawBevel(sheet, x, y, pressed);
    if (row == ButtonRow::Spare1 || row == ButtonRow::Spare2)
        return;
    const image::MonoImage glyph = ButtonGlyph(static_cast<ButtonColumn>(column));
    const int shift = pressed ? 1 : 0;
    DrawGlyph(sheet, x + shift, y + shift, glyph, row == ButtonRow::Idle);
    if (row == ButtonRow::Focused)
        DrawFocusRing(sheet, x, y);
}

} // namespace

image::Canvas ButtonSheet() {
    image::Canvas sheet(kButtonSheetWidth, kButtonSheetHeight, kBlack);
    for (int row = 0; row < kButtonRows; ++row)
        for (int column = 0; column < kButtonColumns; ++column)
            DrawButton(sheet, column, static_cast<ButtonRow>(row));
    return sheet;
}

} // namespace qerno::resgen
