#include "png_reader.h"

#include <stb_image.h>

DecodedPng DecodePng(const std::vector<std::uint8_t>& file) {
    DecodedPng png;
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels = stbi_load_from_memory(file.data(), static_cast<int>(file.size()), &width,
                                            &height, &channels, 3);
    if (!pixels) {
        png.error = stbi_failure_reason();
        return png;
    }
    png.ok = channels == 3;
    png.error = png.ok ? "" : "not RGB";
    png.width = static_cast<std::uint32_t>(width);
    png.height = static_cast<std::uint32_t>(height);
    png.rgb.assign(pixels, pixels + std::size_t(width) * height * 3);
    stbi_image_free(pixels);
    return png;
}
