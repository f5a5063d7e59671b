#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/ScrollBar.h"
#include "controls/StaticText.h"
#include "tests/support/TestWindow.h"

namespace {

// Texts, list order, selection, ticks and scroll positions that the wizard
// sets are read back from its windows by LayoutTest, FeatureListPanelTest and
// FlowTest. Here: the style bits, and what no run of the wizard can tell.
class StandardControlTest : public ::testing::Test {
protected:
    // Shown, and large enough for a click to land in it.
    void createShown(Control& control, const char* text = "") {
        control.resize(200, 20);
        EXPECT_TRUE(control.create(text, 2000));
        control.show(true);
    }

    TestWindow host;
    HWND parent = host.handle();
    HINSTANCE instance = host.instance();
};

TEST_F(StandardControlTest, EachKindGivesItsWindowExactlyItsClassAndStyle) {
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
    for (const auto& expected : cases) {
        ASSERT_TRUE(expected.control.create("", 2000));
        ChildState state = readChild(expected.control.handle());
        SCOPED_TRACE(state.className);
        EXPECT_STRCASEEQ(expected.windowClass, state.className.c_str());
        EXPECT_EQ(expected.style | WS_CHILD, state.style);
        EXPECT_EQ(expected.exStyle, state.exStyle);
    }
}

TEST_F(StandardControlTest, CheckBoxReadsItsTickFromTheWindow) {
    CheckBox box(parent, instance, false);
    createShown(box, "機能");
    EXPECT_FALSE(box.isChecked());
    SendMessageA(box.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box.isChecked());
    SendMessageA(box.handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.isChecked());

    // Only a three-state box can hold the indeterminate state.
    SetWindowLongA(box.handle(), GWL_STYLE, (GetWindowLongA(box.handle(), GWL_STYLE) & ~0xF) | BS_AUTO3STATE);
    SendMessageA(box.handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    ASSERT_EQ(BST_INDETERMINATE, SendMessageA(box.handle(), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(box.isChecked());
}

TEST_F(StandardControlTest, EditBoxHandsBackTheWholeShiftJisText) {
    EditBox field(parent, instance);
    createShown(field);
    const char* path = "C:\\Program Files\\エディタ\\表示.exe";
    EXPECT_TRUE(field.setText(path));
    const int length = field.textLength();
    EXPECT_EQ(static_cast<int>(std::strlen(path)), length);

    std::string text(length + 1, '?');
    EXPECT_EQ(length, field.getText(&text[0], length + 1));
    EXPECT_STREQ(path, text.c_str());
}

}  // namespace
