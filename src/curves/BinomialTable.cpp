#include "BinomialTable.h"

#include <algorithm>
#include <cmath>

BinomialTable::BinomialTable() { extendTo(BUILT_ROWS - 1); }

double BinomialTable::coef(std::int32_t k, std::int32_t i) {
    if (i >= k || i == 0) return 1.0;
    extendTo(k);
    return rows[static_cast<std::size_t>(k)][static_cast<std::size_t>(i)];
}

bool BinomialTable::overflows(std::int32_t k) {
    // A row's middle entry is its largest, and every row after an overflowing one overflows.
    const auto middleIsInfinite = [](const std::vector<double>& row) { return std::isinf(row[row.size() / 2]); };
    while (static_cast<std::int32_t>(rows.size()) <= k && !middleIsInfinite(rows.back()))
        extendTo(static_cast<std::int32_t>(rows.size()));
    return middleIsInfinite(rows[std::min(static_cast<std::size_t>(k), rows.size() - 1)]);
}

void BinomialTable::extendTo(std::int32_t k) {
    for (auto next = static_cast<std::int32_t>(rows.size()); next <= k; ++next) {
        std::vector<double> row(static_cast<std::size_t>(next) + 1, 1.0);
        const std::vector<double>* above = next > 0 ? &rows.back() : nullptr;
        for (std::int32_t j = 1; j < next; ++j)
            row[static_cast<std::size_t>(j)] = (*above)[static_cast<std::size_t>(j - 1)] + (*above)[static_cast<std::size_t>(j)];
        rows.push_back(std::move(row));
    }
}
