#include "show/SlidePainter.h"

#include "Qerno.h"

#include <algorithm>
#include <cstdlib>

namespace {

// Line units a point.
constexpr int kPointLines = 20;
constexpr int kFancyTileSide = 16;

RECT BoxRect(const ShowBox& box) {
    return {box.x, box.y, box.x + box.width, box.y + box.height};
}

void FillSolid(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &area, brush);
    DeleteObject(brush);
}

void PaintBackground(HDC dc, RECT page, const ShowBackground& background) {
    switch (background.kind) {
    case ShowBackgroundKind::Fountain: {
        // The bands are rectangles, outlined with the DC's pen: none, or each would be framed.
        // Without a pen a rectangle stops a pixel short of its far edges, so the fill is given
        // the page a pixel larger.
        RECT pixels = page;
        LPtoDP(dc, reinterpret_cast<POINT*>(&pixels), 2);
        ++pixels.right, ++pixels.bottom;
        const int saved = SaveDC(dc);
        SetMapMode(dc, MM_TEXT);
        SelectObject(dc, GetStockObject(NULL_PEN));
        DrawFountainRect(dc, &pixels, nullptr, background.vertical ? 90 : 0, background.midpoint,
                         background.first, background.second, 0);
        RestoreDC(dc, saved);
        return;
    }
    case ShowBackgroundKind::PlugIn: {
        CPlugInManager* manager = nullptr;
        GetPlugInManager(manager);
        if (!manager)
            break;
        HBITMAP cache = nullptr;
        PlugInDrawFountainRect(dc, &page, nullptr, 0, background.midpoint, background.first,
                               background.second, 0,
                               static_cast<unsigned short>(background.parameter),
                               manager->GetPlugInFileName(background.plugIn), &cache);
        if (cache)
            DeleteObject(cache);
        return;
    }
    case ShowBackgroundKind::Shade: {
        // The pattern's 0 bits show the text colour, its 1 bits the background colour.
        HBRUSH brush = CreateShadePatternBrush(dc, background.shade, 0, 0);
        const COLORREF oldText = SetTextColor(dc, background.first);
        const COLORREF oldBack = SetBkColor(dc, background.second);
        FillRect(dc, &page, brush);
        SetBkColor(dc, oldBack);
        SetTextColor(dc, oldText);
        DeleteObject(brush);
        return;
    }
    case ShowBackgroundKind::None:
        break;
    }
    FillSolid(dc, page, RGB(255, 255, 255));
}

void PaintBorder(HDC dc, RECT page, const ShowBorder& border) {
    if (border.kind == ShowBorderKind::Tiles) {
        HDC memory = CreateCompatibleDC(dc);
        if (!memory)
            return;
        // The frame is of whole tiles: sized so that each side holds a whole number of them,
        // it closes at the page's far edges.
        const auto fitted = [&](LONG side) {
            const LONG count = std::max<LONG>(2, (side + border.width / 2) / border.width);
            return static_cast<int>(side / count);
        };
        PaintFancyChar3(dc, memory, border.style, &page, fitted(page.right - page.left),
                        fitted(page.bottom - page.top));
        DeleteDC(memory);
        return;
    }
    if (border.kind != ShowBorderKind::Line)
        return;
    // Its width is a byte: drawn in device pixels, where a border's width fits in one.
    POINT corners[] = {{page.left, page.top}, {page.right, page.bottom}};
    POINT across[] = {{0, 0}, {border.width, 0}};
    LPtoDP(dc, corners, 2);
    LPtoDP(dc, across, 2);
    const int width = std::abs(across[1].x - across[0].x);
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_TEXT);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    PaintFcRect(dc, corners,
                static_cast<unsigned char>(width < 1     ? 1
                                           : width > 255 ? 255
                                                         : width),
                static_cast<unsigned short>(border.style));
    RestoreDC(dc, saved);
}

