// QernoShow.exe run as a child process: the slides it exports, read back from their PNG files,
// and the documents and command lines it refuses.
#include "show/show_files.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

// 320 x 240 pixels on a page of 240 x 180 points: a point is 4/3 of a pixel.
constexpr char kShow[] = "[Show]\n"
                         "Size = 320x240\n"
                         "Unit = pt\n"
                         "Page = 240x180\n"
                         "[Slide1]\n"
                         "Background = fountain\n"
                         "Colors = #FF0000, #0000FF\n"
                         "Midpoint = 0\n"
                         "Border = tiles\n"
                         "BorderStyle = 3\n"
                         "BorderWidth = 12\n"
                         "Title = HHHH\n"
                         "TitleFont = Arial, 40, bold\n"
                         "TitleColor = #00FF00\n"
                         "TitleAt = 30, 60, 180, 60\n"
                         "Transition = shimmer\n"
                         "[Slide2]\n"
                         "Picture1 = picture.bmp, 60, 45, 120, 90\n"
                         "Picture2 = missing.bmp, 0, 0, 30, 30\n"
                         "[Slide3]\n"
                         "Background = fountain\n"
                         "Colors = #FF0000, #0000FF\n"
                         "Direction = vertical\n"
                         "Midpoint = 0\n";

struct Rgb {
    int r, g, b;
};

class Png {
public:
    explicit Png(const std::string& path) {
        unsigned char* data = stbi_load(path.c_str(), &width, &height, &channels, 3);
        if (data)
            pixels.assign(data, data + width * height * 3);
        stbi_image_free(data);
    }
    Rgb At(int x, int y) const {
        const unsigned char* p = &pixels[(static_cast<size_t>(y) * width + x) * 3];
        return {p[0], p[1], p[2]};
    }
    // Pixels of (left, top) to (right, bottom), exclusive, that pass the test.
    template <typename Test> int Count(int left, int top, int right, int bottom, Test test) const {
        int count = 0;
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                count += test(At(x, y)) ? 1 : 0;
        return count;
    }
    int width = 0, height = 0, channels = 0;
    std::vector<unsigned char> pixels;
};

bool Green(Rgb c) {
    return c.g > 200 && c.r < 60 && c.b < 60;
}
bool White(Rgb c) {
    return c.r > 240 && c.g > 240 && c.b > 240;
}

// A 4 x 4 BMP, bottom-up as BMP files go: its top-left quadrant yellow, the rest magenta.
std::string Picture() {
    std::string rows;
    for (int y = 3; y >= 0; --y)
        for (int x = 0; x < 4; ++x)
            rows +=
                x < 2 && y < 2 ? std::string("\x00\xFF\xFF", 3) : std::string("\xFF\x00\xFF", 3);
    BITMAPFILEHEADER file = {};
    BITMAPINFOHEADER info = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + static_cast<DWORD>(rows.size());
    info.biSize = sizeof info;
    info.biWidth = info.biHeight = 4;
    info.biPlanes = 1;
    info.biBitCount = 24;
    return std::string(reinterpret_cast<const char*>(&file), sizeof file) +
           std::string(reinterpret_cast<const char*>(&info), sizeof info) + rows;
}

struct ShowRun {
    DWORD status = 0xFFFFFFFF;
    std::string errors; // what it wrote on stderr
};

class ShowExport : public testing::Test {
protected:
    void SetUp() override { folder_ = MakeTestFolder("qerno-show-"); }
    void TearDown() override {
        // Leaves the exported files behind only when a check failed, to be looked at.
        if (!HasFailure())
            RemoveTree(folder_);
    }

    std::string Path(const std::string& name) const { return folder_ + "\\" + name; }

    ShowRun RunShow(const std::string& arguments) const {
        ShowRun run;
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        const std::string errorsFile = Path("stderr.txt");
        HANDLE errors = CreateFileA(errorsFile.c_str(), GENERIC_WRITE, FILE_SHARE_READ, &inherit,
                                    CREATE_ALWAYS, 0, nullptr);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdError = errors;
        std::string command = "\"" + ExecutableFolder() + "QernoShow.exe\" " + arguments;
        PROCESS_INFORMATION process = {};
        if (CreateProcessA(nullptr, &command[0], nullptr, nullptr, TRUE, 0, nullptr,
                           ExecutableFolder().c_str(), &startup, &process)) {
            WaitForSingleObject(process.hProcess, 120000);
            GetExitCodeProcess(process.hProcess, &run.status);
            CloseHandle(process.hThread);
            CloseHandle(process.hProcess);
        }
        CloseHandle(errors);
        std::ifstream in(errorsFile, std::ios::binary);
        std::getline(in, run.errors, '\0');
        return run;
    }

    std::string folder_;
};

