#include "show/SlideMedia.h"

#include "Qerno.h"

namespace {

std::string KeyOf(const char* kind, int index) {
    return "slide" + std::to_string(index + 1) + "-" + kind;
}

} // namespace

void SlideMedia::Start(const ShowSlide& slide, int index, const ShowMedia& files) {
    Stop();
    if (!slide.video.empty()) {
        video_.key = KeyOf("video", index);
        video_.window = OpenMediaPlayWnd(owner_, slide.video.c_str(), video_.key.c_str(),
                                         files.Resolve(slide.video).c_str(), kNoMediaPosition,
                                         kNoMediaPosition);
    }
    if (!slide.sound.empty()) {
        sound_.key = KeyOf("sound", index);
        sound_.window = OpenMediaPlayWnd(owner_, slide.sound.c_str(), sound_.key.c_str(),
                                         files.Resolve(slide.sound).c_str(), kNoMediaPosition,
                                         kNoMediaPosition);
    }
    if (!slide.narration.empty()) {
        narration_.key = KeyOf("narration", index);
        narration_.window = waveOutCreatePlayWnd(
            owner_, slide.narration.c_str(), narration_.key.c_str(),
            files.Resolve(slide.narration).c_str(), 0, 0, kNoMediaPosition, kNoMediaPosition);
    }
}

void SlideMedia::Stop() {
    Close(video_);
    Close(sound_);
    Close(narration_);
}

void SlideMedia::Close(Playing& playing) {
    // The library prompts for a key it does not know: a window the user closed has none.
    if (playing.window && IsWindow(playing.window))
        CloseMediaFile(owner_, playing.key.c_str());
    playing = {};
}
