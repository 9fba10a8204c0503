#include "resource_set.h"

#include "bmp_writer.h"
#include "button_sheet.h"
#include "contact_sheet.h"
#include "correction_table.h"
#include "png_writer.h"
#include "shade_patterns.h"
#include "shimmer_tiles.h"
#include "thumb_sheet.h"

namespace qerno::resgen {

ResourceSet BuildResources() {
    return {BuildCorrectionTable(),  FancyStyles(), BuildShadeTable(), VerticalShimmerTile(),
            HorizontalShimmerTile(), ButtonSheet(), ThumbSheet()};
}

std::vector<OutputFile> ResourceFiles(const ResourceSet& resources) {
    return {
        {"table_5803.bin", resources.correctionTable},
        {"table_5804.bin", BuildFancyTable(resources.fancyStyles)},
        {"table_5805.bin", resources.shadeTable},
        {"bitmap_6419.bmp", image::EncodeBmp(resources.verticalShimmer)},
        {"bitmap_6420.bmp", image::EncodeBmp(resources.horizontalShimmer)},
        {"bitmap_6421.bmp", image::EncodeBmp(resources.buttons)},
        {"bitmap_6426.bmp", image::EncodeBmp(resources.thumbs)},
        {"contact_sheet.png", image::EncodePng(ContactSheet(resources))},
    };
}

} // namespace qerno::resgen
