#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "controls/FeatureListPanel.h"
#include "tests/support/TestWindow.h"

namespace {

constexpr int kBarId = 106;
int boxId(int row) { return 1100 + 2 * row; }
int descriptionId(int row) { return 1101 + 2 * row; }

// One step, and the first row in view after it (-1: none). With `hideFirst`
// the rows in view are hidden before the step, so that a step meant to do
// nothing at all cannot pass by drawing the same view again.
enum class Act { To, Down, Up, PageDown, PageUp };
struct Step {
    bool hideFirst;
    Act act;
    short rows;
    int top;
};

class FeatureListPanelTest : public ::testing::Test {
protected:
    std::unique_ptr<FeatureListPanel> filled(short capacity, int rows) {
        auto panel = std::make_unique<FeatureListPanel>(host.handle(), host.instance(), capacity, kBarId);
        for (int row = 0; row < rows; ++row) addRow(*panel, row);
        return panel;
    }
    short addRow(FeatureListPanel& panel, int row) {
        const std::string caption = "機能" + std::to_string(row);
        return panel.addRow(caption.c_str(), boxId(row), "説明", descriptionId(row), false);
    }

    HWND box(int row) const { return GetDlgItem(host.handle(), boxId(row)); }
    HWND description(int row) const { return GetDlgItem(host.handle(), descriptionId(row)); }
    HWND bar() const { return GetDlgItem(host.handle(), kBarId); }
    int barPosition() const { return GetScrollPos(bar(), SB_CTL); }
    int barMaximum() const {
        int minimum = -1, maximum = -1;
        GetScrollRange(bar(), SB_CTL, &minimum, &maximum);
        EXPECT_EQ(0, minimum);
        return maximum;
    }

    // The rows on screen, top to bottom; each must sit in its slot of the view.
    std::vector<int> view(int rows) const {
        std::vector<int> shown;
        for (int row = 0; row < rows; ++row) {
            ChildState boxState = readChild(box(row));
            ChildState descriptionState = readChild(description(row));
            EXPECT_EQ(boxState.visible, descriptionState.visible) << "row " << row;
            if (!boxState.visible) continue;
            const int slot = static_cast<int>(shown.size());
            EXPECT_EQ(24, boxState.rect.left) << "row " << row;
            EXPECT_EQ(84 + 44 * slot, boxState.rect.top) << "row " << row;
            EXPECT_EQ(32, descriptionState.rect.left) << "row " << row;
            EXPECT_EQ(98 + 44 * slot, descriptionState.rect.top) << "row " << row;
            shown.push_back(row);
        }
        return shown;
    }

    void walk(FeatureListPanel& panel, int rowCount, std::initializer_list<Step> steps) {
        int number = 0;
        for (const Step& step : steps) {
            SCOPED_TRACE(::testing::Message() << "step " << ++number);
            if (step.hideFirst) panel.hide();
            switch (step.act) {
            case Act::To: panel.scrollTo(step.rows); break;
            case Act::Down: panel.scrollDown(step.rows); break;
            case Act::Up: panel.scrollUp(step.rows); break;
            case Act::PageDown: panel.pageDown(); break;
            case Act::PageUp: panel.pageUp(); break;
            }
            std::vector<int> expected;
            for (int row = step.top; step.top >= 0 && row < step.top + 4 && row < rowCount; ++row)
                expected.push_back(row);
            EXPECT_EQ(expected, view(rowCount));
            EXPECT_EQ(step.top >= 0 && rowCount > 4, readChild(bar()).visible);
            if (step.top >= 0) EXPECT_EQ(step.top, barPosition());
        }
    }

