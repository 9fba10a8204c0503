#include "contact_sheet.h"

#include "correction_table.h"
#include "fancy_frames.h"
#include "shade_patterns.h"
#include "thumb_sheet.h"
#include "tiny_font.h"

#include <algorithm>
#include <string>

namespace qerno::resgen {

namespace {

using image::Canvas;
using image::Rgb;

constexpr int kSheetWidth = 1200;
constexpr int kDraftHeight = 4000; // cut down to what the sections use
constexpr int kMargin = 16;

constexpr Rgb kPaper = {0xF4, 0xF4, 0xF0};
constexpr Rgb kInk = {0x10, 0x10, 0x10};
constexpr Rgb kLabel = {0x30, 0x30, 0x80};
constexpr Rgb kWhite = {0xFF, 0xFF, 0xFF};
constexpr Rgb kBlack = {0x00, 0x00, 0x00};
constexpr Rgb kRule = {0xA0, 0xA0, 0xA0};
constexpr Rgb kNight = {0x20, 0x28, 0x50};

int Heading(Canvas& sheet, int y, const std::string& title) {
    sheet.Line(kMargin, y, kSheetWidth - kMargin, y, kRule);
    image::DrawLabel(sheet, kMargin, y + 6, title, kLabel, 2);
    return y + 24;
}

// The shimmer drawn as the library draws it: 0 bits in the shimmer colour over the screen.
void ShimmerPreview(Canvas& sheet, const image::MonoImage& tile, int x, int y, int across, int down,
                    int scale) {
    const int w = tile.Width() * across;
    const int h = tile.Height() * down;
    sheet.FillRect(x, y, w * scale, h * scale, kNight);
    image::MonoImage painted(w, h);
    for (int py = 0; py < h; ++py)
        for (int px = 0; px < w; ++px)
            painted.Set(px, py, !tile.At(px % tile.Width(), py % tile.Height()));
    sheet.BlitMonoInk(painted, x, y, scale, kWhite);
}

int BitmapSection(Canvas& sheet, int y, const ResourceSet& r) {
    y = Heading(sheet, y, "BITMAPS 6421 BUTTONS X3, 6426 THUMBS X4, 6419/6420 SHIMMER X4");
    const int buttonsScale = 3;
    image::DrawLabel(sheet, kMargin, y, "6421 ROWS: IDLE NORMAL PRESSED FOCUSED SPARE SPARE", kInk);
    sheet.Blit(r.buttons, kMargin, y + 10, buttonsScale);

    int x = kMargin + r.buttons.Width() * buttonsScale + 24;
    image::DrawLabel(sheet, x, y, "6426 PRESSED NORMAL HOT DISABLED", kInk);
    sheet.Blit(r.thumbs, x, y + 10, 4);
    // The thumbs over a stretch of track, masked by their yellow and placed as the bar
    // places them: the track two thirds of the thumb high, the thumb a sixth above it.
    const int trackY = y + 110;
    image::DrawLabel(sheet, x, trackY - 10, "ON THE TRACK X3", kInk);
    const int trackTop = kThumbHeight / 6 + 3;
    Canvas bar(r.thumbs.Width() * 2, kThumbHeight + 10, {0xC0, 0xC0, 0xC0});
    bar.FillRect(0, trackTop, bar.Width(), kThumbHeight * 2 / 3, kWhite);
    bar.FrameRect(0, trackTop, bar.Width(), kThumbHeight * 2 / 3, kBlack);
    for (int look = 0; look < kThumbColumns; ++look)
        for (int py = 0; py < kThumbHeight; ++py)
            for (int px = 0; px < kThumbWidth; ++px) {
                const Rgb c = r.thumbs.At(look * kThumbWidth + px, py);
                if (c != kThumbTransparent)
                    bar.Put((4 * look + 1) * kThumbWidth / 2 + px, trackTop - kThumbHeight / 6 + py,
                            c);
            }
    sheet.Blit(bar, x, trackY, 3);

    const int shimmerY = trackY + 110;
    image::DrawLabel(sheet, x, shimmerY - 10, "6419 6420 TILES, AND STACKED", kInk);
    sheet.BlitMono(r.verticalShimmer, x, shimmerY, 4, kWhite, kBlack);
    sheet.BlitMono(r.horizontalShimmer, x + 72, shimmerY, 4, kWhite, kBlack);
    ShimmerPreview(sheet, r.verticalShimmer, x + 150, shimmerY, 1, 3, 3);
    ShimmerPreview(sheet, r.horizontalShimmer, x + 210, shimmerY, 3, 1, 3);
    return y + 10 + r.buttons.Height() * buttonsScale + 16;
}

// An 8 x 8 brush record tiled over a swatch: 0 bits in the text colour, 1 bits background.
void PatternSwatch(Canvas& sheet, const ShadeRecord& record, int x, int y, int size, int scale) {
    for (int py = 0; py < size; ++py)
        for (int px = 0; px < size; ++px) {
            const int bx = (px / scale) % 8;
            const int by = (py / scale) % 8;
            const bool one = (record[by] >> (7 - bx)) & 1;
            sheet.Put(x + px, y + py, one ? kWhite : kBlack);
        }
    sheet.FrameRect(x - 1, y - 1, size + 2, size + 2, kRule);
}

ShadeRecord Record(const std::vector<std::uint8_t>& table, int index) {
    ShadeRecord record{};
    std::copy_n(table.begin() + 8 * index, 8, record.begin());
    return record;
}

int ShadeSection(Canvas& sheet, int y, const ResourceSet& r) {
    y = Heading(sheet, y,
                "TABLE 5805 SHADES 1-40 (BLACK = TEXT COLOUR), OVERLAYS O1-O7 OVER SHADE 12");
    constexpr int kSwatch = 40;
    constexpr int kPitch = 56;
    for (int shade = 1; shade <= 40; ++shade) {
        const int i = shade - 1;
        const int x = kMargin + (i % 20) * kPitch;
        const int sy = y + (i / 20) * (kSwatch + 16);
        image::DrawLabel(sheet, x, sy, std::to_string(shade), kInk);
        const ShadeRecord record = shade == 1 ? ShadeRecord{} : Record(r.shadeTable, shade - 2);
        PatternSwatch(sheet, record, x, sy + 8, kSwatch, 2);
    }
    const int overlayY = y + 2 * (kSwatch + 16);
    for (int overlay = 1; overlay <= 7; ++overlay) {
        const int x = kMargin + (overlay - 1) * kPitch;
        image::DrawLabel(sheet, x, overlayY, "O" + std::to_string(overlay), kInk);
        ShadeRecord combined = Record(r.shadeTable, 10);
        const ShadeRecord hatch = Record(r.shadeTable, overlay + 31);
        for (int row = 0; row < 8; ++row)
            combined[row] |= hatch[row];
        PatternSwatch(sheet, combined, x, overlayY + 8, kSwatch, 2);
    }
    return overlayY + kSwatch + 24;
}

int FancySection(Canvas& sheet, int y, const ResourceSet& r) {
    y = Heading(
        sheet, y,
        "TABLE 5804 FANCY STYLES: EDGE AND CORNER X2, FRAME OF 6X4 TILES, 48 PX CHOOSER CELL");
    constexpr int kPerRow = 6;
    constexpr int kPitchX = 194;
    constexpr int kPitchY = 84;
    for (int n = 0; n < static_cast<int>(r.fancyStyles.size()); ++n) {
        const FancyStyle& style = r.fancyStyles[n];
        const int x = kMargin + (n % kPerRow) * kPitchX;
        const int sy = y + (n / kPerRow) * kPitchY;
        image::DrawLabel(sheet, x, sy, std::to_string(n), kLabel);
        sheet.BlitMono(style.edge.ToImage(), x, sy + 8, 2, kBlack, kWhite);
        sheet.BlitMono(style.corner.ToImage(), x, sy + 8 + 36, 2, kBlack, kWhite);
        sheet.BlitMono(AssembleFrame(style, 6, 4), x + 38, sy + 8, 1, kBlack, kWhite);
        sheet.BlitMono(ChooserCell(style, 48, 48), x + 140, sy + 8, 1, kBlack, kWhite);
    }
    const int rows = (static_cast<int>(r.fancyStyles.size()) + kPerRow - 1) / kPerRow;
    return y + rows * kPitchY + 8;
}

// Levels 0..11 are 0, 5, 10, 20, ... 100 per cent.
std::string Percent(int level) {
    return std::to_string(level < 2 ? 5 * level : 10 * (level - 1)) + "%";
}

Rgb InkToScreen(int c, int m, int ye, int k) {
    const auto channel = [k](int ink) {
        return static_cast<std::uint8_t>(255 - std::min(ink + k, 255));
    };
    return {channel(c), channel(m), channel(ye)};
}

int CorrectionSection(Canvas& sheet, int y, const ResourceSet& r) {
    y = Heading(
        sheet, y,
        "TABLE 5803 CMYK: CYAN ACROSS, MAGENTA DOWN, UPPER HALF AS GIVEN, LOWER HALF CORRECTED");
    constexpr int kCell = 8;
    constexpr int kGrid = kInkLevelCount * kCell;
    const int blacks[] = {0, 4, 6};
    const int yellows[] = {0, 5, 11};
    int x = kMargin;
    for (const int k : blacks) {
        for (const int ye : yellows) {
            image::DrawLabel(sheet, x, y, "K" + Percent(k) + " Y" + Percent(ye), kInk);
            for (int m = 0; m < kInkLevelCount; ++m)
                for (int c = 0; c < kInkLevelCount; ++c) {
                    const std::size_t at = 3 * (c + 12 * m + 144 * ye);
                    const int cx = x + c * kCell;
                    const int cy = y + 8 + m * kCell;
                    const int kv = kInkLevels[k];
                    sheet.FillRect(cx, cy, kCell, kCell / 2,
                                   InkToScreen(kInkLevels[c], kInkLevels[m], kInkLevels[ye], kv));
                    sheet.FillRect(cx, cy + kCell / 2, kCell, kCell / 2,
                                   InkToScreen(r.correctionTable[at], r.correctionTable[at + 1],
                                               r.correctionTable[at + 2], kv));
                }
            x += kGrid + 12;
        }
    }
    // The grey axis: equal inks must stay neutral after correction.
    const int axisY = y + 8 + kGrid + 14;
    image::DrawLabel(sheet, kMargin, axisY, "C=M=Y 0-100%, NO BLACK: AS GIVEN, THEN CORRECTED",
                     kInk);
    for (int level = 0; level < kInkLevelCount; ++level) {
        const std::size_t at = 3 * (level * (1 + 12 + 144));
        const int v = kInkLevels[level];
        sheet.FillRect(kMargin + level * 24, axisY + 8, 24, 12, InkToScreen(v, v, v, 0));
        sheet.FillRect(kMargin + level * 24, axisY + 20, 24, 12,
                       InkToScreen(r.correctionTable[at], r.correctionTable[at + 1],
                                   r.correctionTable[at + 2], 0));
    }
    return axisY + 40;
}

} // namespace

image::Canvas ContactSheet(const ResourceSet& resources) {
    Canvas draft(kSheetWidth, kDraftHeight, kPaper);
    image::DrawLabel(draft, kMargin, 8, "QERNORES GENERATED RESOURCES", kInk, 3);
    int y = 36;
    y = BitmapSection(draft, y, resources);
    y = ShadeSection(draft, y, resources);
    y = FancySection(draft, y, resources);
    y = CorrectionSection(draft, y, resources);
    Canvas sheet(kSheetWidth, y + kMargin, kPaper);
    sheet.Blit(draft, 0, 0);
    return sheet;
}

} // namespace qerno::resgen
