// Whole-file output for the encoders' byte buffers.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qerno::image {

// Replaces the file; false when it cannot be written completely.
bool WriteFileBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace qerno::image
