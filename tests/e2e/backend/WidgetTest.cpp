// The toolkit widgets under the program's controls, fed events as FLTK's dispatch feeds them.
#include <gtest/gtest.h>

#include <FL/Fl.H>

#include "FltkButton.h"
#include "FltkCheckBox.h"
#include "FltkEdit.h"
#include "FltkScrollBar.h"

namespace {
// A mouse event handed straight to the widget, as the toolkit's dispatch would hand it.
void sendMouse(Fl_Widget& widget, int event, int x, int y, int button = FL_LEFT_MOUSE) {
    Fl::e_x = Fl::e_x_root = x;
    Fl::e_y = Fl::e_y_root = y;
    Fl::e_keysym = FL_Button + button;
    Fl::e_number = event;
    widget.handle(event);
}
void click(Fl_Widget& widget, int x, int y, int button) {
    sendMouse(widget, FL_PUSH, x, y, button);
    sendMouse(widget, FL_RELEASE, x, y, button);
}

using Reports = std::vector<std::pair<std::uint32_t, std::uint32_t>>;

// A 300 x 17 bar at (10, 80) over 0..1000 at 500: thumb at 152..168, arrows at 10..26 and 293..309.
class ScrollBarTest : public ::testing::Test {
protected:
    ScrollBarTest() {
        bar.resize(10, 80, 300, 17);
        bar.setRange(0, 1000);
        bar.setPosition(500);
    }
    Reports reports;  // request codes and thumb positions, in order
    FltkScrollBar bar{false, [this](WPARAM w) { reports.emplace_back(lowWord(w), highWord(w)); }};
    const int y = 88;
};
}  // namespace

TEST_F(ScrollBarTest, ArrowAndTroughClicksRequestStepsWithTheLeftButtonOnly) {
    for (const auto& [x, code] : {std::pair{15, SB_LINELEFT}, {300, SB_LINERIGHT}, {100, SB_PAGELEFT}, {250, SB_PAGERIGHT}}) {
        for (const int button : {FL_RIGHT_MOUSE, FL_MIDDLE_MOUSE, FL_LEFT_MOUSE}) click(bar, x, y, button);
        EXPECT_EQ(reports, (Reports{{code, 0}, {SB_ENDSCROLL, 0}})) << "click at x " << x;
        EXPECT_EQ(bar.value(), 500) << "the bar moved by itself";
        reports.clear();
    }
}

TEST_F(ScrollBarTest, ThumbDragTracksNewPositionsThenReportsTheLastOne) {
    sendMouse(bar, FL_PUSH, 160, y);
    for (const int x : {161, 900, 950}) sendMouse(bar, FL_DRAG, x, y);  // 950: still the end, not reported again
    sendMouse(bar, FL_RELEASE, 950, y);
    ASSERT_EQ(reports.size(), 4u);
    EXPECT_EQ(reports[0].first, SB_THUMBTRACK);
    EXPECT_GT(reports[0].second, 500u);
    EXPECT_EQ(Reports(reports.begin() + 1, reports.end()),
              (Reports{{SB_THUMBTRACK, 1000}, {SB_THUMBPOSITION, 1000}, {SB_ENDSCROLL, 0}}));
    EXPECT_EQ(bar.value(), 500);
}

// As on Windows: only a left click let go on the widget reports, and a box's mark is the program's.
TEST(FltkButtons, OnlyALeftClickLetGoOnTheWidgetReports) {
    int clicks = 0;
    const Notify count = [&](WPARAM w) {
        EXPECT_EQ(w, makeWParam(0, BN_CLICKED));
        ++clicks;
    };
    FltkButton button("Clear", count);
    FltkCheckBox box("Draw Shells", count);
    box.value(1);
    for (Fl_Widget* widget : {static_cast<Fl_Widget*>(&button), static_cast<Fl_Widget*>(&box)}) {
        widget->resize(10, 40, 120, 20);
        for (int mouse : {FL_RIGHT_MOUSE, FL_MIDDLE_MOUSE, FL_LEFT_MOUSE}) click(*widget, 20, 50, mouse);
        EXPECT_EQ(box.value(), 1) << "the box toggled its own mark";
        for (const int event : {FL_PUSH, FL_DRAG, FL_RELEASE}) sendMouse(*widget, event, event == FL_PUSH ? 20 : 300, 50);
    }
    EXPECT_EQ(clicks, 2);
}

TEST(FltkEdit, OnlyUserEditsSetTheModifiedFlag) {
    FltkEdit edit;
    edit.value("0 1 2");
    EXPECT_FALSE(edit.modified);
    edit.replace(edit.size(), edit.size(), "3", 1);  // what typing does
    EXPECT_TRUE(edit.modified);
}
