// How much a figure sampled at even steps of a run grew, for the soak's judgement. Portable, so
// that it is tested natively.
#pragma once

#include <vector>

// The growth from the first sample to the last along the samples' steady slope: the median of
// the slopes between every two samples. Wine's private bytes hold a buffer of the system's own,
// about 3 MB, in some samples and not in others, and the sound driver keeps what every device
// opened leaves, so the bare calls grow steadily too: a few samples out of line cannot move this
// slope, while a leak, which grows with every cycle, sets it.
long long SteadyGrowth(const std::vector<long long>& samples);
