// The layout rules of the generic pages, case by case.

#include "PageLayout.h"

#include <gtest/gtest.h>

namespace qs {
namespace {

TEST(ColumnTops, HiddenEntriesTakeNoRoomAndKeepTheRunningTop) {
    // counter 17, label 13 hidden, Refresh 25, Edit 25 hidden, Close 25
    const std::vector<int> tops = ColumnTops({{true, 17}, {false, 13}, {true, 25}, {false, 25}, {true, 25}});
    EXPECT_EQ(tops, (std::vector<int>{10, 32, 32, 62, 62}));
}

TEST(FrameSize, ContentBesideTheColumnAboveTheStatusLine) {
    struct Case {
        QSize content;
        int columnHeight;
        int status;
        QSize frame;
    };
    const Case cases[] = {
        {{200, 100}, 90, 20, {322, 120}},  // content taller than the column
        {{200, 100}, 250, 20, {322, 270}}, // column taller: its height plus the status line
        {{200, 100}, 250, 0, {322, 250}},  // a frame that shares another page's status line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FrameSize(c.content, kColumnWidth, c.columnHeight, c.status), c.frame);
    }
}

TEST(AttachedClientSize, ClampsToTheWindowLimits) {
    struct Case {
        QSize client;
        QSize frame;
        QSize result;
    };
    const Case cases[] = {
        {{143, 66}, {322, 270}, {350, 270}},  // narrow frame widened to 350
        {{143, 66}, {1000, 300}, {800, 300}}, // wide frame cut to 800
        {{143, 66}, {400, 700}, {400, 550}},  // tall frame cut to 550
        {{500, 400}, {360, 200}, {500, 400}}, // only ever enlarges a form within the limits
    };
    for (const Case& c : cases) {
        EXPECT_EQ(AttachedClientSize(c.client, c.frame), c.result);
    }
}

TEST(LayoutRows, FirstPlacedRowAtTwentyThenOwnHeightPlusFive) {
    // row 0 hidden; row 1 first placed; row 2 of height 14 raised to 21; row 3 exactly 20, kept
    const std::vector<RowPlace> p = LayoutRows({{false, 21, 17, 13},
                                                {true, 21, 17, 13},
                                                {true, 14, 17, 13},
                                                {true, 20, 17, 13},
                                                {true, 30, 17, 13}});
    EXPECT_EQ(p[1].valueTop, 20);
    EXPECT_EQ(p[2].valueTop, 46);
    EXPECT_EQ(p[2].valueHeight, 21);
    EXPECT_EQ(p[3].valueTop, 71);
    EXPECT_EQ(p[3].valueHeight, 20);
    EXPECT_EQ(p[4].valueTop, 106);
    EXPECT_EQ(p[1].boxTop, 22);   // 20 + (21 - 17) / 2
    EXPECT_EQ(p[1].labelTop, 24); // 20 + (21 - 13) / 2
    EXPECT_EQ(p[3].boxTop, 72);   // halves truncated
}

TEST(LayoutRows, UsualRowsAreTwentySixApart) {
    const std::vector<RowPlace> p = LayoutRows({{true, 21, 17, 13}, {true, 21, 17, 13}, {true, 21, 17, 13}});
    EXPECT_EQ(p[0].valueTop, 20);
    EXPECT_EQ(p[1].valueTop, 46);
    EXPECT_EQ(p[2].valueTop, 72);
}

TEST(ValueLeft, LabelColumnThenTheWidestLabel) {
    EXPECT_EQ(ValueLeft(20, 100), 150);
}

TEST(ListPanelWidth, EightPixelsACharacterAtMost450) {
    EXPECT_EQ(ListPanelWidth({"Index", "Name"}), 72);
    EXPECT_EQ(ListPanelWidth({"VLAN ID", "VLAN Name", "Egress Ports", "Untagged Ports", "Row Status"}), 416);
    EXPECT_EQ(ListPanelWidth({"VLAN ID", "VLAN Name", "Egress Ports", "Forbidden Ports", "Untagged Ports",
                              "Row Status"}),
              450);
}

TEST(PortCells, TwentyEightPortsInTwelveColumns) {
    const int box = 17;
    const int label = 13;
    EXPECT_EQ(PortCellAt(0, 12, box, label).labelLeft, 10);
    EXPECT_EQ(PortCellAt(0, 12, box, label).labelTop, 10);
    EXPECT_EQ(PortCellAt(0, 12, box, label).boxTop, 23);
    EXPECT_EQ(PortCellAt(11, 12, box, label).boxLeft, 230);
    EXPECT_EQ(PortCellAt(12, 12, box, label).labelTop, 40);
    EXPECT_EQ(PortCellAt(27, 12, box, label).labelTop, 70);
    EXPECT_EQ(PortCellAt(27, 12, box, label).boxLeft, 70);
    EXPECT_EQ(PortAreaWidth(28, 12), 260);
    EXPECT_EQ(PortAreaWidth(28, 14), 300);
    EXPECT_EQ(PortAreaWidth(5, 12), 120); // one short row: the last box's right edge + 10
}

TEST(Waiting, TimingOfTheCountAndTheBar) {
    struct Case {
        int wait;
        int maximum;
        int interval;
    };
    const Case cases[] = {{2000, 200, 50}, {1000, 100, 20}, {300, 30, 10}, {1, 0, 10}, {1500, 150, 30}};
    for (const Case& c : cases) {
        EXPECT_EQ(WaitingMaximum(c.wait), c.maximum) << c.wait;
        EXPECT_EQ(WaitingInterval(c.wait), c.interval) << c.wait;
    }
}

TEST(Waiting, BarClampsAtTheMaximumAndStartsAgain) {
    EXPECT_EQ(NextWaitingPosition(0, 200), 20);
    EXPECT_EQ(NextWaitingPosition(180, 200), 0);
    EXPECT_EQ(NextWaitingPosition(140, 150), 0); // 160 is past 150: clamped, then back to 0
    EXPECT_EQ(NextWaitingPosition(120, 150), 140);
}

} // namespace
} // namespace qs
