// QernoSoak.exe [--cycles N]: repeats each cycle N times (2000 unless told) as a host would, and
// checks that what the process holds stays flat after a warm-up of a tenth of the run: private
// bytes, the thread's windows, the room left in the GDI handle table and the kernel handles.
// Each cycle's bare twin runs first: what the system keeps of the same device calls is not the
// library's to give back. Figures are printed at every tenth of a run. Exit status: 0 flat, 1 a
// figure grew by 1 % or more, 2 a bad command line or a library that did not start.
#include "Qerno.h"
#include "host/HostLoop.h"
#include "resources/media/TestMedia.h"
#include "soak/MemoryGrowth.h"
#include "soak/ProcessUsage.h"
#include "soak/SoakCycles.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int kDefaultCycles = 2000;
constexpr int kSteps = 10;
constexpr int kGdiTable = 65536; // handles, of which the room is what is left
constexpr int kFirstUseCycles = 5;
constexpr DWORD kThreadsEndMs = 2000;
constexpr DWORD kPollMs = 20;

struct Figures {
    SIZE_T privateBytes;
    int windows;
    int gdiRoom;
    int handles; // -1: the system does not say
    int driverHandles;
    int stacks;
};

BOOL CALLBACK CountWindow(HWND, LPARAM count) {
    ++*reinterpret_cast<int*>(count);
    return TRUE;
}

// Wine's sound driver keeps threads and events of every device opened and closed, as bare
// waveOut and MCI calls show; the library makes neither kind itself. They are counted apart.
class HandleKinds {
public:
    // The first count of the GDI room grows the system's own heaps for good; it is made here,
    // before anything is measured. The threads left then are the process's own.
    HandleKinds()
        : thread_(OpenThread(SYNCHRONIZE, FALSE, GetCurrentThreadId())),
          event_(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {
        GdiHandleRoom();
        PumpMessagesFor(kThreadsEndMs);
        ownThreads_ = LiveThreadCount(GetCurrentProcessId());
    }
    ~HandleKinds() {
        CloseHandle(event_);
        CloseHandle(thread_);
    }
    HandleKinds(const HandleKinds&) = delete;
    HandleKinds& operator=(const HandleKinds&) = delete;

    // The sound driver's threads of the last cycle hold their stacks until they end, so the
    // private bytes are read once they have. A pool thread idles for longer than that wait; the
    // stacks are counted with the bytes for the judge.
    Figures Measure() const {
        const DWORD self = GetCurrentProcessId();
        for (DWORD waited = 0; waited < kThreadsEndMs && LiveThreadCount(self) > ownThreads_;
             waited += kPollMs)
            PumpMessagesFor(kPollMs);
        const PrivateMemory memory = CommittedPrivateMemory();
        Figures figures = {memory.bytes, 0, GdiHandleRoom(), 0, 0, memory.stacks};
        EnumThreadWindows(GetCurrentThreadId(), CountWindow,
                          reinterpret_cast<LPARAM>(&figures.windows));
        figures.handles = KernelHandleCount(self, {thread_, event_});
        figures.driverHandles = KernelHandleCount(self) - figures.handles;
        return figures;
    }

private:
    HANDLE thread_;
    HANDLE event_;
    int ownThreads_;
};

void PrintFigures(int cycle, const Figures& figures) {
    std::printf("%8d %12llu %8d %8d %9d", cycle,
                static_cast<unsigned long long>(figures.privateBytes / 1024), figures.stacks,
                figures.windows, figures.gdiRoom);
    if (figures.handles < 0)
        std::printf("   the system does not say\n");
    else
        std::printf(" %8d %9d\n", figures.handles, figures.driverHandles);
}

// Whether grown, less what the system kept of the same calls, stays within 1 % of base; a
// count of a few allows no growth at all.
bool Flat(const char* what, long long base, long long grown, long long kept = 0) {
    const long long own = grown - std::max(0LL, kept);
    const bool flat = own <= 0 || own * 100 < base;
    if (!flat)
        std::printf("  %s grew by %lld from %lld, the bare calls' by %lld\n", what, grown, base,
                    kept);
    return flat;
}

struct Run {
    Figures warm, end;
    std::vector<MemorySample> privateBytes; // a sample at every tenth from the warm-up's end
};

// The warm-up is the first tenth: what the system caches on first use is made by then.
Run Repeat(const char* title, void (*cycle)(HWND, const SoakMedia&), int cycles, HWND host,
           const SoakMedia& media, const HandleKinds& kinds) {
    std::printf("%s, %d cycles\n%8s %12s %8s %8s %9s %8s %9s\n", title, cycles, "cycle",
                "private KB", "stacks", "windows", "GDI room", "handles", "(driver)");
    const int step = std::max(1, cycles / kSteps);
    Run run = {};
    for (int done = 1; done <= cycles; ++done) {
        cycle(host, media);
        if (done % step != 0 && done != cycles)
            continue;
        run.end = kinds.Measure();
        if (done == step)
            run.warm = run.end;
        run.privateBytes.push_back(
            {done, static_cast<long long>(run.end.privateBytes), run.end.stacks});
        PrintFigures(done, run.end);
    }
    return run;
}

// The library's figures against the growth of its bare twin's.
bool Soak(const SoakCycle& cycle, int cycles, HWND host, const SoakMedia& media,
          const HandleKinds& kinds) {
    const std::string bareTitle = std::string(cycle.name) + ", the bare calls";
    const Run bare = Repeat(bareTitle.c_str(), cycle.bare, cycles, host, media, kinds);
    const Run run = Repeat(cycle.name, cycle.run, cycles, host, media, kinds);
    const auto grown = [](const Run& r, auto field) {
        return static_cast<long long>(r.end.*field) - static_cast<long long>(r.warm.*field);
    };
    bool flat = Flat("private bytes", static_cast<long long>(run.warm.privateBytes),
                     SteadyGrowth(run.privateBytes), SteadyGrowth(bare.privateBytes));
    flat = Flat("windows", run.warm.windows, grown(run, &Figures::windows)) && flat;
    flat =
        Flat("GDI objects", kGdiTable - run.warm.gdiRoom, -grown(run, &Figures::gdiRoom)) && flat;
    if (run.end.handles >= 0) {
        flat = Flat("kernel handles", run.warm.handles, grown(run, &Figures::handles)) && flat;
        // How many threads a device starts depends on how long it plays, so these are shown
        // beside the bare calls' rather than judged.
        std::printf("  the sound driver's threads and events: %lld more, the bare calls' %lld\n",
                    grown(run, &Figures::driverHandles), grown(bare, &Figures::driverHandles));
    }
    std::printf("  %s\n\n", flat ? "flat" : "NOT FLAT");
    return flat;
}

std::string MediaPath(const char* file) {
    char module[MAX_PATH + 1]; // the executable's path and its terminator
    const std::string path(module, GetModuleFileNameA(nullptr, module, sizeof module));
    return path.substr(0, path.find_last_of("\\/") + 1) + "media\\" + file;
}

} // namespace

