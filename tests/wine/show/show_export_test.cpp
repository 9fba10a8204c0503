// QernoShow.exe run as a child process: the slides it exports, read back from their PNG files,
// and the documents and command lines it refuses.
#include "show/show_files.h"

#include <windows.h>

#include <gtest/gtest.h>
#include <stb_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
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

bool Near(Rgb a, const char* hex) {
    const int value = std::stoi(hex + 1, nullptr, 16);
    const Rgb b = {value >> 16, value >> 8 & 0xFF, value & 0xFF};
    return std::abs(a.r - b.r) <= 8 && std::abs(a.g - b.g) <= 8 && std::abs(a.b - b.b) <= 8;
}

// The sample show as make show exports it, on a page of 102.4 pixels to the inch: each slide by
// pixels only its right drawing gives.
TEST_F(ShowExport, TheSampleShowPaintsEverySlide) {
    std::string command =
        "reg import \"" + ExecutableFolder() + "plugins\\QernoSamplePlugIns.reg\"";
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION reg = {};
    ASSERT_TRUE(CreateProcessA(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                               &startup, &reg));
    WaitForSingleObject(reg.hProcess, 60000);
    CloseHandle(reg.hThread);
    CloseHandle(reg.hProcess);
    const ShowRun run = RunShow("--export \"" + Path("out") + "\" \"" + ExecutableFolder() +
                                "shows\\sample\\sample.ini\"");
    ASSERT_EQ(0u, run.status) << run.errors;

    const struct {
        int slide, x, y;
        const char* colour;
        const char* what;
    } pixels[] = {
        {1, 512, 3, "#14285A", "both ends of the fill around its midpoint"},
        {1, 512, 765, "#14285A", "both ends of the fill around its midpoint"},
        {1, 10, 384, "#FFD040", "a border tile"},
        {2, 3, 384, "#7A1020", "the fill's left end"},
        {2, 1020, 384, "#7A1020", "the fill's right end"},
        {2, 10, 384, "#FFFFFF", "the line border"},
        {3, 512, 384, "#FFFFFF", "the radial plug-in's centre"},
        {3, 2, 2, "#2050A0", "the radial plug-in's corner"},
        {4, 3, 384, "#2A6A2A", "the shade pattern's ink"},
        {4, 10, 384, "#E8F4E0", "the shade pattern's ground"},
        {5, 512, 3, "#FFFFFF", "the fill's end"},
        {6, 83, 185, "#C0C0C0", "the first picture's top-left corner"},
        {6, 490, 490, "#000000", "the first picture's bottom-right corner"},
        {6, 10, 384, "#FFFFFF", "a border tile"},
        {7, 512, 3, "#000000", "the fill's end"},
        {8, 3, 384, "#503000", "the line border"},
        {9, 3, 384, "#E0F0FF", "the fill's end"},
        {10, 10, 384, "#FFD040", "a border tile"},
    };
    // The text's ink: the title colour within its box (left, top, right, bottom).
    const struct {
        int slide;
        RECT box;
        const char* colour;
    } inks[] = {{1, {51, 123, 973, 266}, "#FFD040"},  {2, {51, 51, 973, 153}, "#FFFFFF"},
                {3, {51, 51, 973, 153}, "#102040"},   {4, {102, 256, 922, 379}, "#103010"},
                {5, {102, 184, 900, 307}, "#203060"}, {6, {51, 41, 973, 143}, "#FFFFFF"},
                {7, {51, 41, 973, 143}, "#FFFFFF"},   {8, {51, 51, 973, 153}, "#503000"},
                {9, {51, 51, 973, 153}, "#102040"},   {10, {51, 287, 973, 451}, "#FFD040"}};
    std::vector<Png> slides;
    for (int slide = 1; slide <= 10; ++slide) {
        char name[32]; // "out\slide-NN.png"
        std::snprintf(name, sizeof name, "out\\slide-%02d.png", slide);
        slides.emplace_back(Path(name));
        ASSERT_EQ(1024, slides.back().width) << name;
    }
    for (const auto& p : pixels) {
        const Rgb found = slides[p.slide - 1].At(p.x, p.y);
        EXPECT_TRUE(Near(found, p.colour)) << "slide " << p.slide << ", " << p.what << ": "
                                           << found.r << "," << found.g << "," << found.b;
    }
    for (const auto& ink : inks)
        EXPECT_GT(slides[ink.slide - 1].Count(ink.box.left, ink.box.top, ink.box.right,
                                              ink.box.bottom,
                                              [&](Rgb c) { return Near(c, ink.colour); }),
                  1000)
            << "slide " << ink.slide << "'s text";
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
