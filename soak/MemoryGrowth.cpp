#include "soak/MemoryGrowth.h"

#include <algorithm>
#include <cmath>

long long SteadyGrowth(const std::vector<long long>& samples) {
    const std::size_t count = samples.size();
    if (count < 2)
        return 0;
    std::vector<double> slopes; // count * (count - 1) / 2 of them
    slopes.reserve(count * (count - 1) / 2);
    for (std::size_t from = 0; from < count; ++from)
        for (std::size_t to = from + 1; to < count; ++to)
            slopes.push_back(static_cast<double>(samples[to] - samples[from]) /
                             static_cast<double>(to - from));
    const auto middle = slopes.begin() + static_cast<std::ptrdiff_t>(slopes.size() / 2);
    std::nth_element(slopes.begin(), middle, slopes.end());
    return std::llround(*middle * static_cast<double>(count - 1));
}
