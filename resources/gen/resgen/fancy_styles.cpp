#include "fancy_styles.h"

#include "fancy_families.h"

namespace qerno::resgen {

std::vector<FancyStyle> FancyStyles() {
    std::vector<fancy::Design> designs;
    for (auto family : {fancy::RuledLineDesigns, fancy::DotAndFigureDesigns, fancy::NatureDesigns,
                        fancy::GeometricDesigns, fancy::FlowingDesigns}) {
        std::vector<fancy::Design> more = family();
        designs.insert(designs.end(), more.begin(), more.end());
    }
    std::vector<FancyStyle> styles;
    for (const fancy::Design& design : designs) {
        const fancy::Tiles tiles = fancy::Render(design);
        styles.push_back({tiles.edge, tiles.corner});
    }
    return styles;
}

std::vector<std::uint8_t> BuildFancyTable(const std::vector<FancyStyle>& styles) {
    std::vector<std::uint8_t> table;
    table.reserve(styles.size() * 2 * kTileRecordSize);
    for (const FancyStyle& style : styles)
        for (const Tile16* tile : {&style.edge, &style.corner}) {
            const TileRecord record = tile->Record();
            table.insert(table.end(), record.begin(), record.end());
        }
    return table;
}

} // namespace qerno::resgen
