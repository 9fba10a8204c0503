// The wave-out player driven as its bar would drive it: button commands and scroll messages to
// its window; what it does is read off the buffers the device returns, timer 1 and the log.
#include "players/PlayerTestSupport.h"

namespace {

// Which bytes a range selects is checked natively; here, that the chosen part plays to its end.
TEST_F(WaveOutTest, PlaysTheChosenPartToTheEnd) {
    const std::string junk(1001, 'J'); // an odd offset, and more after the image
    const std::string inside =
        WriteTemp("qerno-wave-inside.dat", junk + ReadFileBytes(kShortSound) + junk);
    const struct {
        std::string file;
        unsigned long offset, start, end;
    } cases[] = {
        {MediaPath(testmedia::kWaves[0].file), 0, kWhole, kWhole},
        {kShortSound, 0, 100, 300},
        {inside, 1001, 100, kWhole},
    };
    for (const auto& c : cases) {
        HWND player = Open(c.file, c.offset, c.start, c.end);
        ASSERT_NE(nullptr, player) << c.file << " " << log_.Text();
        EXPECT_TRUE(AwaitBuffers(1)) << c.file;
        EXPECT_FALSE(Playing(player)) << c.file;
    }
    EXPECT_EQ("", log_.Text()); // neither a failed call nor a prompt
}

TEST_F(WaveOutTest, CommandsKeepTheOneBufferInStep) {
    const struct {
        const char* what;
        UINT message;
        std::vector<WPARAM> sent;
        int buffers; // returned up to the end of play, resets included
    } cases[] = {
        {"pause, play", WM_COMMAND, {2900, 2900}, 1},
        {"stop, play", WM_COMMAND, {2901, 2900}, 2},
        {"pause, stop, play", WM_COMMAND, {2900, 2901, 2900}, 2},
        {"to start", WM_COMMAND, {2902}, 2},
        {"page back", WM_COMMAND, {2903}, 2},
        {"page forward", WM_COMMAND, {2904}, 2},
        {"to end, which plays again", WM_COMMAND, {2905}, 2},
        {"thumb dragged", WM_HSCROLL, {SB_THUMBTRACK, SB_ENDSCROLL}, 2},
    };
    for (const auto& c : cases) {
        HWND player = Open(kShortSound);
        ASSERT_NE(nullptr, player);
        for (WPARAM wParam : c.sent)
            SendMessageA(player, c.message, wParam, 0);
        EXPECT_TRUE(AwaitBuffers(c.buffers)) << c.what;
        EXPECT_FALSE(Playing(player)) << c.what;
    }
    EXPECT_EQ("", log_.Text()); // neither a failed call nor a prompt
}

TEST_F(WaveOutTest, ANewPlayerClosesTheOldOneWhateverItsKey) {
    for (const char* key : {"first", ""}) {
        HWND first = Open(kShortSound, 0, kWhole, kWhole, key);
        ASSERT_NE(nullptr, first);
        HWND second = Open(kShortSound, 0, kWhole, kWhole, "second");
        EXPECT_FALSE(IsWindow(first)) << key;
        EXPECT_TRUE(IsWindow(second)) << key;
    }
}

// The host reaches the player through the stage windows' key calls.
TEST_F(WaveOutTest, KeyCallsReachThePlayerByItsExactKey) {
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
    EXPECT_TRUE(IsWindow(Open(kShortSound)));
    CloseAllMediaFile();
    EXPECT_EQ(nullptr, FindWindowA("waveOutClass", nullptr));
    EXPECT_EQ(0, log_.Count("-- : ")) << log_.Text(); // no failed wave-out call
}

} // namespace
