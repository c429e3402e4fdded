#pragma once
#include <algorithm>
#include <cstdint>

// One axis of a block copy clipped to both surfaces: `length` pixels from `from` in the
// source go to `to` in the target; nothing is copied when length <= 0.
struct BlitRun {
    std::int64_t to, from, length;

    // In 64 bits, so that no int32 position or length can overflow.
    static BlitRun clip(std::int64_t to, std::int64_t from, std::int64_t length, std::int64_t targetSize,
                        std::int64_t sourceSize) {
        const std::int64_t skip = std::max({std::int64_t{0}, -to, -from});
        return {to + skip, from + skip, std::min({length - skip, targetSize - to - skip, sourceSize - from - skip})};
    }
};
