// The PNG files the encoder writes, read back by the stb decoder.
#pragma once

#include <cstdint>
#include <vector>

struct DecodedPng {
    std::uint32_t width = 0, height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows from the top; none on failure
};

DecodedPng DecodePng(const std::vector<std::uint8_t>& file);
