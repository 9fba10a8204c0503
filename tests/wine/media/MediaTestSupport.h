// What the media tests share: the library started beside a host window, a log of the test's own,
// MCI's failure records, and the check of a drawn picture against the frame the test videos hold.
#pragma once

#include "Qerno.h"
#include "geometry/canvas_dc.h"
#include "support/HostWindow.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"
#include "support/MediaFiles.h"
#include "resources/media/TestMedia.h"

#include <gtest/gtest.h>

#include <mmsystem.h>

#include <cstdlib>
#include <string>

inline bool operator==(const RECT& a, const RECT& b) {
    return EqualRect(&a, &b);
}

// The video of the tests that need just one: the compressed one, so a codec is in the way too.
inline const testmedia::Video& kDrawnVideo = testmedia::kVideos[1];

// The record a failure of label writes, with MCI's own text for error.
inline std::string MciRecord(const char* label, MCIERROR error) {
    char text[128] = ""; // as long as any MCI error text
    mciGetErrorStringA(error, text, sizeof text - 1);
    return std::string(label) + text + "\r\n";
}

// Pixels of dc, from its origin, further from the frame's than a 5-bit colour depth explains.
inline int PixelsOffFrame(HDC dc, int frame) {
    int off = 0;
    for (int y = 0; y < testmedia::kVideoHeight; ++y) {
        for (int x = 0; x < testmedia::kVideoWidth; ++x) {
            const COLORREF drawn = GetPixel(dc, x, y);
            const COLORREF expected = testmedia::FramePixel(frame, x, y);
            for (int shift : {0, 8, 16})
                off += std::abs(int(drawn >> shift & 0xFF) - int(expected >> shift & 0xFF)) > 8;
        }
    }
    return off;
}

// One host window for the tests of a suite, a log for each test; the device a test opened in
// id_ is closed after it.
class MediaTest : public LibraryHostTest {
protected:
    void TearDown() override {
        if (id_)
            CloseMedia(id_);
    }

    void OpenChildVideo(const char* file) {
        id_ = OpenVideo("AVIVideo", MediaPath(file).c_str(), nullptr, host(), nullptr, WS_CHILD);
        ASSERT_NE(0, id_) << log_.Text();
    }

    // MCI's answer to a play with notification, 0 if none came.
    static WPARAM NotificationFor(unsigned short id) {
        const std::size_t before = host_->mciNotifications().size();
        if (!host_->PumpUntil([&] { return host_->mciNotifications().size() != before; }, 5000))
            return 0;
        EXPECT_EQ(static_cast<LPARAM>(id), host_->mciNotifications().back().lParam);
        return host_->mciNotifications().back().wParam;
    }

    LogCapture log_{"qerno-media-tests.log"};
    unsigned short id_ = 0;
};