int main(int argc, char** argv) {
    int cycles = kDefaultCycles;
    if (argc == 3 && !std::strcmp(argv[1], "--cycles"))
        cycles = std::atoi(argv[2]);
    if ((argc != 1 && argc != 3) || cycles < 1) {
        std::fprintf(stderr, "usage: QernoSoak.exe [--cycles N]\n");
        return 2;
    }
    HWND host = CreateWindowA("STATIC", "Qerno soak", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240, nullptr,
                              nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!host || !InitQernoDll(host, LoadLibraryA("QernoRes.dll"))) {
        std::fprintf(stderr, "QernoSoak: the library did not start\n");
        return 2;
    }
    const SoakMedia media = {MediaPath(testmedia::kWaves[2].file),
                             MediaPath(testmedia::kVideos[0].file)};
    // What the system sets up on first use of its devices would otherwise fall into the first
    // run's growth.
    for (const SoakCycle& cycle : kSoakCycles)
        for (int i = 0; i < kFirstUseCycles; ++i)
            cycle.bare(host, media), cycle.run(host, media);
    // While no sound device is open, Wine unloads its MCI wave driver, and with it go the stacks
    // of its finished threads, a megabyte each. One device held open for the whole soak keeps
    // that from coming and going between samples.
    mciSendStringA(("open \"" + media.sound + "\" alias held").c_str(), nullptr, 0, nullptr);
    const HandleKinds kinds;
    bool flat = true;
    for (const SoakCycle& cycle : kSoakCycles)
        flat = Soak(cycle, cycles, host, media, kinds) && flat;
    mciSendStringA("close held", nullptr, 0, nullptr);
    DestroyWindow(host);
    return flat ? 0 : 1;
}
