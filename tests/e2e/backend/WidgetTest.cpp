#include <gtest/gtest.h>

#include <chrono>

#include "FakeEvents.h"
#include "FltkCheckBox.h"
#include "FltkEdit.h"
#include "FltkScrollBar.h"
#include "MainWindow.h"

namespace {
// A 300 x 17 bar at (10, 80) over 0..1000 at 500: thumb at 152..168, arrows at 10..26 and 293..309.
class ScrollBarTest : public ::testing::Test {
protected:
    ScrollBarTest() {
        bar.resize(10, 80, 300, 17);
        bar.setRange(0, 1000);
        bar.setPosition(500);
    }
    // The request codes (and thumb positions) reported, in order.
    std::vector<std::pair<std::uint32_t, std::uint32_t>> reports;
    FltkScrollBar bar{false, [this](WPARAM w) { reports.emplace_back(lowWord(w), highWord(w)); }};
    const int y = 88;
};

using Reports = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// Runs FLTK's timers for the time given.
void waitFor(std::chrono::milliseconds time) {
    const auto end = std::chrono::steady_clock::now() + time;
    while (std::chrono::steady_clock::now() < end) Fl::wait(0.01);
}
}  // namespace

TEST_F(ScrollBarTest, ArrowAndTroughClicksRequestStepsWithoutMovingTheBar) {
    struct Case {
        int x;
        std::uint32_t code;
    };
    for (const Case c : {Case{15, SB_LINELEFT}, Case{300, SB_LINERIGHT}, Case{100, SB_PAGELEFT},
                         Case{250, SB_PAGERIGHT}}) {
        reports.clear();
        sendMouse(bar, FL_PUSH, c.x, y);
        sendMouse(bar, FL_RELEASE, c.x, y);
        EXPECT_EQ(reports, (Reports{{c.code, 0}, {SB_ENDSCROLL, 0}})) << "click at x " << c.x;
        EXPECT_EQ(bar.position(), 500);
    }
}

TEST_F(ScrollBarTest, ThumbDragTracksClampedPositionsThenReportsTheLastOne) {
    sendMouse(bar, FL_PUSH, 160, y);
    sendMouse(bar, FL_DRAG, 160, y + 3);  // not moved along the bar: nothing to report
    sendMouse(bar, FL_DRAG, 161, y);
    sendMouse(bar, FL_DRAG, 260, y);
    sendMouse(bar, FL_DRAG, 900, y);
    sendMouse(bar, FL_DRAG, 950, y);  // still at the end: reported once
    sendMouse(bar, FL_RELEASE, 950, y);
    ASSERT_EQ(reports.size(), 5u);
    EXPECT_EQ(reports[0].first, SB_THUMBTRACK);
    EXPECT_GT(reports[0].second, 500u);
    EXPECT_EQ(reports[1].first, SB_THUMBTRACK);
    EXPECT_GT(reports[1].second, reports[0].second);
    EXPECT_EQ(reports[2], std::make_pair(SB_THUMBTRACK, 1000u));
    EXPECT_EQ(reports[3], std::make_pair(SB_THUMBPOSITION, 1000u));
    EXPECT_EQ(reports[4], std::make_pair(SB_ENDSCROLL, 0u));
    EXPECT_EQ(bar.position(), 500);
}

TEST_F(ScrollBarTest, HeldArrowRepeatsUntilReleased) {
    sendMouse(bar, FL_PUSH, 300, y);
    waitFor(std::chrono::milliseconds(500));
    sendMouse(bar, FL_RELEASE, 300, y);
    const std::size_t count = reports.size();
    ASSERT_GE(count, 3u);
    for (std::size_t i = 0; i + 1 < count; ++i) EXPECT_EQ(reports[i].first, SB_LINERIGHT);
    EXPECT_EQ(reports.back().first, SB_ENDSCROLL);
    waitFor(std::chrono::milliseconds(200));
    EXPECT_EQ(reports.size(), count);  // nothing after the release
}

