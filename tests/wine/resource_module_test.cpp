// The pictures, tables and dialog of QernoRes.dll in the layouts the library reads them in.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

class ResourceModule : public testing::Test {
protected:
    static void SetUpTestSuite() { module_ = LoadLibraryA("QernoRes.dll"); }
    static void TearDownTestSuite() { FreeLibrary(module_); }
    void SetUp() override { ASSERT_NE(nullptr, module_); }

    static DWORD DataSize(WORD id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), RT_RCDATA);
        return found ? SizeofResource(module_, found) : 0;
    }
    static const BYTE* Data(WORD id) {
        HRSRC found = FindResourceA(module_, MAKEINTRESOURCEA(id), RT_RCDATA);
        return found ? static_cast<const BYTE*>(LockResource(LoadResource(module_, found)))
                     : nullptr;
    }
    static BITMAP BitmapSize(HBITMAP bitmap) {
        BITMAP info = {};
        GetObjectA(bitmap, sizeof info, &info);
        return info;
    }

    static HINSTANCE module_;
};

HINSTANCE ResourceModule::module_ = nullptr;

TEST_F(ResourceModule, TablesHaveTheirRecordLayouts) {
    EXPECT_EQ(12u * 12 * 12 * 3, DataSize(5803));
    EXPECT_EQ(102u * 2 * 32, DataSize(5804));
    EXPECT_EQ(39u * 8, DataSize(5805));

    const BYTE* correction = Data(5803);
    ASSERT_NE(nullptr, correction);
    const BYTE paper[3] = {0, 0, 0};
    EXPECT_EQ(0, memcmp(paper, correction, 3)) << "no ink must stay paper white";
}

TEST_F(ResourceModule, ButtonSheetHasTenBySixFacesWithTheirMargin) {
    HBITMAP sheet = LoadBitmapA(module_, MAKEINTRESOURCEA(6421));
    ASSERT_NE(nullptr, sheet);
    const BITMAP size = BitmapSize(sheet);
    const LONG buttonWidth = size.bmWidth / 10, buttonHeight = size.bmHeight / 6;
    EXPECT_GT(buttonWidth, 8);
    // Faces are taken one pixel in from each cell's corner.
    EXPECT_GE(size.bmWidth, 10 * buttonWidth + 1);
    EXPECT_GE(size.bmHeight, 6 * buttonHeight + 1);
    // The row, its separator and the track share the bar's 80 pixels.
    EXPECT_LE(buttonHeight, 30);
    DeleteObject(sheet);
}

TEST_F(ResourceModule, ThumbSheetHasFourCellsOnAYellowMask) {
    HBITMAP sheet = LoadBitmapA(module_, MAKEINTRESOURCEA(6426));
    ASSERT_NE(nullptr, sheet);
    const BITMAP size = BitmapSize(sheet);
    ASSERT_EQ(0, size.bmWidth % 4);
    const LONG thumbWidth = size.bmWidth / 4;

    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, sheet);
    int transparent = 0;
    for (LONG y = 0; y < size.bmHeight; ++y)
        for (LONG x = 0; x < thumbWidth; ++x)
            transparent += GetPixel(dc, x, y) == RGB(255, 255, 0);
    EXPECT_GT(transparent, 0);
    EXPECT_LT(transparent, thumbWidth * size.bmHeight / 2) << "the thumb is mostly mask";
    EXPECT_NE(RGB(255, 255, 0), GetPixel(dc, thumbWidth / 2, size.bmHeight / 2));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(sheet);
}

INT_PTR CALLBACK IgnoreMessages(HWND, UINT, WPARAM, LPARAM) {
    return FALSE;
}

TEST_F(ResourceModule, MessageBoxTemplateHasThreeEqualButtons) {
    HWND dialog = CreateDialogParamA(module_, MAKEINTRESOURCEA(3100), nullptr, IgnoreMessages, 0);
    ASSERT_NE(nullptr, dialog);
    RECT first = {};
    ASSERT_TRUE(GetWindowRect(GetDlgItem(dialog, 20000), &first));
    for (int id : {20001, 20002}) {
        RECT other = {};
        ASSERT_TRUE(GetWindowRect(GetDlgItem(dialog, id), &other)) << id;
        EXPECT_EQ(first.right - first.left, other.right - other.left) << id;
        EXPECT_EQ(first.bottom - first.top, other.bottom - other.top) << id;
    }
    DestroyWindow(dialog);
}

} // namespace
