// qerno_mediagen OUTPUT_DIRECTORY: writes the project's test sounds and videos.
#include "MediaSet.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <stdexcept>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    try {
        std::filesystem::create_directories(argv[1]);
        for (const testmedia::MediaFile& media : testmedia::BuildMediaSet()) {
            std::ofstream file(std::filesystem::path(argv[1]) / media.name, std::ios::binary);
            file.write(reinterpret_cast<const char*>(media.bytes.data()),
                       static_cast<std::streamsize>(media.bytes.size()));
            file.close();
            if (file.fail())
                throw std::runtime_error("cannot write " + media.name + " in " + argv[1]);
        }
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}
