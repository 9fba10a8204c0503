// The video, sound and narration of the slide shown: started when it shows, closed when it is
// left.
#pragma once

#include "show/ShowDocument.h"
#include "show/ShowMedia.h"

#include <windows.h>

#include <string>

class SlideMedia {
public:
    explicit SlideMedia(HWND owner) : owner_(owner) {}
    ~SlideMedia() { Stop(); }
    SlideMedia(const SlideMedia&) = delete;
    SlideMedia& operator=(const SlideMedia&) = delete;

    // Stops what plays, then plays the slide's media; index makes their keys. A file that
    // cannot be played is prompted by the library and left out.
    void Start(const ShowSlide& slide, int index, const ShowMedia& files);
    void Stop();

private:
    struct Playing {
        std::string key;
        HWND window = nullptr;
    };
    void Close(Playing& playing);

    HWND owner_;
    Playing video_, sound_, narration_;
};
