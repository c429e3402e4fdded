#pragma once
#include <cstdint>

// One optional-length rule of a SizeController. Setting a part adds its bit; nothing clears one.
struct LayoutRule {
    static constexpr std::uint32_t IN_FORCE = 1;
    static constexpr std::uint32_t HAS_OFFSET = 2;
    static constexpr std::uint32_t HAS_FACTOR = 4;

    std::uint32_t flags = 0;
    std::int32_t offset = 0;
    float factor = 0.0f;

    void enable() { flags |= IN_FORCE; }
    void setOffset(std::int32_t value) {
        flags |= HAS_OFFSET;
        offset = value;
    }
    void setFactor(float value) {
        flags |= HAS_FACTOR;
        factor = value;
    }
};
