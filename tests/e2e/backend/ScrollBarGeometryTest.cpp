#include <gtest/gtest.h>

#include "ScrollBarGeometry.h"

// A 300 x 17 bar over 0..1000: arrows of 17, a thumb of 17, 249 pixels of thumb travel, so
// a pixel of travel is about four positions.
ScrollBarGeometry bar(std::int32_t position) { return ScrollBarGeometry(300, 17, 0, 1000, position); }

TEST(ScrollBarGeometry, ADraggedThumbStaysWhereItWasLetGo) {
    EXPECT_EQ(bar(-50).thumbStart(), 17);
    EXPECT_EQ(bar(5000).thumbStart(), 266);
    const ScrollBarGeometry geometry = bar(500);
    EXPECT_EQ(geometry.positionForThumbAt(-400), 0);
    EXPECT_EQ(geometry.positionForThumbAt(4000), 1000);
    // Fewer pixels than positions: the thumb is drawn exactly where it was let go.
    for (std::int32_t offset = 17; offset <= 266; ++offset)
        EXPECT_EQ(bar(geometry.positionForThumbAt(offset)).thumbStart(), offset) << "offset " << offset;
    // More pixels than positions, as on a resolution bar over 0..10: each position comes back.
    for (std::int32_t position = 0; position <= 10; ++position) {
        const ScrollBarGeometry resolution(570, 25, 0, 10, position);
        EXPECT_EQ(resolution.positionForThumbAt(resolution.thumbStart()), position);
    }
    // An empty range, and a bar squeezed to nothing by a tiny window.
    EXPECT_EQ(ScrollBarGeometry(200, 20, 7, 7, 7).positionForThumbAt(150), 7);
    EXPECT_EQ(ScrollBarGeometry(-190, 25, 0, 10, 5).partAt(0), ScrollBarGeometry::Part::Outside);
}
