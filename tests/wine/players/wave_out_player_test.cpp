// The wave-out player driven as its bar would drive it: button commands and scroll messages to
// its window; what it does is read off the buffers the device returns, timer 1 and the log.
#include "players/PlayerTestSupport.h"

namespace {

// Which bytes a range selects is checked natively; here, that the chosen part plays to its end,
// whatever its bar's commands do on the way.
TEST_F(WaveOutTest, PlaysTheChosenPartToTheEndKeepingTheOneBufferInStep) {
    const std::string junk(1001, 'J'); // an odd offset, and more after the image
    const std::string inside =
        WriteTemp("qerno-wave-inside.dat", junk + ReadFileBytes(kShortSound) + junk);
    const struct {
        const char* what;
        int buffers; // returned up to the end of play, resets included
        std::vector<WPARAM> sent;
        UINT message = WM_COMMAND;
        std::string file = kShortSound;
        unsigned long offset = 0, start = kWhole, end = kWhole;
    } cases[] = {
        {"the whole file", 1, {}, 0, MediaPath(testmedia::kWaves[0].file)},
        {"a range", 1, {}, 0, kShortSound, 0, 100, 300},
        {"from inside a file", 1, {}, 0, inside, 1001, 100},
        {"pause, play", 1, {2900, 2900}},
        {"stop, play", 2, {2901, 2900}},
        {"page forward", 2, {2904}},
        {"to end, which plays again", 2, {2905}},
        {"thumb dragged", 2, {SB_THUMBTRACK, SB_ENDSCROLL}, WM_HSCROLL},
    };
    for (const auto& c : cases) {
        HWND player = Open(c.file, c.offset, c.start, c.end);
        ASSERT_NE(nullptr, player) << c.what << " " << log_.Text();
        for (WPARAM wParam : c.sent)
            SendMessageA(player, c.message, wParam, 0);
        EXPECT_TRUE(AwaitBuffers(c.buffers)) << c.what;
        EXPECT_FALSE(Playing(player)) << c.what;
    }
    EXPECT_EQ("", log_.Text()); // neither a failed call nor a prompt
}

// The host reaches the player through the stage windows' key calls.
TEST_F(WaveOutTest, KeyCallsReachThePlayerByItsExactKeyAndANewPlayerClosesTheOld) {
    BoxCloser closer;
    EXPECT_EQ(0, PlayMediaFile(host(), "Wave")); // no player yet
    EXPECT_EQ(1, PlayMediaFile(host(), ""));     // the player's refusal of an empty key
    HWND player = Open(kShortSound, 0, kWhole, kWhole, "Wave");
    for (auto call : {PlayMediaFile, PauseMediaFile, StopMediaFile, CloseMediaFile})
        EXPECT_EQ(0, call(host(), "wave"));
    EXPECT_EQ(6u, closer.titles().size());
    EXPECT_EQ(5, log_.Count(ResourceString(12307)));
    EXPECT_EQ(1, log_.Count(ResourceString(12305)));
    EXPECT_EQ(1, PauseMediaFile(host(), "Wave"));
    EXPECT_FALSE(Playing(player));
    EXPECT_EQ(1, PlayMediaFile(host(), "Wave"));
    EXPECT_TRUE(Playing(player));
    EXPECT_EQ(1, StopMediaFile(host(), "Wave"));
    EXPECT_TRUE(AwaitBuffers(1)); // the reset returned it
    EXPECT_EQ(1, CloseMediaFile(host(), "Wave"));
    EXPECT_FALSE(IsWindow(player));
    for (const char* key : {"first", ""}) { // whatever the old one's key
        player = Open(kShortSound, 0, kWhole, kWhole, key);
        EXPECT_TRUE(IsWindow(Open(kShortSound)));
        EXPECT_FALSE(IsWindow(player)) << key;
    }
    CloseAllMediaFile();
    EXPECT_EQ(nullptr, FindWindowA(kWaveOutWindowClass, nullptr));
    EXPECT_EQ(0, log_.Count("-- : ")) << log_.Text(); // no failed wave-out call
}

} // namespace
