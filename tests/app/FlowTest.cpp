// The wizard driven as a user drives it, through its real dialog procedure and
// windows: the pages there and back, the category views, the panel's scroll
// steps, and adding everything from nothing. What random states and users
// bring about is RandomTest's.
#include <gtest/gtest.h>

#include "tests/support/WizardHost.h"

namespace {

using namespace expected;
using Ids = std::vector<int>;

const Ids kFeaturesPage = {1001, 3, 1, 2, 1005, 1006, 1007, 1008};
const Ids kPanelIds = {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050};

Ids join(Ids ids, const Ids& more) { return ids.insert(ids.end(), more.begin(), more.end()), ids; }

// The feature page with the panel scrolled to its row first: the bar, then
// four rows in their places.
void expectPanelAt(WizardHost& host, int first) {
    Ids view = join(kFeaturesPage, {106});
    for (int row = first; row < first + 4; ++row) view.insert(view.end(), {kPanelIds[row], kPanelIds[row] + 1});
    EXPECT_EQ(view, host.inView());
    EXPECT_EQ(first, GetScrollPos(host.item(106), SB_CTL));
    for (int row = first; row < first + 4; ++row) {
        const RECT box = host.place(kPanelIds[row]), description = host.place(kPanelIds[row] + 1);
        EXPECT_EQ((Ids{24, 84 + 44 * (row - first), 32, 98 + 44 * (row - first)}),
                  (Ids{box.left, box.top, description.left, description.top}));
    }
}

TEST(FlowTest, PagesCategoriesAndScrolling) {
    WizardHost host;
    host.open();
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(host.click(1));
        EXPECT_EQ(kFinish, host.text(1));
        EXPECT_EQ(host.item(1008), GetFocus());
        EXPECT_EQ(0, host.selection());
        expectPanelAt(host, 0);
        EXPECT_EQ(4, SendMessageA(host.item(1008), CB_GETCOUNT, 0, 0));  // their texts find them for toggle()
        ASSERT_TRUE(host.choose(1));
        EXPECT_EQ(join(kFeaturesPage, {1015, 1016}), host.inView());
        ASSERT_TRUE(host.choose(2));
        EXPECT_EQ(join(kFeaturesPage, {1019, 1020, 1040, 1041, 1046, 1047, 1048, 1049}), host.inView());
        ASSERT_TRUE(host.choose(3));
        EXPECT_EQ(join(kFeaturesPage, {1036, 1037}), host.inView());
        ASSERT_TRUE(host.click(3));
        EXPECT_EQ((Ids{1001, 3, 1, 2, 1002, 1003, 1004}), host.inView());
        EXPECT_FALSE(host.enabled(3));
        EXPECT_EQ(kNext, host.text(1));
        EXPECT_EQ(host.item(1), GetFocus());
    }
    ASSERT_TRUE(host.click(1));
    ASSERT_TRUE(host.click(1009));
    // A line step past either end does nothing, a page step stops at the end,
    // and the rows follow the thumb only when it is let go.
    const struct { int request, position, first; } steps[] = {
        {SB_LINEUP, 0, 0}, {SB_LINEDOWN, 0, 1}, {SB_PAGEUP, 0, 0}, {SB_PAGEDOWN, 0, 4}, {SB_LINEDOWN, 0, 4},
        {SB_LINEUP, 0, 3}, {SB_PAGEDOWN, 0, 4}, {SB_PAGEUP, 0, 0}, {SB_THUMBTRACK, 3, 0}, {SB_THUMBPOSITION, 3, 3},
        {SB_PAGEUP, 0, 0}, {SB_THUMBPOSITION, 9, 4}, {SB_ENDSCROLL, 0, 4}, {SB_BOTTOM, 0, 4}};
    for (const auto& step : steps) {
        SCOPED_TRACE("request " + std::to_string(step.request));
        ASSERT_TRUE(host.scroll(step.request, step.position));
        expectPanelAt(host, step.first);
    }
    ASSERT_TRUE(host.choose(2));
    ASSERT_TRUE(host.choose(0));
    expectPanelAt(host, 0);
    ASSERT_TRUE(host.scroll(SB_PAGEDOWN));
    ASSERT_TRUE(host.click(3));
    ASSERT_TRUE(host.click(1));
    expectPanelAt(host, 0);
    EXPECT_TRUE(host.ticked(1009));
    ASSERT_TRUE(host.click(2));
    EXPECT_EQ((std::vector<INT_PTR>{2}), host.calls.endings);
}

TEST(FlowTest, AddEverythingFromNothingThenClose) {
    WizardHost host;
    reg::create(HKEY_CURRENT_USER, reg::kMenuExt);
    reg::Tree wanted = reg::read(HKEY_CURRENT_USER), machine = reg::read(HKEY_LOCAL_MACHINE);
    host.open();
    ASSERT_TRUE(host.click(1));
    for (const Feature& feature : features()) {
        if (feature.refusal != nullptr) continue;
        EXPECT_TRUE(host.toggle(feature.id)) << feature.caption;
        for (const Entry& entry : feature.entries) write(wanted, entry);
    }
    ASSERT_TRUE(host.choose(0));
    ASSERT_TRUE(host.scroll(SB_THUMBPOSITION, 2));
    ASSERT_TRUE(host.click(1));
    EXPECT_EQ(std::vector<std::string>{kComplete}, host.takeBoxes());
    EXPECT_EQ(wanted, reg::read(HKEY_CURRENT_USER));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
    // Only the rows in view are greyed; the bar still scrolls the others in.
    EXPECT_EQ(kClose, host.text(1));
    for (int id : {3, 2, 1008, 1015, 1016, 1019, 1020, 1040, 1041, 1046, 1047, 1048, 1049, 1036, 1037})
        EXPECT_FALSE(host.enabled(id)) << id;
    for (int row = 0; row < 8; ++row)
        EXPECT_EQ(Ids(2, row < 2 || row > 5), (Ids{host.enabled(kPanelIds[row]), host.enabled(kPanelIds[row] + 1)})) << row;
    ASSERT_TRUE(host.click(1));
    EXPECT_EQ((std::vector<INT_PTR>{1}), host.calls.endings);
}

}  // namespace
