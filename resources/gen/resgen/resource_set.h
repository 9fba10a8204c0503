// Everything the generator makes for the resource module, and the files it is written to.
#pragma once

#include "canvas.h"
#include "fancy_styles.h"
#include "mono_image.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qerno::resgen {

struct ResourceSet {
    std::vector<std::uint8_t> correctionTable; // 5803
    std::vector<FancyStyle> fancyStyles;       // 5804, as tiles
    std::vector<std::uint8_t> shadeTable;      // 5805
    image::MonoImage verticalShimmer;          // 6419
    image::MonoImage horizontalShimmer;        // 6420
    image::Canvas buttons;                     // 6421
    image::Canvas thumbs;                      // 6426
};

ResourceSet BuildResources();

struct OutputFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// The resource compiler's inputs under their fixed names, and a contact sheet of all of
// them for people to look at.
std::vector<OutputFile> ResourceFiles(const ResourceSet& resources);

} // namespace qerno::resgen
