// RIFF files built from the inside out: little-endian fields written byte by byte, so that the
// output does not depend on the host, and chunks that know their size when they are made.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace testmedia {

using Bytes = std::vector<std::uint8_t>;

inline void Le16(Bytes& out, std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t value : values)
        out.insert(out.end(),
                   {static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)});
}

inline void Le32(Bytes& out, std::initializer_list<std::uint32_t> values) {
    for (std::uint32_t value : values)
        Le16(out, {value & 0xFFFF, value >> 16});
}

inline void FourCc(Bytes& out, const char* code) {
    out.insert(out.end(), code, code + 4);
}

inline Bytes Chunk(const char* id, const Bytes& data) {
    Bytes chunk;
    FourCc(chunk, id);
    Le32(chunk, {static_cast<std::uint32_t>(data.size())});
    chunk.insert(chunk.end(), data.begin(), data.end());
    // The pad byte belongs to the enclosing chunk, not to this one's size.
    if (data.size() % 2)
        chunk.push_back(0);
    return chunk;
}

// A RIFF or LIST chunk: its form or list type, then the parts in order.
inline Bytes List(const char* id, const char* type, const std::vector<Bytes>& parts) {
    Bytes data;
    FourCc(data, type);
    for (const Bytes& part : parts)
        data.insert(data.end(), part.begin(), part.end());
    return Chunk(id, data);
}

} // namespace testmedia
