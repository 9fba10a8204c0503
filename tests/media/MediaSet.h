// The whole set of test media, named as TestMedia.h lists it.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testmedia {

struct MediaFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

std::vector<MediaFile> BuildMediaSet();

// Creates the directory when needed; false with a message when something cannot be written.
bool WriteMediaSet(const std::string& directory, std::string& error);

} // namespace testmedia
