// Writes the resource module's generated bitmaps and tables into one directory.
#include "resource_set.h"

#include "file_bytes.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    const std::filesystem::path directory = argv[1];
    std::error_code error;
    std::filesystem::create_directories(directory, error);
    if (error) {
        std::fprintf(stderr, "cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    const qerno::resgen::ResourceSet resources = qerno::resgen::BuildResources();
    for (const qerno::resgen::OutputFile& file : qerno::resgen::ResourceFiles(resources)) {
        const std::string path = (directory / file.name).string();
        if (!qerno::image::WriteFileBytes(path, file.bytes)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
