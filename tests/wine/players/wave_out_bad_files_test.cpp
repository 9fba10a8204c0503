// Files the player must refuse with the right prompt, odd files it must still play, and a few
// hundred damaged ones it must play or refuse, leaving nothing behind: RIFF/WAVE images written
// by the tests themselves.
#include "players/PlayerTestSupport.h"
#include "soak/ProcessUsage.h"

#include <cstdint>
#include <tuple>
#include <vector>

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
        {bad("no-channels-no-data", Riff(Format(0))), 12314, 0}, // the format's refusal first
        {bad("data-past", Riff(format + Claiming(data, 2000))), 12317, 0},
        {bad("data-huge", Riff(format + Claiming(data, 0xFFFFFFFF))), 12317, 0},
        {bad("offset-past", Riff(format + data)), 12301, 1000},
        {"no-such-file.wav", 12300, 0},
        {MediaPath(testmedia::kTruncatedWave), 12313, 0},
    };
    {
        BoxCloser closer; // a process's first message box keeps what it loads for the next ones
        Open("no-such-file.wav", 0);
    }
    const int gdiRoom = GdiHandleRoom();
    const int windows = TopLevelWindowCount(GetCurrentProcessId());
    for (const auto& [file, id, offset] : cases) {
        const int before = log_.Count(ResourceString(id));
        BoxCloser closer;
        EXPECT_EQ(nullptr, Open(file, offset)) << file;
        EXPECT_EQ(nullptr, FindWindowA(kWaveOutWindowClass, nullptr)) << file;
        EXPECT_EQ(1u, closer.titles().size()) << file;
        EXPECT_EQ(before + 1, log_.Count(ResourceString(id))) << file;
        const bool written = file.find("qerno-bad-") != std::string::npos;
        EXPECT_TRUE(!written || DeleteFileA(file.c_str())) << file << " was left open";
    }
    host_->PumpMessages();
    EXPECT_EQ(gdiRoom, GdiHandleRoom());
    EXPECT_EQ(windows, TopLevelWindowCount(GetCurrentProcessId()));
}

TEST_F(WaveOutTest, PlaysOddChunks) {
    const std::string odd = Chunk("LIST", "odd") + Format(1) +
                            Chunk("data", std::string(55, '\x40') + "x") + Chunk("note", "y");
    EXPECT_NE(nullptr, Open(WriteTemp("qerno-wave-odd.wav", Riff(odd)))) << log_.Text();
}

// Cut, with bits flipped, or with a size or format field replaced: one prompt or none, and the
// file closed either way.
TEST_F(WaveOutTest, DamagedFilesPlayOrAreRefusedLeavingNothing) {
    const std::string good = Riff(Format(1) + Chunk("data", std::string(220, '\x40')));
    std::vector<std::string> damaged;
    for (std::size_t at = 0; at < 44; ++at) { // the header
        damaged.push_back(good.substr(0, at));
        for (char mask : {'\x01', '\x80', '\xFF'})
            damaged.push_back(good), damaged.back()[at] ^= mask;
    }
    for (std::size_t field : {4, 16, 20, 22, 24, 28, 32, 40})
        for (std::uint32_t value : {0u, 1u, 3u, 17u, 0x7FFFFFFFu, 0xFFFFFFFFu})
            damaged.push_back(good), damaged.back().replace(field, 4, Le(value));
    for (std::size_t n = 0; n < damaged.size(); ++n) {
        const std::string file = WriteTemp("qerno-wave-damaged.wav", damaged[n]);
        BoxCloser closer;
        if (HWND player = Open(file)) {
            EXPECT_TRUE(closer.titles().empty()) << n;
            SendMessageA(player, WM_CLOSE, 0, 0);
        } else {
            EXPECT_EQ(1u, closer.titles().size()) << n;
        }
        ASSERT_TRUE(DeleteFileA(file.c_str())) << n << " was left open";
    }
}

} // namespace
