#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "FloatLanes.h"
#include "Vec2.h"
#include "WidestLanes.h"

// Splits a control polygon at the parameter one half (de Casteljau with ratio 0.5), again on
// each half, to a given depth, and hands every polygon of the last level to a sink in order
// along the curve: the left half of each split before its right half. A left half runs from
// the polygon's first point to the split point, a right half from its last point back to it.
class Subdivider {
public:
    using Sink = std::function<void(const Vec2* polygon, std::size_t count)>;

    Subdivider(std::size_t count, std::int32_t depth);
    void run(const Vec2* polygon, const Sink& sink);

private:
    // Up to FLOAT_LANES polygons of one level side by side, one per lane, in order along the
    // curve: x and y each a row of `count` lane groups.
    using Row = std::vector<FloatLanes>;
    struct Group {
        Row xs, ys;
    };

    // The first `polygons` lanes of the group hold polygons of the level: from level 3 on all
    // eight; above it the other lanes carry copies along, which are not handed on.
    void subdivide(const Group& group, std::size_t polygons, std::int32_t level, const Sink& sink);
    // Splits every polygon of the group; the halves of lanes 0-3 go to `first`, those of lanes
    // 4-7 to `second`, a polygon's left half in lane 2i and its right half in lane 2i + 1.
    void split(const Group& group, Group& first, Group& second);
    WIDEST_LANES void splitRow(const Row& row, Row& first, Row& second);
    void emit(const Group& group, std::size_t polygons, const Sink& sink);

    std::size_t count;
    std::int32_t depth;
    // Depth first, only one split per level is alive at a time: level l keeps its two groups
    // of halves in children[2l] and children[2l + 1], so a run allocates nothing more.
    std::vector<Group> children;
    Group root;
    Row work, lefts, rights;  // a split's working row, and the points of its halves
    std::vector<Vec2> polygon;  // one polygon of the last level, handed to the sink
};
