// RIFF files built from the inside out: little-endian fields written byte by byte, so that the
// output does not depend on the host, and chunks that know their size when they are made.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace testmedia {

using Bytes = std::vector<std::uint8_t>;

void Le16(Bytes& out, std::initializer_list<std::uint32_t> values);
void Le32(Bytes& out, std::initializer_list<std::uint32_t> values);
void FourCc(Bytes& out, const char* code);

Bytes Chunk(const char* id, const Bytes& data);
// A RIFF or LIST chunk: its form or list type, then the parts in order.
Bytes List(const char* id, const char* type, const std::vector<Bytes>& parts);

} // namespace testmedia
