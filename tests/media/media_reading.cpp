#include "media_reading.h"

#include "MediaSet.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

const Chunk& Chunk::Child(const std::string& idOrListType) const {
    for (const Chunk& child : children)
        if (child.id == idOrListType || (child.id == "LIST" && child.type == idOrListType))
            return child;
    throw std::runtime_error("no " + idOrListType + " inside " + id + " " + type);
}

std::vector<Chunk> ReadChunks(const Bytes& bytes, std::size_t begin, std::size_t end) {
    std::vector<Chunk> chunks;
    std::size_t at = begin;
    while (at < end) {
        if (end - at < 8)
            throw std::runtime_error("a chunk header is cut at " + std::to_string(at));
        Chunk chunk{FourCcAt(bytes, at), "", at, at + 8, Le32At(bytes, at + 4), {}};
        const std::size_t chunkEnd = chunk.data + chunk.size;
        if (chunkEnd > end)
            throw std::runtime_error(chunk.id + " at " + std::to_string(at) + " runs past its end");
        if (chunk.id == "RIFF" || chunk.id == "LIST") {
            chunk.type = FourCcAt(bytes, chunk.data);
            chunk.children = ReadChunks(bytes, chunk.data + 4, chunkEnd);
        }
        chunks.push_back(chunk);
        at = chunkEnd + chunk.size % 2;
    }
    if (at != end)
        throw std::runtime_error("a pad byte runs past the end at " + std::to_string(end));
    return chunks;
}

Chunk ReadRiff(const Bytes& bytes, const std::string& form) {
    const std::vector<Chunk> chunks = ReadChunks(bytes, 0, bytes.size());
    if (chunks.size() != 1 || chunks[0].id != "RIFF" || chunks[0].type != form)
        throw std::runtime_error("not one RIFF " + form + " chunk");
    return chunks[0];
}

std::uint32_t Le16At(const Bytes& bytes, std::size_t offset) {
    return bytes.at(offset) | bytes.at(offset + 1) << 8;
}

std::uint32_t Le32At(const Bytes& bytes, std::size_t offset) {
    return Le16At(bytes, offset) | Le16At(bytes, offset + 2) << 16;
}

std::string FourCcAt(const Bytes& bytes, std::size_t offset) {
    return {bytes.begin() + offset, bytes.begin() + offset + 4};
}

namespace {

class MediaDirectory {
public:
    MediaDirectory()
        : path_(std::filesystem::temp_directory_path() /
                ("qerno-media-" + std::to_string(std::random_device{}()))) {
        std::string error;
        if (!testmedia::WriteMediaSet(path_.string(), error))
            throw std::runtime_error(error);
    }
    ~MediaDirectory() { std::filesystem::remove_all(path_); }

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

} // namespace

Bytes ReadMediaFile(const std::string& name) {
    static const MediaDirectory directory;
    std::ifstream file(directory.path() / name, std::ios::binary);
    if (!file)
        throw std::runtime_error("missing " + name);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}
