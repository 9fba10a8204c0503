// A strict reader for the PNG files the encoder writes, written independently of it: every
// chunk's CRC, the zlib header, the stored deflate blocks and the Adler-32 are checked.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedPng {
    bool ok = false;
    std::string error;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    int storedBlocks = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows from the top
};

DecodedPng DecodeStoredPng(const std::vector<std::uint8_t>& file);

// Reference checksums computed bit by bit, to check the encoder's table-driven ones.
std::uint32_t BitwiseCrc32(const std::uint8_t* data, std::size_t size);
std::uint32_t NaiveAdler32(const std::uint8_t* data, std::size_t size);
