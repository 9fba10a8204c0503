#include "png_reader.h"
#include "resource_set.h"

#include <gtest/gtest.h>

#include <map>

using namespace qerno::resgen;

TEST(ResourceFiles, EightFilesUnderTheirFixedNamesAndSizes) {
    const std::vector<OutputFile> files = ResourceFiles(BuildResources());
    std::map<std::string, std::size_t> sizes;
    for (const OutputFile& file : files)
        sizes[file.name] = file.bytes.size();
    ASSERT_EQ(sizes.size(), 8u);
    EXPECT_EQ(sizes.at("table_5803.bin"), 5184u);
    EXPECT_EQ(sizes.at("table_5804.bin"), 6528u);
    EXPECT_EQ(sizes.at("table_5805.bin"), 312u);
    EXPECT_EQ(sizes.at("bitmap_6419.bmp"), 62u + 16 * 4);
    EXPECT_EQ(sizes.at("bitmap_6420.bmp"), 62u + 16 * 4);
    EXPECT_EQ(sizes.at("bitmap_6421.bmp"), 54u + 132 * 720); // 240 * 3, no padding
    EXPECT_EQ(sizes.at("bitmap_6426.bmp"), 54u + 20 * 144);
    for (const OutputFile& file : files)
        if (file.name == "contact_sheet.png") {
            const DecodedPng png = DecodePng(file.bytes);
            EXPECT_TRUE(png.ok) << png.error;
        }
}
