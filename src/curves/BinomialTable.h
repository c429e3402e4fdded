#pragma once
#include <cstdint>
#include <vector>

// Pascal's triangle in 64-bit floats: rows 0 to 149 built at once, later rows added by
// Pascal's rule from row 149 when first asked for and kept, so a high degree costs one row
// of additions instead of an exponential recursion.
class BinomialTable {
public:
    static constexpr std::int32_t BUILT_ROWS = 150;

    BinomialTable();

    // k choose i, for 0 <= i <= k.
    double coef(std::int32_t k, std::int32_t i);
    // Whether row k holds an infinite coefficient (from row 1030 on, where Pascal's rule passes
    // the largest double). Rows are built no further than the first such row.
    bool overflows(std::int32_t k);

private:
    void extendTo(std::int32_t k);

    std::vector<std::vector<double>> rows;
};
