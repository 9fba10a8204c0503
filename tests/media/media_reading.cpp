#include "media_reading.h"

#include <stdexcept>

static std::vector<ParsedChunk> ReadChunks(const Bytes& bytes, std::size_t begin, std::size_t end) {
    std::vector<ParsedChunk> chunks;
    std::size_t at = begin;
    while (at < end) {
        if (end - at < 8)
            throw std::runtime_error("a chunk header is cut at " + std::to_string(at));
        ParsedChunk chunk{FourCcAt(bytes, at), "", at + 8, Le32At(bytes, at + 4), {}};
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

const ParsedChunk& ParsedChunk::Child(const std::string& idOrListType) const {
    for (const ParsedChunk& child : children)
        if (child.id == idOrListType || (child.id == "LIST" && child.type == idOrListType))
            return child;
    throw std::runtime_error("no " + idOrListType + " inside " + id + " " + type);
}

ParsedChunk ReadRiff(const Bytes& bytes, const std::string& form) {
    const std::vector<ParsedChunk> chunks = ReadChunks(bytes, 0, bytes.size());
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

Fields LeFields(const Bytes& bytes, std::size_t offset, const std::vector<int>& sizes) {
    Fields fields;
    for (int size : sizes) {
        fields.push_back(size == 2 ? Le16At(bytes, offset) : Le32At(bytes, offset));
        offset += size;
    }
    return fields;
}

const Bytes& ReadMediaFile(const std::string& name) {
    static const std::vector<testmedia::MediaFile> files = testmedia::BuildMediaSet();
    for (const testmedia::MediaFile& file : files)
        if (file.name == name)
            return file.bytes;
    throw std::runtime_error("missing " + name);
}

Bytes DecodeRle8(const Bytes& data, int width, int height) {
    Bytes pixels(static_cast<std::size_t>(width) * height);
    int row = 0; // from the bottom
    int x = 0;
    std::size_t at = 0;
    const auto check = [&](bool kept, const char* rule) {
        if (!kept)
            throw std::runtime_error(std::string(rule) + " at byte " + std::to_string(at));
    };
    const auto put = [&](std::uint8_t index, const char* rule) {
        check(row < height && x < width, rule);
        pixels[static_cast<std::size_t>(height - 1 - row) * width + x++] = index;
    };
    for (;;) {
        check(data.size() - at >= 2, "no end-of-bitmap code");
        const std::uint8_t count = data[at];
        const std::uint8_t code = data[at + 1];
        at += 2;
        if (count > 0) {
            for (int i = 0; i < count; ++i)
                put(code, "a run passes the end of its row");
        } else if (code == 0) {
            check(x == width, "a row ends early");
            ++row;
            x = 0;
        } else if (code == 1) {
            check(row == height - 1 && x == width, "the picture ends before its last pixel");
            check(at == data.size(), "bytes follow the end of the bitmap");
            return pixels;
        } else {
            check(code != 2, "a delta code skips pixels");
            const std::size_t padded = code + code % 2;
            check(data.size() - at >= padded, "an absolute stretch passes the end");
            for (std::size_t i = 0; i < code; ++i)
                put(data[at + i], "an absolute stretch passes the end of its row");
            at += padded;
        }
    }
}
