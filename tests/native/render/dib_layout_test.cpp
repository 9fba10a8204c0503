// Header kinds, colour tables, rows and the check of a DIB against its block.
#include "QernoRender.h"
#include "render/DibLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

struct Info {
    std::uint32_t size;
    std::int32_t width, height;
    std::uint16_t planes, bits;
    std::uint32_t compression = 0, imageSize = 0, unused[2] = {}, coloursUsed = 0, important = 0;
};
// Any info-like header with BI_BITFIELDS: the masks just after 40 bytes, in or after the header.
struct Masked {
    Info info;
    std::uint32_t masks[3];
};
struct Core {
    std::uint32_t size;
    std::uint16_t width, height, planes, bits;
};

// Exactly size bytes, at least the header, so that the sanitizer sees any read past them.
template <typename Header> std::vector<char> Block(const Header& header, std::size_t size = 0) {
    std::vector<char> block(std::max(size, sizeof header));
    std::memcpy(block.data(), &header, sizeof header);
    return block;
}

TEST(DibFields, ColourTablesAndBitsByHeaderKindDepthAndColoursUsed) {
    for (std::uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        const int colours = bits <= 8 ? 1 << bits : 0;
        std::vector<char> info = Block(Info{40, 65535, -3, 1, bits});
        std::vector<char> core = Block(Core{12, 65535, 65533, 1, bits});
        for (std::vector<char>* dib : {&info, &core}) {
            const int entryBytes = dib == &info ? 4 : 3;
            EXPECT_EQ(colours, DIBNumColors(dib->data())) << bits;
            EXPECT_EQ(colours * entryBytes, PaletteSize(dib->data())) << bits;
            EXPECT_EQ(dib->size() + colours * entryBytes, FindDIBBits(dib->data()) - dib->data());
            EXPECT_EQ(65535u, DIBWidth(dib->data()));
            EXPECT_EQ(dib == &info ? 0xFFFFFFFDu : 65533u, DIBHeight(dib->data()));
        }
    }
    const std::uint32_t used[][2] = {{300, 300}, {3, 3}, {0x10005, 5}, {0x10000, 0}};
    for (const auto& c : used)
        EXPECT_EQ(c[1], DIBNumColors(Block(Info{40, 1, 1, 1, 8, 0, 0, {}, c[0]}).data())) << c[0];
    std::vector<char> odd = Block(Core{124, 2, 2, 1, 4}); // any size but 40 reads as a core header
    EXPECT_EQ(124 + 16 * 3, FindDIBBits(odd.data()) - odd.data());
}

TEST(DibArithmetic, RowsNewHeaderDepthsAndErrorTexts) {
    EXPECT_TRUE(DibRowBytes(3, 24) == 12 && DibRowBytes(33, 1) == 8);
    EXPECT_EQ(0x400000000u, DibRowBytes(0x100000000u, 32)) << "no 32-bit wrap";
    const int depths[][2] = {{-5, 1}, {1, 1}, {2, 4}, {4, 4}, {5, 8}, {8, 8}, {9, 24}, {32, 24}};
    for (const auto& depth : depths)
        EXPECT_EQ(depth[1], NewHeaderDepth(depth[0])) << depth[0];
    EXPECT_STREQ("Error writing DIB file!", DibErrorText(27));
    for (int code : {28, -1})
        EXPECT_STREQ("Undefined Error!", DibErrorText(code)) << code;
}

// Where the bits lie in each whole block; 0 for a refused one.
TEST(DibBlock, OnlyWholeDibsOfTheFormsGdiReadsAsThisLayout) {
    const std::pair<std::vector<char>, std::uint64_t> cases[] = {
        {Block(Info{40, 3, 2, 1, 8}, 40 + 1024 + 2 * 4), 40 + 1024},
        {Block(Info{40, 3, 2, 1, 8}, 40 + 1024 + 2 * 4 - 1), 0},
        {Block(Info{40, 3, -2, 1, 24}, 40 + 2 * 12), 40},
        {Block(Core{12, 3, 2, 1, 24}, 12 + 2 * 12), 12},
        {Block(Core{12, 3, 2, 1, 16}, 1000), 0},
        {Block(Core{64, 3, 2, 1, 24}, 1000), 0},
        {Block(Info{40, 3, 0, 1, 24}, 1000), 0},
        {Block(Info{40, 1, 1, 1, 8, 0, 0, {}, 0x10001}, 2000), 0},
        {Block(Info{40, 400, 400, 1, 8, 1, 2}, 40 + 1024 + 2), 40 + 1024}, // RLE8
        {Block(Info{40, 4, 4, 1, 8, 1, 3}, 40 + 1024 + 2), 0},
        {Block(Info{40, 4, 4, 1, 8, 1, 0}, 2000), 0},
        {Block(Info{40, 4, 4, 1, 4, 1, 2}, 2000), 0},
        {Block(Masked{{40, 3, 2, 1, 16, 3}, {0xF800, 0x7E0, 0x1F}}, 52 + 16), 52},
        {Block(Masked{{40, 3, 2, 1, 16, 3}, {0xF800, 0x7E0, 0x1F}}, 52 + 15), 0},
        {Block(Masked{{40, 1, 1, 1, 16, 3}, {0xF800, 0x7E0, 0x1F}}, 51), 0},
        {Block(Masked{{124, 3, 2, 1, 32, 3}, {0xFF0000, 0, 0xFF}}, 1000), 0},
        {Block(Masked{{124, 3, 2, 1, 32, 3}, {0xFF0000, 0x1FF00, 0xFF}}, 1000), 0},
        {Block(Masked{{40, 3, 2, 1, 24, 3}, {0xF800, 0x7E0, 0x1F}}, 1000), 0},
    };
    DibParts parts;
    for (const auto& c : cases)
        EXPECT_EQ(c.second,
                  ReadDibBlock(c.first.data(), c.first.size(), &parts) ? parts.bitsOffset : 0)
            << &c - cases;
    const char* dib = cases[0].first.data();
    EXPECT_FALSE(ReadDibBlock(dib, 3, &parts) || ReadDibBlock(dib, 12, &parts));
    EXPECT_FALSE(ReadDibBlock(dib, kMaxDibBlockBytes + 1, &parts));
    EXPECT_TRUE(DibFillable(0, 32) && DibFillable(1, 8) && DibFillable(2, 4));
    EXPECT_FALSE(DibFillable(0, 7) || DibFillable(3, 16) || DibFillable(0x100000000u, 24));
}

} // namespace
