#pragma once
#include <array>
#include <cstddef>

// Eight floats side by side, which the compiler's vector lanes carry (AVX2 holds all eight), and
// de Casteljau's construction on rows of them. The steps are always inlined, so they are built
// for each processor their caller is built for.
constexpr std::size_t FLOAT_LANES = 8;
using FloatLanes = std::array<float, FLOAT_LANES>;

#define FLOAT_LANES_INLINED __attribute__((always_inline)) inline

// The lerp step of Vec2 in every lane: a + (b - a) t, rounded to float after each operation.
FLOAT_LANES_INLINED FloatLanes lerp(const FloatLanes& a, const FloatLanes& b, const FloatLanes& t) {
    FloatLanes result;
    for (std::size_t lane = 0; lane < FLOAT_LANES; ++lane) result[lane] = a[lane] + (b[lane] - a[lane]) * t[lane];
    return result;
}

// Lane by lane, so that the compiler keeps the source in a vector register; copied whole, it
// went through memory in pieces.
FLOAT_LANES_INLINED void copyLanes(FloatLanes& target, const FloatLanes& source) {
    for (std::size_t lane = 0; lane < FLOAT_LANES; ++lane) target[lane] = source[lane];
}

// Raises the first m values of a row LEVELS levels of the construction in one pass: each value
// climbs the levels in registers and only the top one is stored, m - LEVELS values in all.
// carried[l] is the last value of level l met. Unless both are null, firsts[l - 1] and
// lasts[l - 1] get the first and last value of each level l = 1 .. LEVELS above the row.
template <std::size_t LEVELS>
FLOAT_LANES_INLINED void raise(FloatLanes* row, std::size_t m, const FloatLanes& t, FloatLanes* firsts,
                               FloatLanes* lasts) {
    FloatLanes carried[LEVELS];
    for (std::size_t j = 0; j < LEVELS; ++j) {
        FloatLanes value = row[j];
        for (std::size_t l = 0; l < j; ++l) {
            const FloatLanes up = lerp(carried[l], value, t);
            carried[l] = value;
            value = up;
        }
        carried[j] = value;
        if (firsts != nullptr && j > 0) copyLanes(firsts[j - 1], value);  // the first value of level j
    }
    for (std::size_t j = LEVELS; j < m; ++j) {
        FloatLanes value = row[j];
        for (std::size_t l = 0; l < LEVELS; ++l) {
            const FloatLanes up = lerp(carried[l], value, t);
            carried[l] = value;
            value = up;
        }
        row[j - LEVELS] = value;
    }
    if (firsts == nullptr) return;
    firsts[LEVELS - 1] = row[0];
    for (std::size_t l = 1; l < LEVELS; ++l) copyLanes(lasts[l - 1], carried[l]);
    lasts[LEVELS - 1] = row[m - 1 - LEVELS];
}

// The construction on a row of m values down to one, left in row[0]. Unless both are null,
// firsts[l - 1] and lasts[l - 1] get the first and last value of every level l = 1 .. m - 1. Several
// levels a pass (four unless the caller measured better): a value is loaded and stored once per
// LEVELS_PER_PASS lerp steps, not once per step. The values are the same for any number.
template <std::size_t LEVELS_PER_PASS = 4>
FLOAT_LANES_INLINED void construct(FloatLanes* row, std::size_t m, const FloatLanes& t, FloatLanes* firsts = nullptr,
                                   FloatLanes* lasts = nullptr) {
    std::size_t below = 0;  // the level of the row's values
    const auto at = [&below](FloatLanes* edges) { return edges == nullptr ? nullptr : edges + below; };
    for (; m > LEVELS_PER_PASS; m -= LEVELS_PER_PASS, below += LEVELS_PER_PASS)
        raise<LEVELS_PER_PASS>(row, m, t, at(firsts), at(lasts));
    for (; m > 1; --m, ++below) raise<1>(row, m, t, at(firsts), at(lasts));
}
