#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/ControlFont.h"
#include "controls/EditBox.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/ScrollBar.h"
#include "controls/StaticText.h"
#include "tests/support/TestWindow.h"

namespace {

// Texts, places, list order, selection, ticks and scroll positions that the
// wizard sets are read back from its windows by LayoutTest,
// FeatureListPanelTest and the whole-program tests. Here: the style bits and
// fonts, and what no run of the wizard can tell.
class StandardControlTest : public ::testing::Test {
protected:
    TestWindow host;
    HWND parent = host.handle();
    HINSTANCE instance = host.instance();
};

TEST_F(StandardControlTest, EachKindGivesItsWindowExactlyItsClassAndStyleAndAFontOfItsOwn) {
    PushButton button(parent, instance);
    CheckBox box(parent, instance, false), groupedBox(parent, instance, true);
    ComboBox list(parent, instance, false), groupedList(parent, instance, true);
    EditBox field(parent, instance);
    GroupBox frame(parent, instance);
    ScrollBar bar(parent, instance);
    StaticText label(parent, instance);
    const struct {
        Control& control;
        const char* windowClass;
        LONG style;
        LONG exStyle;
    } cases[] = {
        {button, "Button", 0x10000, 0},
        {box, "Button", 0x10003, 0},
        {groupedBox, "Button", 0x30003, 0},
        {list, "ComboBox", 0x10203, 0},
        {groupedList, "ComboBox", 0x30203, 0},
        {field, "Edit", 0x10080, 0x200},
        {frame, "Button", 0x7, 0},
        {bar, "ScrollBar", 0x10001, 0},
        {label, "Static", 0, 0},
    };
    std::set<HFONT> fonts;
    for (const auto& expected : cases) {
        ASSERT_TRUE(expected.control.create("", 2000));
        ChildState state = readChild(expected.control.handle());
        SCOPED_TRACE(state.className);
        EXPECT_STRCASEEQ(expected.windowClass, state.className.c_str());
        EXPECT_EQ(expected.style | WS_CHILD, state.style);
        EXPECT_EQ(expected.exStyle, state.exStyle);
        if (std::string(expected.windowClass) == "ScrollBar") continue;  // has no font
        // Its own 12-pixel Shift-JIS face, not the dialog's font.
        const auto font = reinterpret_cast<HFONT>(SendMessageA(expected.control.handle(), WM_GETFONT, 0, 0));
        LOGFONTA logFont{};
        ASSERT_NE(0, GetObjectA(font, sizeof logFont, &logFont));
        EXPECT_EQ(kControlFontHeight, logFont.lfHeight);
        EXPECT_EQ(FW_NORMAL, logFont.lfWeight);
        EXPECT_EQ(SHIFTJIS_CHARSET, logFont.lfCharSet);
        EXPECT_EQ(OUT_TT_ONLY_PRECIS, logFont.lfOutPrecision);
        EXPECT_STREQ("\x82\x6c\x82\x72\x20\x82\x6f\x83\x53\x83\x56\x83\x62\x83\x4e", logFont.lfFaceName);
        fonts.insert(font);
    }
    EXPECT_EQ(8u, fonts.size());
}

// The whole-program tests type no path of their own.
TEST_F(StandardControlTest, EditBoxHandsBackTheWholeShiftJisText) {
    EditBox field(parent, instance);
    ASSERT_TRUE(field.create("", 2000));
    const char* path = "C:\\Program Files\\エディタ\\表示.exe";
    EXPECT_TRUE(field.setText(path));
    const int length = field.textLength();
    EXPECT_EQ(static_cast<int>(std::strlen(path)), length);
    std::string text(length + 1, '?');
    EXPECT_EQ(length, field.getText(&text[0], length + 1));
    EXPECT_STREQ(path, text.c_str());
}

}  // namespace
