// A BI_RLE8 decoder written apart from the encoder, strict about the encoder's own promises:
// every row filled exactly, no delta codes, the end-of-bitmap code last.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedRle8 {
    std::vector<std::uint8_t> indices; // rows from the top
    std::string error;                 // empty when the data kept every rule
};

DecodedRle8 DecodeRle8(const std::vector<std::uint8_t>& data, int width, int height);
