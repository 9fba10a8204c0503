#include "png_writer.h"

#include "canvas.h"
#include "file_bytes.h"

#include <stb_image_write.h>

namespace qerno::image {

namespace {

constexpr int kRgbChannels = 3;

void AppendBytes(void* png, void* data, int size) {
    const auto* bytes = static_cast<const std::uint8_t*>(data);
    static_cast<std::vector<std::uint8_t>*>(png)->insert(
        static_cast<std::vector<std::uint8_t>*>(png)->end(), bytes, bytes + size);
}

} // namespace

std::vector<std::uint8_t> EncodePng(int width, int height, const std::uint8_t* rgb) {
    std::vector<std::uint8_t> png;
    if (width > 0 && height > 0 &&
        !stbi_write_png_to_func(AppendBytes, &png, width, height, kRgbChannels, rgb,
                                width * kRgbChannels))
        png.clear();
    return png;
}

std::vector<std::uint8_t> EncodePng(const Canvas& canvas) {
    return EncodePng(canvas.Width(), canvas.Height(), canvas.Pixels().data());
}

bool WritePng(const std::string& path, int width, int height, const std::uint8_t* rgb) {
    const std::vector<std::uint8_t> png = EncodePng(width, height, rgb);
    return !png.empty() && WriteFileBytes(path, png);
}

bool WritePng(const std::string& path, const Canvas& canvas) {
    return WritePng(path, canvas.Width(), canvas.Height(), canvas.Pixels().data());
}

} // namespace qerno::image
