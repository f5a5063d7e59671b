#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/WizardHost.h"

namespace {

struct Expected {
    int id;
    const char* windowClass;
    RECT rect;  // left, top, right, bottom
    bool visible;
    bool enabled;
};

RECT at(int x, int y, int width, int height) { return {x, y, x + width, y + height}; }

void expectControl(const WizardHost& host, const Expected& expected) {
    SCOPED_TRACE("control " + std::to_string(expected.id));
    ASSERT_TRUE(host.exists(expected.id));
    ChildState state = host.read(expected.id);
    EXPECT_STRCASEEQ(expected.windowClass, state.className.c_str());
    const RECT &want = expected.rect, &got = state.rect;
    // A combo box's height includes its list.
    const LONG bottom = std::string(expected.windowClass) == "ComboBox" ? got.bottom : want.bottom;
    EXPECT_EQ((std::vector<LONG>{want.left, want.top, want.right, bottom}),
              (std::vector<LONG>{got.left, got.top, got.right, got.bottom}));
    EXPECT_EQ(expected.visible, state.visible);
    EXPECT_EQ(expected.enabled, state.enabled);
}

class LayoutTest : public ::testing::Test {
protected:
    WizardHost host;
};

TEST_F(LayoutTest, NothingInstalledOpensOnTheWelcomePageWithEveryOtherControlHidden) {
    host.open();
    const Expected controls[] = {
        {1001, "Static", at(8, 288, 452, 2), true, true},
        {3, "Button", at(166, 300, 88, 22), true, false},
        {1, "Button", at(254, 300, 88, 22), true, true},
        {2, "Button", at(350, 300, 88, 22), true, true},
        {1002, "Static", at(16, 16, 436, 14), true, true},
        {1003, "Static", at(16, 30, 436, 35), true, true},
        {1004, "Static", at(16, 68, 436, 14), true, true},
        {1005, "Static", at(16, 16, 436, 14), false, true},
        {1006, "Static", at(16, 30, 436, 28), false, true},
        {1007, "Button", at(8, 62, 452, 210), false, true},
        {1008, "ComboBox", at(24, 58, 280, 0), false, true},
        {106, "ScrollBar", at(436, 84, 16, 174), false, true},
        {1011, "Button", at(24, 84, 400, 14), false, true},
        {1012, "Static", at(32, 98, 400, 28), false, true},
        {1021, "Button", at(24, 128, 400, 14), false, true},
        {1022, "Static", at(32, 142, 400, 28), false, true},
        {1015, "Button", at(24, 84, 400, 14), false, true},
        {1016, "Static", at(32, 98, 400, 28), false, true},
        {1019, "Button", at(24, 84, 400, 14), false, true},
        {1020, "Static", at(32, 98, 400, 28), false, true},
        {1040, "Button", at(24, 128, 400, 14), false, true},
        {1041, "Static", at(32, 142, 400, 28), false, true},
        {1046, "Button", at(24, 172, 400, 14), false, true},
        {1047, "Static", at(32, 186, 400, 28), false, true},
        {1048, "Button", at(24, 216, 400, 14), false, true},
        {1049, "Static", at(32, 230, 400, 28), false, true},
        {1036, "Button", at(24, 84, 400, 14), false, true},
        {1037, "Static", at(32, 98, 400, 28), false, true},
    };
    for (const Expected& expected : controls) expectControl(host, expected);

    // The panel's rows all wait at the top row's place until scrolled into view.
    for (int id : {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050}) {
        expectControl(host, {id, "Button", at(24, 84, 400, 14), false, true});
        expectControl(host, {id + 1, "Static", at(32, 98, 400, 28), false, true});
    }
    for (int id : {1027, 1028, 1029, 1030, 1031, 1032, 1033, 1034, 1035}) EXPECT_FALSE(host.exists(id)) << id;

    EXPECT_EQ("< 戻る(&P)", host.read(3).text);
    EXPECT_EQ("中止(&C)", host.read(2).text);
    EXPECT_EQ("　この度は 「 IEKelvara for Win32 」 をご利用頂き有り難うございます。", host.read(1002).text);
    EXPECT_EQ("Crumb &Viewer", host.read(1048).text);
    EXPECT_EQ(WS_EX_STATICEDGE, host.read(1001).exStyle & WS_EX_STATICEDGE);

    // Nothing chosen yet; how many entries is the randomized suite's.
    EXPECT_EQ(CB_ERR, SendMessageA(host.control(1008), CB_GETCURSEL, 0, 0));

    // The couriers' check boxes are the only ones that start no tab group.
    for (int id : {1008, 1015, 1019, 1040, 1046, 1048, 1036}) EXPECT_TRUE(host.read(id).style & WS_GROUP) << id;
    for (int id : {1011, 1021, 1009}) EXPECT_FALSE(host.read(id).style & WS_GROUP) << id;
}

TEST_F(LayoutTest, SourceViewerInstalledAddsItsControlsAndMovesPaneUnwrapperDown) {
    const std::string path = "C:\\Program Files\\エディタ\\editor.exe";
    menu::setEditor(path);
    host.open();
    const Expected controls[] = {
        {1027, "Button", at(24, 84, 400, 14), false, true},
        {1028, "Static", at(32, 98, 400, 56), false, true},
        {1029, "Edit", at(48, 155, 326, 18), false, false},
        {1030, "Button", at(378, 154, 60, 20), false, false},
        {1036, "Button", at(24, 178, 400, 14), false, true},
        {1037, "Static", at(32, 192, 400, 28), false, true},
    };
    for (const Expected& expected : controls) expectControl(host, expected);
    EXPECT_EQ(path, host.read(1029).text);
    EXPECT_EQ("参照(&B) ...", host.read(1030).text);
    EXPECT_TRUE(host.read(1027).style & WS_GROUP);
}

// An offer takes the first place on its page whether or not the other one is
// made; two stand thirty pixels apart.
TEST(LayoutUpgradeTest, UpgradeOffersStandOnTheirOwnPage) {
    for (const bool both : {false, true}) {
        SCOPED_TRACE(both ? "both offers" : "the second offer alone");
        WizardHost host;
        if (both) menu::install("gooの英和/和英辞典で調べる(&D)", "http://old.example/lexicon.html", 0x10);
        menu::install("gooの各種辞典で調べる(&D)", "http://old.example/plus.html", 0x10);
        host.open();
        EXPECT_EQ(both, host.exists(1032));
        if (both) expectControl(host, {1032, "Button", at(24, 64, 400, 14), false, true});
        if (both) expectControl(host, {1033, "Static", at(32, 78, 400, 28), false, true});
        const int top = both ? 94 : 64;
        expectControl(host, {1031, "Static", at(16, 16, 436, 14), false, true});
        expectControl(host, {1034, "Button", at(24, top, 400, 14), false, true});
        expectControl(host, {1035, "Static", at(32, top + 14, 400, 28), false, true});
        EXPECT_FALSE(host.ticked(1034));
        EXPECT_EQ("Portal Lexicon Plus", host.read(1034).text);
        if (both) EXPECT_EQ("　リンクが張ってある単語に対しても検索できる様にします。", host.read(1033).text);
    }
}

}  // namespace
