// Tests that need the library started beside a host window: one window for a whole suite, since
// the library is started once per process.
#pragma once

#include "QernoFrame.h"
#include "QernoLog.h"
#include "support/HostWindow.h"

#include <gtest/gtest.h>

class LibraryHostTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        host_ = new HostWindow;
        if (!GetSysLog())
            InitQernoDll(host_->handle(), LoadLibraryA("QernoRes.dll"));
    }
    static void TearDownTestSuite() {
        delete host_;
        host_ = nullptr;
    }

    static HWND host() { return host_->handle(); }

    inline static HostWindow* host_ = nullptr;
};
