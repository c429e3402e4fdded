#include <gtest/gtest.h>

#include "ScrollBarGeometry.h"

using Part = ScrollBarGeometry::Part;

// A 300 x 17 bar over 0..1000: arrows of 17, a thumb of 17, 249 pixels of thumb travel, so
// a pixel of travel is about four positions.
ScrollBarGeometry bar(std::int32_t position) { return ScrollBarGeometry(300, 17, 0, 1000, position); }

TEST(ScrollBarGeometry, ThumbFollowsThePositionAcrossTheTrough) {
    struct Case {
        std::int32_t position, thumbStart;
    };
    for (const Case c : {Case{0, 17}, Case{500, 142}, Case{1000, 266}, Case{-50, 17}, Case{5000, 266}}) {
        const ScrollBarGeometry geometry = bar(c.position);
        EXPECT_EQ(geometry.thumbStart(), c.thumbStart) << "position " << c.position;
        EXPECT_EQ(geometry.thumbLength(), 17);
        EXPECT_EQ(geometry.arrowLength(), 17);
    }
}

TEST(ScrollBarGeometry, PartsAlongTheBar) {
    const ScrollBarGeometry geometry = bar(500);  // thumb at 142..158
    struct Case {
        std::int32_t offset;
        Part part;
    };
    for (const Case c : {Case{-1, Part::Outside}, Case{0, Part::BackArrow}, Case{16, Part::BackArrow},
                         Case{17, Part::BackTrough}, Case{141, Part::BackTrough}, Case{142, Part::Thumb},
                         Case{158, Part::Thumb}, Case{159, Part::ForwardTrough}, Case{282, Part::ForwardTrough},
                         Case{283, Part::ForwardArrow}, Case{299, Part::ForwardArrow}, Case{300, Part::Outside}})
        EXPECT_EQ(geometry.partAt(c.offset), c.part) << "offset " << c.offset;
}

TEST(ScrollBarGeometry, DraggedThumbGivesPositionsInsideTheRange) {
    const ScrollBarGeometry geometry = bar(500);
    EXPECT_EQ(geometry.positionForThumbAt(17), 0);
    EXPECT_EQ(geometry.positionForThumbAt(266), 1000);
    EXPECT_EQ(geometry.positionForThumbAt(-400), 0);
    EXPECT_EQ(geometry.positionForThumbAt(4000), 1000);
    // Fewer pixels than positions: the thumb is drawn exactly where it was let go.
    for (std::int32_t offset = 17; offset <= 266; ++offset)
        EXPECT_EQ(bar(geometry.positionForThumbAt(offset)).thumbStart(), offset) << "offset " << offset;
}

TEST(ScrollBarGeometry, SmallRangesAndShortBarsStayConsistent) {
    // A resolution bar over 0..10, more pixels than positions: each position comes back.
    const ScrollBarGeometry resolution(570, 25, 0, 10, 0);
    for (std::int32_t position = 0; position <= 10; ++position) {
        const ScrollBarGeometry at(570, 25, 0, 10, position);
        EXPECT_EQ(resolution.positionForThumbAt(at.thumbStart()), position);
    }
    // An empty range puts the thumb at the start and every drag on the minimum.
    const ScrollBarGeometry empty(200, 20, 7, 7, 7);
    EXPECT_EQ(empty.thumbStart(), 20);
    EXPECT_EQ(empty.positionForThumbAt(150), 7);
    // Too short for a thumb: only the arrows and the trough remain.
    const ScrollBarGeometry shortBar(50, 20, 0, 100, 50);
    EXPECT_EQ(shortBar.thumbLength(), 0);
    EXPECT_EQ(shortBar.partAt(25), Part::ForwardTrough);
    const ScrollBarGeometry tiny(10, 20, 0, 100, 50);
    EXPECT_EQ(tiny.arrowLength(), 5);
    EXPECT_EQ(tiny.partAt(4), Part::BackArrow);
    EXPECT_EQ(tiny.partAt(5), Part::ForwardArrow);
}
