#include "png_reader.h"

#include <stb_image.h>

DecodedPng DecodePng(const std::vector<std::uint8_t>& file) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                            &height, &channels, 3);
    DecodedPng png;
    if (pixels && channels == 3)
        png = {std::uint32_t(width), std::uint32_t(height),
               std::vector<std::uint8_t>(pixels, pixels + std::size_t(width) * height * 3)};
    stbi_image_free(pixels);
    return png;
}
