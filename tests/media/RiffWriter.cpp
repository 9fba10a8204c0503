#include "RiffWriter.h"

#include <cstring>
#include <stdexcept>
#include <utility>

namespace testmedia {

void RiffWriter::OpenList(const char* id, const char* type) {
    OpenChunk(id);
    FourCc(type);
}

void RiffWriter::OpenChunk(const char* id) {
    FourCc(id);
    openSizeFields_.push_back(bytes_.size());
    Le32(0);
}

void RiffWriter::Close() {
    if (openSizeFields_.empty())
        throw std::logic_error("RiffWriter: no chunk to close");
    const std::size_t sizeField = openSizeFields_.back();
    openSizeFields_.pop_back();
    const std::size_t size = bytes_.size() - (sizeField + 4);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_[sizeField + shift / 8] = static_cast<std::uint8_t>(size >> shift);
    // The pad byte belongs to the enclosing chunk, not to this one's size.
    if (size % 2)
        bytes_.push_back(0);
}

void RiffWriter::FourCc(const char* code) {
    if (std::strlen(code) != 4)
        throw std::logic_error("RiffWriter: a four-character code has four characters");
    bytes_.insert(bytes_.end(), code, code + 4);
}

void RiffWriter::Le16(std::uint32_t value) {
    bytes_.push_back(static_cast<std::uint8_t>(value));
    bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
}

void RiffWriter::Le32(std::uint32_t value) {
    Le16(value & 0xFFFF);
    Le16(value >> 16);
}

void RiffWriter::Append(const std::vector<std::uint8_t>& data) {
    bytes_.insert(bytes_.end(), data.begin(), data.end());
}

std::vector<std::uint8_t> RiffWriter::Finish() {
    if (!openSizeFields_.empty())
        throw std::logic_error("RiffWriter: a chunk is still open");
    return std::move(bytes_);
}

} // namespace testmedia
