#include "soak/MemoryGrowth.h"

#include <algorithm>
#include <cmath>

long long SteadyGrowth(const std::vector<MemorySample>& samples) {
    std::vector<double> slopes; // per cycle, one for every two samples alike
    for (auto from = samples.begin(); from != samples.end(); ++from)
        for (auto to = from + 1; to != samples.end(); ++to)
            if (to->stacks == from->stacks && to->cycle != from->cycle)
                slopes.push_back(static_cast<double>(to->bytes - from->bytes) /
                                 (to->cycle - from->cycle));
    if (slopes.empty())
        return 0;
    const auto middle = slopes.begin() + static_cast<std::ptrdiff_t>(slopes.size() / 2);
    std::nth_element(slopes.begin(), middle, slopes.end());
    return std::llround(*middle * (samples.back().cycle - samples.front().cycle));
}
