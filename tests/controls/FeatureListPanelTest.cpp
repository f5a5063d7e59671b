// Where the panel's rows stand as it fills and scrolls, read from the windows.
// Which rows take a click, and the ticks kept out of view, are checked against
// a model by the randomized whole-program suite (tests/e2e/RobustnessTest.cpp).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/FeatureListPanel.h"
#include "tests/support/TestWindow.h"

namespace {

constexpr int kBarId = 106;
int boxId(int row) { return 1100 + 2 * row; }

// One step, and the first row in view after it.
enum class Act { To, Down, Up, PageDown, PageUp };
struct Step {
    Act act;
    short rows;
    int top;
};

class FeatureListPanelTest : public ::testing::Test {
protected:
    HWND item(int id) const { return GetDlgItem(host.handle(), id); }
    int barMaximum() const {
        int minimum = -1, maximum = -1;
        GetScrollRange(item(kBarId), SB_CTL, &minimum, &maximum);
        EXPECT_EQ(0, minimum);
        return maximum;
    }
    // The rows on screen, top to bottom; each must sit in its slot of the view.
    std::vector<int> view() const {
        std::vector<int> shown;
        for (int row = 0; row < 8; ++row) {
            const ChildState box = readChild(item(boxId(row))), description = readChild(item(boxId(row) + 1));
            EXPECT_EQ(box.visible, description.visible) << "row " << row;
            if (!box.visible) continue;
            const LONG top = 84 + 44 * static_cast<LONG>(shown.size());
            EXPECT_EQ((std::vector<LONG>{24, top, 32, top + 14}),
                      (std::vector<LONG>{box.rect.left, box.rect.top, description.rect.left, description.rect.top}))
                << "row " << row;
            shown.push_back(row);
        }
        return shown;
    }

    TestWindow host;
};

// Eight rows, as in the wizard: the last page starts at row 4.
TEST_F(FeatureListPanelTest, FillsWithHiddenRowsAndScrollsInStepsThatStopAtTheEnds) {
    FeatureListPanel panel(host.handle(), host.instance(), 8, kBarId);
    const int expectedMaximum[] = {0, 0, 0, 0, 1, 2, 3, 4, 4};  // the ninth row finds no room
    for (int row = 0; row < 9; ++row) {
        const std::string caption = "機能" + std::to_string(row);
        EXPECT_EQ(row < 8 ? row : 7, panel.addRow(caption.c_str(), boxId(row), "説明", boxId(row) + 1, row == 0));
        EXPECT_EQ(expectedMaximum[row], barMaximum()) << "after row " << row;
    }
    EXPECT_EQ(nullptr, item(boxId(8)));
    EXPECT_EQ(WS_GROUP, readChild(item(boxId(0))).style & WS_GROUP);
    EXPECT_EQ("説明", readChild(item(boxId(3) + 1)).text);
    // Every row waits hidden until scrolled into view; LayoutTest reads where,
    // and where the bar stands.
    EXPECT_EQ(std::vector<int>{}, view());
    EXPECT_FALSE(readChild(item(kBarId)).visible);

    const Step steps[] = {
        // Beyond the end, scrollTo shows the last page.
        {Act::To, 0, 0}, {Act::To, 2, 2}, {Act::To, 7, 4},
        // A step stops at the end; a line step that would pass it is not taken.
        {Act::To, 3, 3}, {Act::Down, 2, 3}, {Act::Down, 1, 4}, {Act::Down, 1, 4}, {Act::Up, 2, 2}, {Act::To, 1, 1},
        {Act::Up, 2, 1}, {Act::Up, 1, 0}, {Act::Up, 1, 0}, {Act::To, 1, 1}, {Act::PageDown, 0, 4},
        {Act::PageDown, 0, 4}, {Act::PageUp, 0, 0}, {Act::To, 3, 3}, {Act::PageUp, 0, 0}, {Act::PageUp, 0, 0},
    };
    int number = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(::testing::Message() << "step " << ++number);
        switch (step.act) {
        case Act::To: panel.scrollTo(step.rows); break;
        case Act::Down: panel.scrollDown(step.rows); break;
        case Act::Up: panel.scrollUp(step.rows); break;
        case Act::PageDown: panel.pageDown(); break;
        case Act::PageUp: panel.pageUp(); break;
        }
        EXPECT_EQ((std::vector<int>{step.top, step.top + 1, step.top + 2, step.top + 3}), view());
        EXPECT_TRUE(readChild(item(kBarId)).visible);
        EXPECT_EQ(step.top, GetScrollPos(item(kBarId), SB_CTL));
    }
    panel.hide();
    EXPECT_EQ(std::vector<int>{}, view());
    EXPECT_FALSE(readChild(item(kBarId)).visible);
}

}  // namespace
