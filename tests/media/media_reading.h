// Reading the test media back, apart from the writers: RIFF chunk trees whose sizes must fit
// their parents, and a BI_RLE8 decoder. Both throw std::runtime_error on what breaks a rule.
#pragma once

#include "MediaSet.h"

#include <cstddef>
#include <string>

using testmedia::Bytes;

struct ParsedChunk {
    std::string id;
    std::string type;   // the form or list type of RIFF and LIST chunks
    std::size_t data;   // of the first byte after the size field
    std::uint32_t size; // as the file states it
    std::vector<ParsedChunk> children;

    // "LIST" children are found by their list type.
    const ParsedChunk& Child(const std::string& idOrListType) const;
};

// The file's one RIFF chunk of the given form, which must end where the file ends.
ParsedChunk ReadRiff(const Bytes& bytes, const std::string& form);

std::uint32_t Le16At(const Bytes& bytes, std::size_t offset);
std::uint32_t Le32At(const Bytes& bytes, std::size_t offset);
std::string FourCcAt(const Bytes& bytes, std::size_t offset);
// Consecutive little-endian fields of the given sizes in bytes, 2 or 4 each.
using Fields = std::vector<std::uint32_t>;
Fields LeFields(const Bytes& bytes, std::size_t offset, const std::vector<int>& sizes);

// A file of the set as qerno_mediagen writes it.
const Bytes& ReadMediaFile(const std::string& name);

// Palette indices, rows from the top. Strict about the encoder's own promises: every row filled
// exactly, no delta codes, the end-of-bitmap code last.
Bytes DecodeRle8(const Bytes& data, int width, int height);
