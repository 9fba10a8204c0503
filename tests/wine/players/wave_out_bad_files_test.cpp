// Files the player must refuse with the right prompt, files it must still play, and a few hundred
// damaged ones that it must either play or refuse, leaving nothing behind: RIFF/WAVE images
// written by the tests themselves.
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

// A square wave of 8-bit mono, 11 bytes a millisecond.
std::string Data(int milliseconds) {
    std::string bytes(11 * milliseconds, '\0');
    for (std::size_t at = 0; at < bytes.size(); ++at)
        bytes[at] = at / 10 % 2 ? '\x40' : '\xC0';
    return Chunk("data", bytes);
}

// A chunk whose header claims size bytes.
std::string Claiming(std::string chunk, std::uint32_t size) {
    return chunk.replace(4, 4, Le(size));
}

class WaveOutFiles : public WaveOutTest {
protected:
    // A refused file gives no window and one prompt, whose text the log keeps.
    void ExpectRefusal(const std::string& file, unsigned id, unsigned long offset = 0) {
        const int before = log_.Count(ResourceString(id));
        BoxCloser closer;
        EXPECT_EQ(nullptr, Open(file, offset)) << id;
        EXPECT_EQ(nullptr, FindWindowA("waveOutClass", nullptr)) << id;
        EXPECT_EQ(1u, closer.titles().size()) << id;
        EXPECT_EQ(before + 1, log_.Count(ResourceString(id))) << id;
    }
};

TEST_F(WaveOutFiles, RefusesEachBadFileWithItsPrompt) {
    const std::string format = Format(1), data = Data(10);
    // What is wrong, the file's bytes, the prompt and the offset the image starts at.
    const std::tuple<const char*, std::string, unsigned, unsigned long> cases[] = {
        {"RIFX", Riff(format + data, "RIFX"), 12310, 0},
        {"WAVF", Riff(format + data, "RIFF", "WAVF"), 12310, 0},
        {"no format", Riff(data), 12311, 0},
        {"no data", Riff(format), 12311, 0},
        {"empty data", Riff(format + Chunk("data", "")), 12311, 0},
        {"not PCM", Riff(Format(1, 3) + data), 12312, 0},
        {"format cut", Riff(Claiming(format.substr(0, 22), 14) + data), 12313, 0},
        {"no channels", Riff(Format(0) + data), 12314, 0},
        {"data past the file", Riff(format + Claiming(data, 2000)), 12317, 0},
        {"offset past the file", Riff(format + data), 12301, 1000},
    };
    for (const auto& [what, bytes, id, offset] : cases) {
        SCOPED_TRACE(what);
        ExpectRefusal(WriteTemp("qerno-wave-bad.wav", bytes), id, offset);
    }
    ExpectRefusal("no-such-file.wav", 12300);
    ExpectRefusal(MediaPath(testmedia::kTruncatedWave), 12313);
}

TEST_F(WaveOutFiles, PlaysOddChunks) {
    const std::string odd = Chunk("LIST", "odd") + Format(1) +
                            Chunk("data", std::string(55, '\x40') + "x") + Chunk("note", "y");
    EXPECT_NE(nullptr, Open(WriteTemp("qerno-wave-odd.wav", Riff(odd)))) << log_.Text();
}

TEST_F(WaveOutFiles, DamagedFilesPlayOrAreRefusedLeavingNothing) {
    const std::string good = Riff(Format(1) + Data(20));
    constexpr std::size_t kHeader = 44;
    std::vector<std::string> damaged;
    for (std::size_t cut = 0; cut < kHeader; ++cut)
        damaged.push_back(good.substr(0, cut));
    for (std::size_t at = 0; at < kHeader; ++at)
        for (char mask : {'\x01', '\x80', '\xFF'})
            damaged.push_back(good), damaged.back()[at] ^= mask;
    for (std::size_t field : {4, 16, 20, 22, 24, 28, 32, 40}) // sizes, then format fields
        for (std::uint32_t value : {0u, 1u, 3u, 17u, 0x7FFFFFFFu, 0xFFFFFFFFu})
            damaged.push_back(good), damaged.back().replace(field, 4, Le(value));

    const DWORD gdi = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS);
    const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
    for (std::size_t n = 0; n < damaged.size(); ++n) {
        const std::string file = WriteTemp("qerno-wave-damaged.wav", damaged[n]);
        BoxCloser closer;
        if (HWND player = Open(file)) {
            EXPECT_TRUE(closer.titles().empty()) << n;
            SendMessageA(player, WM_CLOSE, 0, 0);
        } else {
            EXPECT_EQ(1u, closer.titles().size()) << n;
        }
        ASSERT_TRUE(DeleteFileA(file.c_str())) << n; // the file was closed
    }
    host_->PumpMessages();
    EXPECT_EQ(gdi, GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS));
    EXPECT_EQ(user, GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS));
    EXPECT_EQ(nullptr, FindWindowA("waveOutClass", nullptr));
}

} // namespace