TEST_F(ShowExport, PaintsEverySlideAndTheMiddleOfItsTransition) {
    // The media path leads from the show's folder, not from where the player was started.
    WriteFile(Path("talk.show"), kShow);
    WriteFile(Path("talk.cfg"), "[PATHINFO]\nMedia = pictures\n");
    CreateDirectoryA(Path("pictures").c_str(), nullptr);
    WriteFile(Path("pictures\\picture.bmp"), Picture());
    const ShowRun run = RunShow("--export \"" + Path("out") + "\" \"" + Path("talk.show") + "\"");
    ASSERT_EQ(0u, run.status) << run.errors;
    EXPECT_NE(std::string::npos, run.errors.find("missing.bmp")) << run.errors;

    const Png first(Path("out\\slide-01.png"));
    ASSERT_EQ(320, first.width);
    ASSERT_EQ(240, first.height);
    // Inside the border (12 pt: 16 pixels) the fill runs from red to blue.
    const Rgb left = first.At(20, 120), right = first.At(299, 120);
    EXPECT_TRUE(left.r > 200 && left.b < 60) << left.r << "," << left.b;
    EXPECT_TRUE(right.b > 200 && right.r < 60) << right.r << "," << right.b;
    // The border's tiles and the title are inked green, and nothing between them is.
    EXPECT_GT(first.Count(0, 0, 16, 16, Green), 0) << "the top-left tile";
    EXPECT_GT(first.Count(304, 224, 320, 240, Green), 0) << "the bottom-right tile";
    EXPECT_GT(first.Count(40, 80, 280, 160, Green), 100) << "the title";
    EXPECT_EQ(0, first.Count(20, 20, 300, 78, Green));
    EXPECT_EQ(0, first.Count(20, 162, 300, 220, Green));
    EXPECT_EQ(0, first.Count(0, 0, 320, 240, White)) << "the shimmer belongs to the transition";

    const Png shimmer(Path("out\\slide-01-transition.png"));
    EXPECT_GT(shimmer.Count(0, 0, 320, 240, White), 0);

    // The picture fills (80, 60) to (240, 180) the right way up; the missing one is left out.
    const Png second(Path("out\\slide-02.png"));
    const Rgb topLeft = second.At(82, 62), bottomRight = second.At(237, 177);
    EXPECT_TRUE(topLeft.r > 240 && topLeft.g > 240 && topLeft.b < 20);
    EXPECT_TRUE(bottomRight.r > 240 && bottomRight.g < 20 && bottomRight.b > 240);
    EXPECT_TRUE(White(second.At(79, 59)) && White(second.At(240, 180)) && White(second.At(5, 5)));
    EXPECT_EQ(INVALID_FILE_ATTRIBUTES,
              GetFileAttributesA(Path("out\\slide-02-transition.png").c_str()));

    // The fill reaches the page's last column and row, where a band drawn without a pen stops
    // short; the slide before left them white.
    const Png third(Path("out\\slide-03.png"));
    const Rgb topRight = third.At(319, 0), lastRow = third.At(0, 239), corner = third.At(319, 239);
    EXPECT_TRUE(topRight.r > 200 && topRight.b < 60) << topRight.r << "," << topRight.b;
    EXPECT_TRUE(lastRow.b > 200 && lastRow.r < 60) << lastRow.r << "," << lastRow.b;
    EXPECT_TRUE(corner.b > 200 && corner.r < 60) << corner.r << "," << corner.b;
}

TEST_F(ShowExport, RefusesWhatItCannotUse) {
    WriteFile(Path("talk.show"), kShow);
    WriteFile(Path("bad.show"), "[Slide1]\nBackground = fountain\nMidpoint = 300\n");
    const std::string talk = "\"" + Path("talk.show") + "\"";
    const struct {
        std::string arguments;
        std::string error; // the start of stderr's first line, or what it holds
    } cases[] = {
        {"", "usage: QernoShow.exe"},
        {"--window 10x10 " + talk, "usage: QernoShow.exe"},
        {"--start " + talk, "usage: QernoShow.exe"},
        {"--bogus 1 " + talk, "usage: QernoShow.exe"},
        {talk + " " + talk, "usage: QernoShow.exe"},
        {"\"" + Path("none.show") + "\"", "none.show: cannot be read"},
        {"\"" + Path("bad.show") + "\"", "bad.show: [Slide1] Midpoint: expected "},
        {"--start 4 " + talk, "--start 4, but the show has 3 slides"},
    };
    for (const auto& c : cases) {
        const ShowRun run = RunShow(c.arguments);
        EXPECT_EQ(2u, run.status) << c.arguments;
        EXPECT_NE(std::string::npos, run.errors.find(c.error)) << c.arguments << ": " << run.errors;
        EXPECT_EQ(1, std::count(run.errors.begin(), run.errors.end(), '\n')) << run.errors;
    }
}

} // namespace
