// The PNG files the encoder writes, read back by the stb decoder.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct DecodedPng {
    bool ok = false;
    std::string error;
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> rgb; // width * height * 3 bytes, rows from the top
};

DecodedPng DecodePng(const std::vector<std::uint8_t>& file);
