// What the wave-out player tests share: RIFF/WAVE images written by the tests themselves, and the
// player opened beside the host window with its returned buffers counted.
#pragma once

#include "players/PlayerTestSupport.h"
#include "support/TestFiles.h"

#include <cstdint>
#include <fstream>

namespace wavetest {

inline std::string U32(std::uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}
inline std::string U16(std::uint16_t value) {
    return {char(value), char(value >> 8)};
}

// An odd body is followed by its pad byte; size is what the header claims.
inline std::string Chunk(const char* id, const std::string& body, std::uint32_t size) {
    return id + U32(size) + body + (body.size() % 2 ? std::string(1, '\0') : "");
}
inline std::string Chunk(const char* id, const std::string& body) {
    return Chunk(id, body, static_cast<std::uint32_t>(body.size()));
}

inline std::string Format(int channels, int rate, int bits, int tag = 1) {
    const int align = channels * bits / 8;
    return U16(tag) + U16(channels) + U32(rate) + U32(rate * align) + U16(align) + U16(bits);
}

inline std::string Riff(const std::string& chunks, const char* id = "RIFF",
                        const char* form = "WAVE") {
    return id + U32(static_cast<std::uint32_t>(chunks.size() + 4)) + form + chunks;
}

// A square wave of 8-bit mono at 11025 Hz, 11 bytes a millisecond.
inline std::string Samples(int milliseconds) {
    std::string bytes(11 * milliseconds, '\0');
    for (std::size_t at = 0; at < bytes.size(); ++at)
        bytes[at] = at / 10 % 2 ? '\x40' : '\xC0';
    return bytes;
}
inline std::string Wave(int milliseconds) {
    return Riff(Chunk("fmt ", Format(1, 11025, 8)) + Chunk("data", Samples(milliseconds)));
}

inline std::string WriteTemp(const std::string& name, const std::string& bytes) {
    const std::string path = TempFilePath(name);
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

} // namespace wavetest

class WaveOutTest : public PlayerTest {
protected:
    // The player's returned buffers are counted from here on.
    static HWND Open(const std::string& file, unsigned long offset = 0,
                     unsigned long start = kWhole, unsigned long end = kWhole,
                     const char* key = "wave") {
        HWND player = waveOutCreatePlayWnd(host(), "", key, file.c_str(), offset, 0, start, end);
        if (player)
            AnswerCount::Watch(player, MM_WOM_DONE);
        return player;
    }
    static bool AwaitBuffers(int count) {
        return PumpUntil([count] { return AnswerCount::count() >= count; });
    }
    // Timer 1 runs exactly while the player plays; asking stops it.
    static bool Playing(HWND player) { return KillTimer(player, 1) != FALSE; }

    static constexpr unsigned long kWhole = 0xFFFFFFFF;
};
