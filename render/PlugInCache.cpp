#include "render/PlugInCache.h"
#include "render/DibLayout.h"

#include <algorithm>

FillSize ScreenMinimum(const RECT& logical, long xRate, long yRate) {
    const long long width = static_cast<long long>(logical.right) - logical.left;
    const long long height = static_cast<long long>(logical.bottom) - logical.top;
    // A span of 33 bits over a rate of 1 needs clamping; its fill is refused for its size anyway.
    const auto clamp = [](long long value) {
        return static_cast<LONG>(std::clamp<long long>(value, -0x7FFFFFFF, 0x7FFFFFFF));
    };
    return {clamp(width / std::max(xRate, 1L)), clamp(height / std::max(yRate, 1L))};
}

bool SizePlugInFill(const RECT& device, FillSize minimum, PlugInFill* fill) {
    const long long width = static_cast<long long>(device.right) - device.left;
    const long long height = static_cast<long long>(device.bottom) - device.top;
    if (width <= 0 || height <= 0)
        return false;
    const long long bitmapWidth = std::max<long long>(width, minimum.width);
    const long long bitmapHeight = std::max<long long>(height, minimum.height);
    // Sides checked first so that the product cannot wrap; past it both fit a LONG.
    if (bitmapWidth > 0x7FFFFFFF || bitmapHeight > 0x7FFFFFFF)
        return false;
    if (kInfoHeaderSize + DibRowBytes(static_cast<std::uint64_t>(bitmapWidth), 24) *
                              static_cast<std::uint64_t>(bitmapHeight) >
        kMaxDibBlockBytes)
        return false;
    fill->device = {static_cast<LONG>(width), static_cast<LONG>(height)};
    fill->bitmap = {static_cast<LONG>(bitmapWidth), static_cast<LONG>(bitmapHeight)};
    return true;
}

bool CacheServes(CacheRule rule, FillSize cached, FillSize wanted) {
    if (rule == CacheRule::kExactly)
        return cached.width == wanted.width && cached.height == wanted.height;
    return cached.width >= wanted.width && cached.height >= wanted.height;
}
