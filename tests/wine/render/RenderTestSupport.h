// What the rendering tests share: the library started once for the executable (the shade and
// correction tables and the shimmer tiles come from its start-up) and a canvas read back
// pixel by pixel.
#pragma once

#include "Qerno.h"
#include "geometry/canvas_dc.h"

#include <gtest/gtest.h>

class RenderTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        if (!GetSysLog()) {
            ASSERT_NE(0, InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll")));
        }
    }
};