// Text lines of a style in its box, each on a line of its own from the top.
void PaintLines(HDC dc, const ShowTextStyle& style, const std::vector<std::string>& lines,
                UINT format) {
    HFONT font = CreateFontA(-style.font.points * kPointLines, 0, 0, 0,
                             style.font.bold ? FW_BOLD : FW_NORMAL, style.font.italic, 0, 0,
                             DEFAULT_CHARSET, 0, 0, DEFAULT_QUALITY, 0, style.font.face.c_str());
    if (!font)
        return;
    HGDIOBJ oldFont = SelectObject(dc, font);
    const COLORREF oldColour = SetTextColor(dc, style.color);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    const int lineHeight = metrics.tmHeight + metrics.tmExternalLeading;
    const RECT box = BoxRect(style.at);
    RECT line = box;
    for (const std::string& text : lines) {
        if (line.top >= box.bottom)
            break;
        line.bottom = lines.size() == 1 ? box.bottom : line.top + lineHeight;
        if (line.bottom > box.bottom)
            line.bottom = box.bottom;
        DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &line,
                  format | DT_SINGLELINE | DT_NOPREFIX);
        line.top += lineHeight;
    }
    SetTextColor(dc, oldColour);
    SelectObject(dc, oldFont);
    DeleteObject(font);
}

void PaintPicture(HDC dc, const ShowPicture& picture, ShowMedia& media) {
    HGLOBAL dib = media.LoadPicture(picture.file);
    if (!dib)
        return;
    HPALETTE palette = CreateDIBPalette(static_cast<void*>(dib));
    HBITMAP bitmap = DIBToBitmap(dib, palette);
    GlobalFree(dib);
    if (!bitmap) {
        if (palette)
            DeleteObject(palette);
        media.Report("The picture " + media.Resolve(picture.file) + " cannot be drawn");
        return;
    }
    BITMAP shape = {};
    GetObjectA(bitmap, sizeof shape, &shape);
    HDC memory = CreateCompatibleDC(dc);
    if (memory) {
        HGDIOBJ oldBitmap = SelectObject(memory, bitmap);
        const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
        StretchBlt(dc, picture.at.x, picture.at.y, picture.at.width, picture.at.height, memory, 0,
                   0, shape.bmWidth, shape.bmHeight, SRCCOPY);
        SetStretchBltMode(dc, oldMode);
        SelectObject(memory, oldBitmap);
        DeleteDC(memory);
    }
    DeleteObject(bitmap);
    if (palette)
        DeleteObject(palette);
}

void PaintArrow(HDC dc, const ShowArrow& arrow) {
    char edge[32];
    ReadFancyFromBuffer(arrow.style, 0, edge, nullptr, nullptr);
    DrawArrowLine(dc, {arrow.x1, arrow.y1}, {arrow.x2, arrow.y2}, nullptr, edge, nullptr,
                  kFancyTileSide, kFancyTileSide, arrow.width, arrow.width, 0);
}

} // namespace

void PaintSlide(HDC dc, SIZE size, const ShowDocument& document, const ShowSlide& slide,
                ShowMedia& media) {
    const int saved = SaveDC(dc);
    SetMapMode(dc, MM_ANISOTROPIC);
    SetWindowOrgEx(dc, 0, 0, nullptr);
    SetWindowExtEx(dc, document.show.pageWidth, document.show.pageHeight, nullptr);
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SetViewportExtEx(dc, size.cx, size.cy, nullptr);
    const RECT page = {0, 0, document.show.pageWidth, document.show.pageHeight};

    PaintBackground(dc, page, slide.background);
    for (const ShowPicture& picture : slide.pictures)
        PaintPicture(dc, picture, media);

    // Decorations are inked in the title's colour: the tiles' 1 bits in the background colour.
    SetBkMode(dc, TRANSPARENT);
    SetBkColor(dc, slide.titleStyle.color);
    PaintBorder(dc, page, slide.border);
    for (const ShowArrow& arrow : slide.arrows)
        PaintArrow(dc, arrow);
    for (const ShowOrnament& ornament : slide.ornaments) {
        RECT cell = BoxRect(ornament.at);
        PaintFancyChar(dc, ornament.style, &cell, 0, 0);
    }

    if (!slide.title.empty())
        PaintLines(dc, slide.titleStyle, {slide.title}, DT_CENTER | DT_VCENTER);
    PaintLines(dc, slide.textStyle, slide.texts, DT_LEFT | DT_TOP);
    RestoreDC(dc, saved);
}
