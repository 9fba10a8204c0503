// QernoShow.exe: plays a show document, or with --export writes its slides as PNG files.
// A host of the library as the authoring application is one: it starts the library with the
// resource module, runs its message loop through the library's hooks and logs what goes wrong.
// Exit status: 0 done, 1 the library or a file failed, 2 bad arguments or a document that
// cannot be used.
#include "Qerno.h"
#include "host/HostLoop.h"
#include "show/ShowArguments.h"
#include "show/ShowMedia.h"
#include "show/ShowReader.h"
#include "show/SlideExport.h"
#include "show/SlideWindow.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kFailed = 1;
constexpr int kUnusable = 2;

// The document, or null when it cannot be used, said on stderr in one line.
std::optional<ShowDocument> ReadDocument(const std::string& file,
                                         std::vector<ShowWarning>& warnings) {
    ShowProfile profile;
    if (!ReadProfileFile(file.c_str(), profile)) {
        std::fprintf(stderr, "%s: cannot be read\n", file.c_str());
        return std::nullopt;
    }
    ShowReading reading = ReadShow(profile);
    warnings = std::move(reading.warnings);
    if (!reading.document)
        std::fprintf(stderr, "%s\n", FormatShowError(file, reading.error).c_str());
    return std::move(reading.document);
}

// The warnings can only be logged once the library has started.
void LogWarnings(const std::string& file, const std::vector<ShowWarning>& warnings) {
    CSysLog* log = GetSysLog();
    for (const ShowWarning& warning : warnings) {
        const std::string line = FormatShowWarning(file, warning);
        std::fprintf(stderr, "%s\n", line.c_str());
        if (log)
            log->SysLogWarning(kShowLogCategory, "%s", line.c_str());
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    std::optional<ShowArguments> arguments = ParseShowArguments(__argc, __argv);
    if (!arguments) {
        std::fprintf(stderr, "%s\n", kShowUsage);
        return kUnusable;
    }
    arguments->showFile = FullPathOf(arguments->showFile);
    if (!arguments->exportFolder.empty())
        arguments->exportFolder = FullPathOf(arguments->exportFolder);
    std::vector<ShowWarning> warnings;
    const std::optional<ShowDocument> document = ReadDocument(arguments->showFile, warnings);
    if (!document)
        return kUnusable;
    if (arguments->start > static_cast<int>(document->slides.size())) {
        std::fprintf(stderr, "%s: --start %d, but the show has %d slides\n",
                     arguments->showFile.c_str(), arguments->start,
                     static_cast<int>(document->slides.size()));
        return kUnusable;
    }
    // A relative path in the show's configuration file leads from the show's folder, so that a
    // show and its media move together.
    SetCurrentDirectoryA(FolderOf(arguments->showFile).c_str());

    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    if (!resources) {
        std::fprintf(stderr, "QernoShow: cannot load QernoRes.dll\n");
        return kFailed;
    }
    const bool exporting = !arguments->exportFolder.empty();
    // An export and a window draw at the size asked for, else the show covers the screen.
    const bool fullScreen = !exporting && !arguments->windowWidth;
    const SIZE size =
        fullScreen ? SIZE{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}
        : arguments->windowWidth ? SIZE{arguments->windowWidth, arguments->windowHeight}
                                 : SIZE{document->show.width, document->show.height};
    HWND window = CreateSlideWindow(instance, *document, size, fullScreen);
    if (!window) {
        std::fprintf(stderr, "QernoShow: cannot create the main window\n");
        FreeLibrary(resources);
        return kFailed;
    }
    // A timed show may run with no one at the screen, and an export never has anyone: the
    // library's prompts, start-up's included, answer by themselves and go to the log.
    const bool unattended = exporting || document->show.advance == ShowAdvance::Timed;
    SetQernoUnattended(unattended);
    // From here on the library owns the resource module and frees it at unload.
    if (!InitQernoDll(window, resources))
        std::fprintf(stderr, "QernoShow: the library started without all its tables\n");
    LogWarnings(arguments->showFile, warnings);

    ShowMedia media(window, arguments->showFile,
                    unattended ? ShowMedia::Reporting::Unattended : ShowMedia::Reporting::Prompt);
    if (exporting) {
        const bool exported = ExportSlides(*document, size, media, arguments->exportFolder);
        DestroyWindow(window);
        return exported ? 0 : kFailed;
    }
    PlaySlides(window, media, arguments->start - 1);
    return RunUntilQuit();
}
