// What the wizard's full panel of eight rows never shows: a panel no longer
// than its view, and one asked for more rows than it holds.
#include <gtest/gtest.h>

#include "controls/FeatureListPanel.h"
#include "tests/support/WizardHost.h"

namespace {

std::vector<int> shown(HWND parent) {
    std::vector<int> ids;
    for (HWND child : children(parent))
        if (IsWindowVisible(child)) ids.push_back(GetDlgCtrlID(child));
    return ids;
}

TEST(FeatureListPanelTest, AShortPanelNeverScrollsAndAFullOneTakesNoMore) {
    HWND parent = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 640, 480, nullptr, nullptr, nullptr, nullptr);
    {
        FeatureListPanel panel(parent, GetModuleHandleA(nullptr), 4, 106);
        for (int row = 0; row < 5; ++row)
            EXPECT_EQ(row < 4 ? row : 3, panel.addRow("box", 1100 + 2 * row, "text", 1101 + 2 * row, row == 1));
        EXPECT_EQ(nullptr, GetDlgItem(parent, 1108));
        EXPECT_EQ(WS_GROUP, GetWindowLongA(GetDlgItem(parent, 1102), GWL_STYLE) & WS_GROUP);
        for (short first : {0, 2, -1}) {
            panel.scrollTo(first);
            panel.scrollDown(1);
            panel.pageDown();
            EXPECT_EQ((std::vector<int>{1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107}), shown(parent));
        }
        panel.checkRow(1);
        panel.checkRow(4);
        panel.checkRow(-1);
        EXPECT_EQ((std::vector<bool>{false, true, false, false, false, false}),
                  (std::vector<bool>{panel.isChecked(0), panel.isChecked(1), panel.isChecked(2), panel.isChecked(3),
                                     panel.isChecked(4), panel.isChecked(-1)}));
        panel.disable();
        for (int id = 1100; id < 1108; ++id) EXPECT_FALSE(IsWindowEnabled(GetDlgItem(parent, id))) << id;
        panel.hide();
        EXPECT_TRUE(shown(parent).empty());
    }
    DestroyWindow(parent);
}

}  // namespace
