#include "ScrollBarGeometry.h"

#include <algorithm>

ScrollBarGeometry::ScrollBarGeometry(std::int32_t length, std::int32_t thickness, std::int32_t minimum,
                                     std::int32_t maximum, std::int32_t position)
    : length_(std::max(length, 0)), minimum_(minimum), maximum_(std::max(minimum, maximum)) {
    const std::int32_t side = std::max(thickness, 0);
    arrow_ = std::min(side, length_ / 2);
    const std::int32_t trough = length_ - 2 * arrow_;
    thumbLength_ = trough >= side && side > 0 ? side : 0;
    const std::int64_t range = static_cast<std::int64_t>(maximum_) - minimum_;
    const std::int64_t offset = std::clamp<std::int64_t>(static_cast<std::int64_t>(position) - minimum_, 0, range);
    // Rounded both ways, so that a dragged thumb lands on a position drawn where it was let go.
    thumbStart_ = arrow_ + (range == 0 ? 0 : static_cast<std::int32_t>((offset * travel() + range / 2) / range));
}

ScrollBarGeometry::Part ScrollBarGeometry::partAt(std::int32_t offset) const {
    if (offset < 0 || offset >= length_) return Part::Outside;
    if (offset < arrow_) return Part::BackArrow;
    if (offset >= length_ - arrow_) return Part::ForwardArrow;
    if (thumbLength_ > 0 && offset >= thumbStart_ && offset < thumbStart_ + thumbLength_) return Part::Thumb;
    return offset < thumbStart_ ? Part::BackTrough : Part::ForwardTrough;
}

std::int32_t ScrollBarGeometry::positionForThumbAt(std::int32_t thumbOffset) const {
    const std::int64_t range = static_cast<std::int64_t>(maximum_) - minimum_;
    if (travel() <= 0 || range == 0) return minimum_;
    const std::int64_t moved = std::clamp<std::int64_t>(static_cast<std::int64_t>(thumbOffset) - arrow_, 0, travel());
    return static_cast<std::int32_t>(minimum_ + (moved * range + travel() / 2) / travel());
}