TEST_F(ScrollBarTest, PositionStaysInsideTheRange) {
    bar.setPosition(-5);
    EXPECT_EQ(bar.position(), 0);
    bar.setPosition(1001);
    EXPECT_EQ(bar.position(), 1000);
    bar.setRange(0, 10);  // a narrower range takes the position along
    EXPECT_EQ(bar.position(), 10);
    bar.setRange(20, 30);
    EXPECT_EQ(bar.position(), 20);
}

TEST_F(ScrollBarTest, LeavesTheWheelAndOtherButtonsAlone) {
    Fl::e_dy = 1;
    EXPECT_EQ(sendEvent(bar, FL_MOUSEWHEEL), 0);
    sendMouse(bar, FL_PUSH, 300, y, FL_RIGHT_MOUSE);
    sendMouse(bar, FL_RELEASE, 300, y, FL_RIGHT_MOUSE);
    EXPECT_TRUE(reports.empty());
}

TEST(FltkCheckBox, ClicksReportButNeverToggleTheMark) {
    int clicks = 0;
    FltkCheckBox box("Draw Shells", [&](WPARAM w) {
        EXPECT_EQ(w, makeWParam(0, BN_CLICKED));
        ++clicks;
    });
    box.resize(10, 40, 120, 20);
    for (int mark : {0, 1}) {
        box.value(mark);
        sendMouse(box, FL_PUSH, 20, 50);
        sendMouse(box, FL_RELEASE, 20, 50);
        EXPECT_EQ(box.value(), mark);
    }
    EXPECT_EQ(clicks, 2);
    sendMouse(box, FL_PUSH, 20, 50);
    sendMouse(box, FL_RELEASE, 300, 50);  // let go elsewhere: no click
    EXPECT_EQ(clicks, 2);
    Fl::focus(&box);
    sendKey(box, FL_KEYBOARD, ' ');
    EXPECT_EQ(clicks, 3);
    EXPECT_EQ(box.value(), 1);
}

TEST(FltkEdit, OnlyUserEditsSetTheModifiedFlag) {
    FltkEdit edit;
    edit.value("0 1 2");
    EXPECT_FALSE(edit.modified);
    edit.replace(edit.size(), edit.size(), "3", 1);  // what typing does
    EXPECT_TRUE(edit.modified);
    EXPECT_STREQ(edit.value(), "0 1 23");
}

class MainWindowTest : public ::testing::Test {
protected:
    std::vector<Posted> posted;
    MainWindow window{0, 0, 300, 200, "t", [this](std::uint32_t m, WPARAM w, LPARAM l) {
                          posted.push_back({m, w, l});
                          sizeWhenPosted = {window.surface().width(), window.surface().height()};
                      }};
    std::pair<int, int> sizeWhenPosted;
};

TEST_F(MainWindowTest, ResizingResizesTheSurfaceBeforeReportingTheSize) {
    window.resize(40, 50, 320, 240);
    EXPECT_EQ(posted, (std::vector<Posted>{{WM_SIZE, SIZE_RESTORED, makeLParam(320, 240)}}));
    EXPECT_EQ(sizeWhenPosted, std::make_pair(320, 240));
    posted.clear();
    window.resize(60, 70, 320, 240);  // a move alone
    EXPECT_TRUE(posted.empty());
}

TEST_F(MainWindowTest, CloseBoxPostsCloseButEscapeDoesNot) {
    Fl::e_number = FL_SHORTCUT;
    Fl::e_keysym = FL_Escape;
    window.do_callback();
    EXPECT_TRUE(posted.empty());
    Fl::e_number = FL_CLOSE;
    window.do_callback();
    EXPECT_EQ(posted, (std::vector<Posted>{{WM_CLOSE, 0, 0}}));
}

TEST_F(MainWindowTest, PresentingConsumesTheSurfaceDamage) {
    window.surface().fillRect(10, 10, 50, 50, rgb(1, 2, 3));
    EXPECT_FALSE(window.surface().damage().empty());
    window.presentDamage();
    EXPECT_TRUE(window.surface().damage().empty());
}
