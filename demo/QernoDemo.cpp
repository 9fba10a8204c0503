// QernoDemo.exe: a host as the authoring application is one. It loads the resource module,
// starts the library with it, runs its message loop through the library's hooks and tours
// every capability, saving a screenshot of each scene.
//
//   QernoDemo.exe [--out DIRECTORY] [--stay]
#include "DemoWindow.h"
#include "EffectsTour.h"
#include "host/HostLoop.h"
#include "LogTour.h"
#include "MediaTour.h"
#include "MessageBoxTour.h"
#include "PlayersTour.h"
#include "Qerno.h"
#include "Screenshot.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

const Scene* const kTour[] = {
    &kFoundationScene, &kCurveScene,       &kPolygonScene, &kSelectionScene, &kVocabularyScene,
    &kRotationScene,   &kMediaPickerScene, &kFileScene,    &kDibScene,       &kFountainScene,
    &kShadeScene,      &kCmykScene,        &kFancyScene,   &kBorderScene,    &kPlugInScene};

struct Options {
    std::string outDirectory = ".";
    bool stay = false; // keep the window open after the tour instead of exiting
};

Options ParseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--out") && i + 1 < argc)
            options.outDirectory = argv[++i];
        else if (!std::strcmp(argv[i], "--stay"))
            options.stay = true;
    }
    return options;
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    const Options options = ParseOptions(__argc, __argv);

    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    if (!resources) {
        std::fprintf(stderr, "QernoDemo: cannot load QernoRes.dll\n");
        return 1;
    }
    HWND window = CreateDemoWindow(instance);
    if (!window) {
        std::fprintf(stderr, "QernoDemo: cannot create the main window\n");
        FreeLibrary(resources);
        return 1;
    }
    // From here on the library owns the resource module and frees it at unload.
    const int started = InitQernoDll(window, resources);
    const DWORD logStart = LogFileEnd();
    std::printf("InitQernoDll: %d\n", started);
    ShowWindow(window, SW_SHOWNORMAL);

    int failures = started ? 0 : 1;
    for (const Scene* scene : kTour) {
        ShowScene(window, *scene);
        PumpMessages();
        const std::string path = options.outDirectory + "\\" + scene->name + ".png";
        const bool saved = SaveWindowScreenshot(window, path);
        std::printf("%s %s\n", saved ? "saved" : "FAILED to save", path.c_str());
        failures += saved ? 0 : 1;
    }
    failures += TourMedia(window, options.outDirectory) ? 0 : 1;
    failures += TourEffects(window, options.outDirectory) ? 0 : 1;
    failures += TourPlayers(window, options.outDirectory) ? 0 : 1;
    TourMessageBoxes(window, options.outDirectory);
    failures += TourLog(window, options.outDirectory, logStart) ? 0 : 1;
    std::fflush(stdout);

    if (options.stay)
        return RunUntilQuit();
    DestroyWindow(window);
    while (PumpMessages()) {
    }
    return failures ? 1 : 0;
}
