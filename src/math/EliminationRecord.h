#pragma once
#include <cstdint>
#include <vector>

#include "GrowArray.h"

// What one Gauss-Jordan solve did to its right-hand sides, stage by stage: the downward pass's
// row exchanges and multipliers, the upward pass's multipliers, the divisors, and the rows each
// pass passed over. The spline matrix depends only on its size, so replaying the record on new
// right-hand sides repeats the solve's arithmetic on them exactly, in O(n^2) instead of O(n^3).
class EliminationRecord {
public:
    // Forgets the last solve; every row counts as passed over until its stage is recorded.
    void start(std::int32_t n);
    std::int32_t size() const { return n; }

    void useDownwardPivot(std::int32_t row, std::int32_t exchangedWith) { partner[index(row)] = exchangedWith; }
    void useUpwardPivot(std::int32_t row) { upwardUsed[index(row)] = 1; }
    // The multiple of row `pivot` subtracted from row `target`.
    double& multiplier(std::int32_t pivot, std::int32_t target) { return factors[index(pivot) * index(n) + index(target)]; }
    // Zero for a row whose coefficients are set to zero instead.
    void setDivisor(std::int32_t row, double divisor) { divisors[index(row)] = divisor; }

    // One stage on the two right-hand sides, or all of them in the solve's order.
    void replayDownward(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const;
    void replayUpward(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const;
    void replayDivision(std::int32_t row, GrowArray<double>& x, GrowArray<double>& y) const;
    void replay(GrowArray<double>& x, GrowArray<double>& y) const;

private:
    static std::size_t index(std::int32_t i) { return static_cast<std::size_t>(i); }
    double factor(std::int32_t pivot, std::int32_t target) const { return factors[index(pivot) * index(n) + index(target)]; }

    static constexpr std::int32_t PASSED_OVER = -1;

    std::int32_t n = 0;
    std::vector<std::int32_t> partner;  // the row exchanged with, itself, or PASSED_OVER
    std::vector<char> upwardUsed;
    std::vector<double> factors;  // n x n: below the diagonal downward, above it upward
    std::vector<double> divisors;
};
