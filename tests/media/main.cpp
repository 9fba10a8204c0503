// qerno_mediagen OUTPUT_DIRECTORY: writes the project's test sounds and videos.
#include "MediaSet.h"

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_DIRECTORY\n", argv[0]);
        return 2;
    }
    std::string error;
    if (!testmedia::WriteMediaSet(argv[1], error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }
    return 0;
}
