#include "resource_set.h"

#include <gtest/gtest.h>

#include <map>

using namespace qerno::resgen;

TEST(ResourceFiles, EightFilesUnderTheirFixedNamesAndSizes) {
    std::map<std::string, std::size_t> sizes;
    for (const OutputFile& file : ResourceFiles(BuildResources()))
        sizes[file.name] = file.bytes.size();
    ASSERT_EQ(sizes.erase("contact_sheet.png"), 1u);
    const std::map<std::string, std::size_t> expected = {
        {"table_5803.bin", 5184},          {"table_5804.bin", 6528},
        {"table_5805.bin", 312},           {"bitmap_6419.bmp", 62 + 16 * 4},
        {"bitmap_6420.bmp", 62 + 16 * 4},  {"bitmap_6421.bmp", 54 + 132 * 720}, // no padding
        {"bitmap_6426.bmp", 54 + 20 * 144}};
    EXPECT_EQ(expected, sizes);
}
