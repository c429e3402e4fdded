#pragma once
// Where the parts of a scroll bar lie along its length: an arrow at each end, the trough
// between them and a square thumb in the trough placed by the position within the range.
// Offsets count along the bar from its left (or top) end.
#include <cstdint>

class ScrollBarGeometry {
public:
    enum class Part { Outside, BackArrow, BackTrough, Thumb, ForwardTrough, ForwardArrow };

    ScrollBarGeometry(std::int32_t length, std::int32_t thickness, std::int32_t minimum, std::int32_t maximum,
                      std::int32_t position);

    Part partAt(std::int32_t offset) const;
    // The position whose thumb starts at thumbOffset, within the range.
    std::int32_t positionForThumbAt(std::int32_t thumbOffset) const;

    std::int32_t length() const { return length_; }
    std::int32_t arrowLength() const { return arrow_; }
    std::int32_t thumbStart() const { return thumbStart_; }
    // 0 when the trough is too short to hold a thumb.
    std::int32_t thumbLength() const { return thumbLength_; }

private:
    std::int32_t travel() const { return length_ - 2 * arrow_ - thumbLength_; }

    std::int32_t length_, arrow_, thumbLength_, thumbStart_;
    std::int32_t minimum_, maximum_;
};
