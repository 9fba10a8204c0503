#include "QernoRender.h"
#include "render/BorderGeometry.h"
#include "render/FancyLayout.h"
#include "render/LocalBuffer.h"
#include "render/MappingAxes.h"
#include "render/TileRuns.h"

#include <climits>

namespace {

// Handed on to DrawArrowLine, which takes its raster operation from the DC instead.
constexpr unsigned long kTileRop = 0x00220326;

// Each segment lays its edge tiles and its corner tiles.
constexpr int kRunsPerSegment = 2;

// The frame parts whose tiles a border lays: the top edge, and the corners a right turn and a
// left turn take once the line has turned them to its direction.
constexpr int kEdgePart = 0;
constexpr int kRightTurnPart = 4;
constexpr int kLeftTurnPart = 5;

// A zeroed tile in local memory, freed with the object; its bits null when none could be had.
struct TileBuffer : LocalBuffer {
    TileBuffer() : LocalBuffer(kFancyTileBytes) {}
};

bool DrawableBorder(HDC dc, const POINT* points, unsigned char width, unsigned short style) {
    return dc && points && width > 0 && IsFancyStyle(style);
}

// False, with nothing read, when a buffer is missing; the scratch buffer lives only for the
// reading.
bool ReadTile(int style, int part, const TileBuffer& tile) {
    TileBuffer scratch;
    if (!tile.bits() || !scratch.bits())
        return false;
    ReadFancyFromBuffer(style, part, tile.bits(), scratch.bits(), nullptr);
    return true;
}

struct StyleTiles {
    TileBuffer edge;
    TileBuffer rightTurn;
    TileBuffer leftTurn;

    bool Read(int style) {
        return ReadTile(style, kEdgePart, edge) && ReadTile(style, kRightTurnPart, rightTurn) &&
               ReadTile(style, kLeftTurnPart, leftTurn);
    }
    char* Corner(CornerKind kind) const {
        return kind == kRightTurn  ? rightTurn.bits()
               : kind == kLeftTurn ? leftTurn.bits()
                                   : nullptr;
    }
};

void PaintFcPath(HDC dc, POINT* points, unsigned char width, unsigned short style, int count,
                 BorderPath path) {
    if (!DrawableBorder(dc, points, width, style) || !DrawablePath(count, path))
        return;
    StyleTiles tiles;
    if (!tiles.Read(style))
        return;
    const ScreenAxes axes = ScreenAxesOf(dc);
    // The whole border is laid out first, so that each tile is turned once for all its segments.
    const int segments = count - 1;
    TileRuns runs(segments <= INT_MAX / kRunsPerSegment ? segments * kRunsPerSegment : INT_MAX,
                  kFancyTileSide, kFancyTileSide, width, width);
    CornerKind previous = FirstCorner(points, count, path, axes);
    for (int i = 0; i < segments; ++i) {
        const BorderSegment segment = PlanSegment(points, count, path, i, previous, width, axes);
        previous = segment.corner;
        runs.AddArrowLine(OnScreen(segment.from, axes), OnScreen(segment.to, axes), nullptr,
                          tiles.edge.bits(), tiles.Corner(segment.endTile));
    }
    runs.Paint(dc, axes);
}

} // namespace

void QERNO_CALL PaintFcRect(HDC dc, POINT* corners, unsigned char width, unsigned short style) {
    if (!DrawableBorder(dc, corners, width, style))
        return;
    RECT frame = {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    PaintFancyChar3(dc, memory, style, &frame, width, width);
    DeleteDC(memory);
}

void QERNO_CALL PaintFcLine(HDC dc, POINT* points, unsigned char width, unsigned short style) {
    if (!DrawableBorder(dc, points, width, style))
        return;
    TileBuffer edge;
    if (!ReadTile(style, kEdgePart, edge))
        return;
    DrawArrowLine(dc, points[0], points[1], nullptr, edge.bits(), nullptr, kFancyTileSide,
                  kFancyTileSide, width, width, kTileRop);
}

void QERNO_CALL PaintFcPolygon(HDC dc, POINT* points, unsigned char width, unsigned short style,
                               int count) {
    PaintFcPath(dc, points, width, style, count, BorderPath::Closed);
}

void QERNO_CALL PaintFcPolyline(HDC dc, POINT* points, unsigned char width, unsigned short style,
                                int count) {
    PaintFcPath(dc, points, width, style, count, BorderPath::Open);
}
