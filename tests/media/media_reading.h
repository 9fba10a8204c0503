// Reading the test media back: the set written once into a temporary directory, and RIFF
// chunk trees whose sizes must fit their parents.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

struct Chunk {
    std::string id;
    std::string type;   // the form or list type of RIFF and LIST chunks
    std::size_t offset; // of the id
    std::size_t data;   // of the first byte after the size field
    std::uint32_t size; // as the file states it
    std::vector<Chunk> children;

    // Throws when there is none; "LIST" children are found by their list type.
    const Chunk& Child(const std::string& idOrListType) const;
};

// Throws std::runtime_error when a chunk runs past the end or the bytes do not end in chunks.
std::vector<Chunk> ReadChunks(const Bytes& bytes, std::size_t begin, std::size_t end);
// The file's one RIFF chunk of the given form, which must end where the file ends.
Chunk ReadRiff(const Bytes& bytes, const std::string& form);

std::uint32_t Le16At(const Bytes& bytes, std::size_t offset);
std::uint32_t Le32At(const Bytes& bytes, std::size_t offset);
std::string FourCcAt(const Bytes& bytes, std::size_t offset);

// A file of the set as qerno_mediagen writes it.
Bytes ReadMediaFile(const std::string& name);
