#include <gtest/gtest.h>

#include <vector>

#include "controls/Control.h"
#include "controls/ControlFont.h"
#include "tests/support/TestWindow.h"

namespace {

// A control of a chosen window class, with its font in reach of the test.
class PlainControl : public Control {
public:
    PlainControl(HWND parent, HINSTANCE instance, const char* windowClass) : Control(parent, instance) {
        setClassName(windowClass);
    }
    HFONT madeFont() const { return font; }
};

LOGFONTA fontOf(HWND window) {
    LOGFONTA logFont{};
    auto font = reinterpret_cast<HFONT>(SendMessageA(window, WM_GETFONT, 0, 0));
    EXPECT_NE(nullptr, font);
    GetObjectA(font, sizeof logFont, &logFont);
    return logFont;
}

// Left, top, width and height of a child window, read from the window.
std::vector<LONG> placement(HWND window) {
    const RECT rect = readChild(window).rect;
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

class ControlTest : public ::testing::Test {
protected:
    TestWindow host;
};

TEST_F(ControlTest, PlacedBeforeCreationAppearsHiddenAtTheRecordedRectangleAndMovesOrResizesAlone) {
    PlainControl control(host.handle(), host.instance(), "STATIC");
    EXPECT_FALSE(control.move(16, 30));
    EXPECT_FALSE(control.resize(436, 35));
    ASSERT_TRUE(control.create("text", 1003));

    EXPECT_EQ((std::vector<LONG>{16, 30, 436, 35}), placement(control.handle()));
    ChildState state = readChild(control.handle());
    EXPECT_FALSE(state.visible);
    EXPECT_EQ(WS_CHILD, state.style & (WS_CHILD | WS_VISIBLE));
    EXPECT_EQ(1003, state.id);
    EXPECT_EQ("text", state.text);

    EXPECT_FALSE(control.show(true));
    EXPECT_TRUE(readChild(control.handle()).visible);
    EXPECT_TRUE(control.show(false));
    EXPECT_FALSE(readChild(control.handle()).visible);

    // Once created, a move keeps the size and a resize keeps the place.
    EXPECT_TRUE(control.move(30, 216));
    EXPECT_EQ((std::vector<LONG>{30, 216, 436, 35}), placement(control.handle()));
    EXPECT_TRUE(control.resize(88, 22));
    EXPECT_EQ((std::vector<LONG>{30, 216, 88, 22}), placement(control.handle()));
}

TEST_F(ControlTest, UnknownWindowClassGivesNoWindowAndNoFontAndTheFirstClassNameStays) {
    PlainControl unknown(host.handle(), host.instance(), "NoSuchKelvaraClass");
    EXPECT_FALSE(unknown.create("", 1));
    EXPECT_EQ(nullptr, unknown.handle());
    EXPECT_EQ(nullptr, unknown.madeFont());

    PlainControl control(host.handle(), host.instance(), "STATIC");
    control.setClassName("BUTTON");
    ASSERT_TRUE(control.create("", 1));
    EXPECT_STRCASEEQ("Static", readChild(control.handle()).className.c_str());
}

TEST_F(ControlTest, EachControlGetsItsOwnTwelvePixelShiftJisFont) {
    PlainControl first(host.handle(), host.instance(), "STATIC");
    PlainControl second(host.handle(), host.instance(), "BUTTON");
    ASSERT_TRUE(first.create("一", 1));
    ASSERT_TRUE(second.create("二", 2));

    for (HWND window : {first.handle(), second.handle()}) {
        LOGFONTA font = fontOf(window);
        EXPECT_EQ(kControlFontHeight, font.lfHeight);
        EXPECT_EQ(FW_NORMAL, font.lfWeight);
        EXPECT_EQ(SHIFTJIS_CHARSET, font.lfCharSet);
        EXPECT_EQ(OUT_TT_ONLY_PRECIS, font.lfOutPrecision);
        EXPECT_STREQ("\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e", font.lfFaceName);
    }
    EXPECT_NE(first.madeFont(), second.madeFont());
    EXPECT_EQ(first.madeFont(), reinterpret_cast<HFONT>(SendMessageA(first.handle(), WM_GETFONT, 0, 0)));
}

TEST_F(ControlTest, EnableAndFocusReachTheWindow) {
    PlainControl control(host.handle(), host.instance(), "BUTTON");
    ASSERT_TRUE(control.create("", 1));
    control.show(true);
    EXPECT_FALSE(control.enable(false));
    EXPECT_FALSE(IsWindowEnabled(control.handle()));
    EXPECT_TRUE(control.enable(true));
    EXPECT_TRUE(IsWindowEnabled(control.handle()));
    control.focus();
    EXPECT_EQ(control.handle(), GetFocus());
}

}  // namespace
