// Builds a RIFF file in memory: nested chunks whose sizes are filled in when they close, and
// little-endian fields written byte by byte so the output does not depend on the host.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace testmedia {

class RiffWriter {
public:
    // A RIFF or LIST chunk; its first field is the form or list type.
    void OpenList(const char* id, const char* type);
    void OpenChunk(const char* id);
    // Fills in the size of the innermost open chunk and pads it to an even length.
    void Close();

    void FourCc(const char* code);
    void Le16(std::uint32_t value);
    void Le32(std::uint32_t value);
    void Append(const std::vector<std::uint8_t>& data);

    std::size_t Offset() const { return bytes_.size(); }
    // The file, once every chunk is closed.
    std::vector<std::uint8_t> Finish();

private:
    std::vector<std::uint8_t> bytes_;
    std::vector<std::size_t> openSizeFields_; // offsets of the open chunks' size fields
};

} // namespace testmedia
