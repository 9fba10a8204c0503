// Files the player must refuse with the right prompt, leaving nothing behind, and odd files it must
// still play: RIFF/WAVE images written by the tests themselves.
#include "players/PlayerTestSupport.h"

#include <cstdint>
#include <tuple>

namespace {

// The low bytes of value, least significant first.
std::string Le(std::uint32_t value, int bytes = 4) {
    return std::string{char(value), char(value >> 8), char(value >> 16), char(value >> 24)}.substr(
        0, bytes);
}

// An odd body is followed by its pad byte.
std::string Chunk(const char* id, const std::string& body) {
    return id + Le(std::uint32_t(body.size())) + body + std::string(body.size() % 2, '\0');
}

std::string Riff(const std::string& chunks, const char* id = "RIFF", const char* form = "WAVE") {
    return id + Le(std::uint32_t(chunks.size() + 4)) + form + chunks;
}

std::string Format(int channels, int tag = 1) { // 8 bits at 11025 Hz
    return Chunk("fmt ", Le(tag, 2) + Le(channels, 2) + Le(11025) + Le(11025 * channels) +
                             Le(channels, 2) + Le(8, 2));
}

// A chunk whose header claims size bytes.
std::string Claiming(std::string chunk, std::uint32_t size) {
    return chunk.replace(4, 4, Le(size));
}

TEST_F(WaveOutTest, RefusesEachBadFileWithItsPromptLeavingNothing) {
    const std::string format = Format(1), data = Chunk("data", std::string(110, '\x40'));
    const auto bad = [](const char* name, const std::string& bytes) {
        return WriteTemp(std::string("qerno-bad-") + name + ".wav", bytes);
    };
    // The file, the prompt and the offset the image starts at.
    const std::tuple<std::string, unsigned, unsigned long> cases[] = {
        {bad("rifx", Riff(format + data, "RIFX")), 12310, 0},
        {bad("wavf", Riff(format + data, "RIFF", "WAVF")), 12310, 0},
        {bad("no-format", Riff(data)), 12311, 0},
        {bad("no-data", Riff(format)), 12311, 0},
        {bad("empty-data", Riff(format + Chunk("data", ""))), 12311, 0},
        {bad("not-pcm", Riff(Format(1, 3) + data)), 12312, 0},
        {bad("format-cut", Riff(Claiming(format.substr(0, 22), 14) + data)), 12313, 0},
        {bad("no-channels", Riff(Format(0) + data)), 12314, 0},
        {bad("data-past", Riff(format + Claiming(data, 2000))), 12317, 0},
        {bad("data-huge", Riff(format + Claiming(data, 0xFFFFFFFF))), 12317, 0},
        {bad("offset-past", Riff(format + data)), 12301, 1000},
        {"no-such-file.wav", 12300, 0},
        {MediaPath(testmedia::kTruncatedWave), 12313, 0},
    };
    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (const auto& [file, id, offset] : cases) {
        const int before = log_.Count(ResourceString(id));
        BoxCloser closer;
        EXPECT_EQ(nullptr, Open(file, offset)) << file;
        EXPECT_EQ(nullptr, FindWindowA("waveOutClass", nullptr)) << file;
        EXPECT_EQ(1u, closer.titles().size()) << file;
        EXPECT_EQ(before + 1, log_.Count(ResourceString(id))) << file;
        const bool written = file.find("qerno-bad-") != std::string::npos;
        EXPECT_TRUE(!written || DeleteFileA(file.c_str())) << file << " was left open";
    }
    host_->PumpMessages();
    EXPECT_EQ(gdi, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
}

TEST_F(WaveOutTest, PlaysOddChunks) {
    const std::string odd = Chunk("LIST", "odd") + Format(1) +
                            Chunk("data", std::string(55, '\x40') + "x") + Chunk("note", "y");
    EXPECT_NE(nullptr, Open(WriteTemp("qerno-wave-odd.wav", Riff(odd)))) << log_.Text();
}

} // namespace
