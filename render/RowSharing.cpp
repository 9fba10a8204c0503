#include "render/RowSharing.h"

#include <algorithm>

namespace {

constexpr LONGLONG kSharedPixels = 1 << 18; // a pool thread's wake costs about this many stores
// Short chunks: a pool thread taken off its core in the middle of one is waited for.
constexpr LONG kChunks = 128;
// A pool thread that has helped waits this long for the next job: a repaint's fills come within
// milliseconds of each other, and an idle core takes longer than a fill to wake.
constexpr LONGLONG kLingerMicroseconds = 3000;

// The one shared job: the caller posts it, a pool thread may take it while it is posted, and the
// caller closes it before it returns, waiting only for a chunk the pool thread holds.
enum JobState : LONG { kClosed, kPosted, kHelped };

// Each on a cache line of its own: the pool thread watches the state while the caller takes rows.
struct alignas(64) SharedJob {
    RowsTask task;
    void* context;
    LONG first;
    LONG end;
    LONG chunkRows;
    LONG chunks;
    LONG nextChunk; // taken with interlocked increments
};

SRWLOCK jobLock = SRWLOCK_INIT; // one job at a time; other callers work alone
SharedJob job;
alignas(64) volatile LONG jobState = kClosed;
alignas(64) volatile LONG helperWaits = 0; // a pool thread is about and takes the next job posted

void RunChunks() {
    for (;;) {
        const LONG chunk = InterlockedIncrement(&job.nextChunk) - 1;
        if (chunk >= job.chunks)
            return;
        const LONG from = job.first + chunk * job.chunkRows;
        job.task(job.context, from, std::min(from + job.chunkRows, job.end));
    }
}

// The posted call holds a reference to this module, given back when the call returns: a call
// that comes after the caller closed its job still runs this code.
void CALLBACK HelpWithJob(PTP_CALLBACK_INSTANCE instance, void* module) {
    FreeLibraryWhenCallbackReturns(instance, static_cast<HMODULE>(module));
    if (InterlockedCompareExchange(&helperWaits, 1, 0) != 0)
        return;
    LARGE_INTEGER frequency, now, helped;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&helped);
    const LONGLONG linger = frequency.QuadPart * kLingerMicroseconds / 1000000;
    for (LONG spins = 0;; ++spins) {
        // Read before it is taken: a write on every turn would pull the line from the caller.
        if (jobState == kPosted &&
            InterlockedCompareExchange(&jobState, kHelped, kPosted) == kPosted) {
            RunChunks();
            InterlockedExchange(&jobState, kClosed);
            QueryPerformanceCounter(&helped);
        } else if (spins % 64 == 0) {
            // A thread waiting for this core, the caller's perhaps, gets it.
            SwitchToThread();
            if (QueryPerformanceCounter(&now) && now.QuadPart - helped.QuadPart > linger)
                break;
        }
        YieldProcessor();
    }
    InterlockedExchange(&helperWaits, 0);
}

// The pool thread holds at most one chunk once the job is closed to it; it may be waiting for
// this very core, which spinning would only keep from it.
void WaitForHelper() {
    for (int spins = 0; jobState != kClosed; ++spins)
        if (spins < 256)
            YieldProcessor();
        else
            SwitchToThread();
}

// A job no pool thread takes is closed by its caller like any other.
void PostHelp() {
    HMODULE module = nullptr;
    if (GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                           reinterpret_cast<LPCSTR>(&HelpWithJob), &module) &&
        !TrySubmitThreadpoolCallback(HelpWithJob, module, nullptr))
        FreeLibrary(module);
}

} // namespace

void ShareRows(LONG first, LONG end, LONG pixelsPerRow, RowsTask task, void* context) {
    const LONG rows = end - first;
    if (rows < 2 || static_cast<LONGLONG>(rows) * pixelsPerRow < kSharedPixels ||
        !TryAcquireSRWLockExclusive(&jobLock)) {
        task(context, first, end);
        return;
    }
    const LONG chunkRows = (rows + kChunks - 1) / kChunks;
    job = {task, context, first, end, chunkRows, (rows + chunkRows - 1) / chunkRows, 0};
    InterlockedExchange(&jobState, kPosted);
    if (!helperWaits)
        PostHelp();
    RunChunks();
    if (InterlockedCompareExchange(&jobState, kClosed, kPosted) == kHelped)
        WaitForHelper();
    ReleaseSRWLockExclusive(&jobLock);
}
