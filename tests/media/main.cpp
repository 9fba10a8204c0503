// qerno_mediagen OUTPUT_DIRECTORY: writes the project's test sounds and videos.
#include "MediaSet.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    for (const testmedia::MediaFile& media : testmedia::BuildMediaSet()) {
        const std::filesystem::path path = std::filesystem::path(argv[1]) / media.name;
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(media.bytes.data()),
                   static_cast<std::streamsize>(media.bytes.size()));
        file.close();
        if (file.fail()) {
            std::fprintf(stderr, "cannot write %s\n", path.string().c_str());
            return 1;
        }
    }
    return 0;
}
