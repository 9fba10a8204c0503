// The count of MPEG videos playing.
#include "QernoMedia.h"

namespace {
int playingVideos = 0;
} // namespace

int QERNO_CALL GetPlayingVideoCount() {
    return playingVideos;
}

void QERNO_CALL ZeroPlayingVideoCount() {
    playingVideos = 0;
}

void QERNO_CALL IncreasePlayingVideoCount() {
    ++playingVideos;
}

void QERNO_CALL DecreasePlayingVideoCount() {
    if (playingVideos > 0)
        --playingVideos;
}