    TestWindow host;
};

using Rows = std::vector<int>;

TEST_F(FeatureListPanelTest, FillingMakesHiddenRowsAndGrowsTheRangeFromTheFifthRow) {
    FeatureListPanel panel(host.handle(), host.instance(), 8, kBarId);
    const ChildState barState = readChild(bar());
    const RECT& rect = barState.rect;
    EXPECT_EQ((std::vector<LONG>{436, 84, 452, 258}), (std::vector<LONG>{rect.left, rect.top, rect.right, rect.bottom}));
    EXPECT_FALSE(barState.visible);

    EXPECT_EQ(0, panel.addRow("先頭", boxId(0), "一行目", descriptionId(0), true));
    EXPECT_EQ(WS_GROUP, readChild(box(0)).style & WS_GROUP);
    const int expectedMaximum[] = {0, 0, 0, 0, 0, 1, 2, 3, 4};
    for (int row = 1; row < 8; ++row) {
        EXPECT_EQ(row, addRow(panel, row));
        EXPECT_EQ(expectedMaximum[row + 1], barMaximum()) << "after row " << row;
    }
    // Every row waits hidden at the top row's place until scrolled into view,
    // as tests/app/LayoutTest.cpp reads from the wizard's own panel.
    EXPECT_EQ(Rows{}, view(8));
    EXPECT_EQ("説明", readChild(description(3)).text);
    EXPECT_FALSE(readChild(bar()).visible);

    EXPECT_EQ(7, addRow(panel, 8));
    EXPECT_EQ(nullptr, box(8));
    EXPECT_EQ(nullptr, description(8));
    EXPECT_EQ(4, barMaximum());
}

// Twelve rows: the last page starts at row 8.
TEST_F(FeatureListPanelTest, StepsStopAtTheEndsAndStepsPastAnEndDoNothingAtAll) {
    auto panel = filled(12, 12);
    walk(*panel, 12, {
        // Beyond the end, scrollTo shows the last page.
        {false, Act::To, 0, 0}, {false, Act::To, 2, 2}, {false, Act::To, 11, 8},
        // A line step that would pass an end is not taken at all.
        {false, Act::To, 7, 7}, {false, Act::Down, 2, 7}, {false, Act::Down, 1, 8}, {true, Act::Down, 1, -1},
        {false, Act::Up, 2, 6}, {false, Act::To, 1, 1}, {false, Act::Up, 2, 1}, {false, Act::Up, 1, 0},
        {true, Act::Up, 1, -1},
        // A page step stops at the end, and at an end does nothing.
        {false, Act::To, 1, 1}, {false, Act::PageDown, 0, 5}, {false, Act::PageDown, 0, 8},
        {true, Act::PageDown, 0, -1}, {false, Act::PageUp, 0, 4}, {false, Act::To, 3, 3}, {false, Act::PageUp, 0, 0},
        {true, Act::PageUp, 0, -1},
    });
}

TEST_F(FeatureListPanelTest, RowsKeepTheirTicksOutOfViewAndWhenHidden) {
    auto panel = filled(8, 8);
    panel->checkRow(1);
    panel->checkRow(6);
    panel->scrollTo(4);
    EXPECT_FALSE(readChild(box(1)).visible);
    EXPECT_TRUE(panel->isChecked(1));
    SendMessageA(box(5), BM_CLICK, 0, 0);
    EXPECT_TRUE(panel->isChecked(5));

    panel->hide();
    EXPECT_EQ(Rows{}, view(8));
    EXPECT_FALSE(readChild(bar()).visible);
    panel->scrollTo(0);
    EXPECT_EQ((Rows{0, 1, 2, 3}), view(8));
    const bool expected[] = {false, true, false, false, false, true, true, false};
    for (short row = 0; row < 8; ++row) {
        EXPECT_EQ(expected[row], panel->isChecked(row)) << "row " << row;
        EXPECT_EQ(expected[row], SendMessageA(box(row), BM_GETCHECK, 0, 0) == BST_CHECKED) << "row " << row;
    }
}

TEST_F(FeatureListPanelTest, DisableGreysOnlyTheRowsInView) {
    auto panel = filled(8, 8);
    panel->scrollTo(2);
    panel->disable();
    for (int row = 0; row < 8; ++row) {
        const bool inView = row >= 2 && row <= 5;
        EXPECT_EQ(!inView, readChild(box(row)).enabled) << "row " << row;
        EXPECT_EQ(!inView, readChild(description(row)).enabled) << "row " << row;
    }
    EXPECT_TRUE(readChild(bar()).enabled);
}

TEST_F(FeatureListPanelTest, PartlyFilledPanelStopsAtItsLastRow) {
    auto panel = filled(8, 6);
    EXPECT_EQ(2, barMaximum());
    EXPECT_FALSE(panel->isChecked(7));
    walk(*panel, 6,
         {{false, Act::To, 7, 2}, {true, Act::Down, 1, -1}, {false, Act::To, 0, 0}, {false, Act::PageDown, 0, 2}});
}

TEST_F(FeatureListPanelTest, FourRowsOrFewerNeverScroll) {
    auto panel = filled(2, 2);
    EXPECT_EQ(1, addRow(*panel, 2));
    EXPECT_EQ(nullptr, box(2));
    panel->checkRow(2);
    EXPECT_FALSE(panel->isChecked(2));

    walk(*panel, 2, {{false, Act::To, 5, 0}, {false, Act::Down, 1, 0}, {false, Act::PageDown, 0, 0}});
    EXPECT_EQ(0, barMaximum());

    panel->disable();
    EXPECT_FALSE(readChild(box(1)).enabled);
    panel->hide();
    EXPECT_EQ(Rows{}, view(2));
}

}  // namespace
