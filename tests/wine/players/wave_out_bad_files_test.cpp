// Files the player must refuse with the right prompt, files it must still play, and a few hundred
// damaged ones that it must either play or refuse, leaving nothing behind: RIFF/WAVE images
// written by the tests themselves.
#include "players/PlayerTestSupport.h"

#include <cstdint>

namespace {

std::string U32(std::uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}
std::string U16(std::uint16_t value) {
    return {char(value), char(value >> 8)};
}

// An odd body is followed by its pad byte; size is what the header claims.
std::string Chunk(const char* id, const std::string& body, std::uint32_t size) {
    return id + U32(size) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}
std::string Chunk(const char* id, const std::string& body) {
    return Chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

std::string Format(int channels, int rate, int bits, int tag = 1) {
    const int align = channels * bits / 8;
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
}

std::string Riff(const std::string& chunks, const char* id = "RIFF", const char* form = "WAVE") {
    return id + U32(static_cast<std::uint32_t>(chunks.size() + 4)) + form + chunks;
}

// A square wave of 8-bit mono at 11025 Hz, 11 bytes a millisecond.
std::string Samples(int milliseconds) {
    std::string bytes(11 * milliseconds, '\0');
    for (std::size_t at = 0; at < bytes.size(); ++at)
        bytes[at] = at / 10 % 2 ? '\x40' : '\xC0';
    return bytes;
}
std::string Wave(int milliseconds) {
    return Riff(Chunk("fmt ", Format(1, 11025, 8)) + Chunk("data", Samples(milliseconds)));
}

const std::string kFormat = Chunk("fmt ", Format(1, 11025, 8));

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
    const std::string data = Chunk("data", Samples(10));
    const struct {
        const char* what;
        std::string bytes;
        unsigned id;
        unsigned long offset = 0;
    } cases[] = {
        {"RIFX", Riff(kFormat + data, "RIFX"), 12310},
        {"WAVF", Riff(kFormat + data, "RIFF", "WAVF"), 12310},
        {"no format", Riff(data), 12311},
        {"no data", Riff(kFormat), 12311},
        {"empty data", Riff(kFormat + Chunk("data", "")), 12311},
        {"not PCM", Riff(Chunk("fmt ", Format(1, 11025, 8, 3)) + data), 12312},
        {"format cut", Riff(Chunk("fmt ", Format(1, 11025, 8).substr(0, 14)) + data), 12313},
        {"no channels", Riff(Chunk("fmt ", Format(0, 11025, 8)) + data), 12314},
        {"data past the file", Riff(kFormat + Chunk("data", Samples(10), 2000)), 12317},
        {"offset past the file", Wave(10), 12301, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectRefusal(WriteTemp("qerno-wave-bad.wav", c.bytes), c.id, c.offset);
    }
    for (const auto& [file, id] : {std::pair<std::string, unsigned>{"no-such-file.wav", 12300},
                                   {MediaPath(testmedia::kTruncatedWave), 12313}})
        ExpectRefusal(file, id);
}

TEST_F(WaveOutFiles, PlaysOddChunksAndOnly0xF90000BytesOfAHugeDataChunk) {
    constexpr std::uint32_t kKept = 0xF90000, kClaimed = 0xFA0000;
    const std::string odd =
        Chunk("LIST", "odd") + kFormat + Chunk("data", Samples(5) + "x") + Chunk("note", "y");
    const std::string huge = Riff(kFormat + Chunk("data", std::string(kKept, '\x80'), kClaimed));
    EXPECT_NE(nullptr, Open(WriteTemp("qerno-wave-odd.wav", Riff(odd)))) << log_.Text();
    EXPECT_NE(nullptr, Open(WriteTemp("qerno-wave-huge.wav", huge))) << log_.Text();
    // One byte less than kept is one byte too few.
    ExpectRefusal(WriteTemp("qerno-wave-huge.wav", huge.substr(0, huge.size() - 1)), 12317);
}

TEST_F(WaveOutFiles, DamagedFilesPlayOrAreRefusedLeavingNothing) {
    const std::string good = Wave(20);
    constexpr std::size_t kHeader = 44;
    std::vector<std::string> damaged;
    for (std::size_t cut = 0; cut < kHeader; ++cut)
        damaged.push_back(good.substr(0, cut));
    for (std::size_t at = 0; at < kHeader; ++at)
        for (char mask : {'\x01', '\x80', '\xFF'})
            damaged.push_back(good), damaged.back()[at] ^= mask;
    for (std::size_t field : {4, 16, 20, 22, 24, 28, 32, 40}) // sizes, then format fields
        for (std::uint32_t value : {0u, 1u, 3u, 17u, 0x7FFFFFFFu, 0xFFFFFFFFu})
            damaged.push_back(good), damaged.back().replace(field, 4, U32(value));

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
