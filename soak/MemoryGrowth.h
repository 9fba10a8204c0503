// How much a figure sampled along a run grew, for the soak's judgement. Portable, so that it is
// tested natively.
#pragma once

#include <vector>

struct MemorySample {
    int cycle;
    long long bytes;
    int stacks; // thread stacks among the bytes
};

// The growth from the first sample's cycle to the last's along the samples' steady slope: the
// median of the slopes between every two samples that hold as many thread stacks. A thread of
// the system's pool stays idle for seconds after its work and holds its stack, megabytes, until
// it ends, so a sample is compared only with samples alike. The sound driver keeps what every
// device opened leaves, so the bare calls grow steadily too: a few samples out of line cannot
// move this slope, while a leak, which grows with every cycle, sets it.
long long SteadyGrowth(const std::vector<MemorySample>& samples);
