#include "Subdivider.h"

#include <algorithm>

namespace {

// Levels of a split raised in one pass. In wasm, eight halve the split's time against four
// (measured under node); on x86-64 four are quicker, and so they are for NLI's lanes everywhere.
#if defined(__wasm_simd128__)
constexpr std::size_t SPLIT_LEVELS_PER_PASS = 8;
#else
constexpr std::size_t SPLIT_LEVELS_PER_PASS = 4;
#endif

FloatLanes broadcast(float value) {
    FloatLanes lanes;
    lanes.fill(value);
    return lanes;
}

}  // namespace

// A depth below 0 draws like depth 0.
Subdivider::Subdivider(std::size_t pointCount, std::int32_t levels)
    : count(pointCount), depth(std::max(levels, 0)), children(2 * static_cast<std::size_t>(depth)),
      work(count), lefts(count), rights(count), polygon(count) {
    root.xs.resize(count);
    root.ys.resize(count);
    for (Group& group : children) group = root;
}

void Subdivider::run(const Vec2* points, const Sink& sink) {
    if (count == 0) return;
    for (std::size_t j = 0; j < count; ++j) {
        root.xs[j] = broadcast(points[j].x);
        root.ys[j] = broadcast(points[j].y);
    }
    subdivide(root, 1, 0, sink);
}

// Each group splits into twice as many polygons, two groups once its lanes are full.
void Subdivider::subdivide(const Group& group, std::size_t polygons, std::int32_t level, const Sink& sink) {
    if (level == depth) {
        emit(group, polygons, sink);
        return;
    }
    Group& first = children[2 * static_cast<std::size_t>(level)];
    Group& second = children[2 * static_cast<std::size_t>(level) + 1];
    split(group, first, second);
    const std::size_t halves = 2 * polygons;
    subdivide(first, std::min(halves, FLOAT_LANES), level + 1, sink);
    if (halves > FLOAT_LANES) subdivide(second, halves - FLOAT_LANES, level + 1, sink);
}

void Subdivider::split(const Group& group, Group& first, Group& second) {
    splitRow(group.xs, first.xs, second.xs);
    splitRow(group.ys, first.ys, second.ys);
}

WIDEST_LANES void Subdivider::splitRow(const Row& row, Row& first, Row& second) {
    std::copy(row.begin(), row.end(), work.begin());
    lefts[0] = work[0];
    rights[0] = work[count - 1];
    construct<SPLIT_LEVELS_PER_PASS>(work.data(), count, broadcast(0.5f), &lefts[1], &rights[1]);
    constexpr std::size_t HALF_LANES = FLOAT_LANES / 2;
    for (std::size_t p = 0; p < count; ++p)
        for (std::size_t i = 0; i < FLOAT_LANES; ++i) {
            FloatLanes& target = (i < HALF_LANES ? first : second)[p];
            target[2 * (i % HALF_LANES)] = lefts[p][i];
            target[2 * (i % HALF_LANES) + 1] = rights[p][i];
        }
}

void Subdivider::emit(const Group& group, std::size_t polygons, const Sink& sink) {
    for (std::size_t lane = 0; lane < polygons; ++lane) {
        for (std::size_t j = 0; j < count; ++j) polygon[j] = {group.xs[j][lane], group.ys[j][lane]};
        sink(polygon.data(), count);
    }
}
