#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/ScrollBar.h"
#include "controls/StaticText.h"
#include "tests/support/TestWindow.h"

namespace {

class StandardControlTest : public ::testing::Test {
protected:
    // Creates the control shown, with a size a click can land in.
    template <class Kind>
    Kind& made(std::unique_ptr<Kind> control, const char* text = "") {
        control->resize(200, 20);
        EXPECT_TRUE(control->create(text, 2000));
        control->show(true);
        Kind& result = *control;
        owned.emplace_back(std::move(control));
        return result;
    }

    TestWindow host;
    std::vector<std::unique_ptr<Control>> owned;
};

struct StyleCase {
    const char* name;
    std::function<std::unique_ptr<Control>(HWND, HINSTANCE)> make;
    const char* windowClass;
    LONG style;
    LONG exStyle;
};

TEST_F(StandardControlTest, EachKindGivesItsWindowExactlyItsClassAndStyle) {
    const StyleCase cases[] = {
        {"push button", [](HWND p, HINSTANCE i) { return std::make_unique<PushButton>(p, i); }, "Button", 0x10000, 0},
        {"check box", [](HWND p, HINSTANCE i) { return std::make_unique<CheckBox>(p, i, false); }, "Button", 0x10003,
         0},
        {"grouped check box", [](HWND p, HINSTANCE i) { return std::make_unique<CheckBox>(p, i, true); }, "Button",
         0x30003, 0},
        {"combo box", [](HWND p, HINSTANCE i) { return std::make_unique<ComboBox>(p, i, false); }, "ComboBox",
         0x10203, 0},
        {"grouped combo box", [](HWND p, HINSTANCE i) { return std::make_unique<ComboBox>(p, i, true); }, "ComboBox",
         0x30203, 0},
        {"edit box", [](HWND p, HINSTANCE i) { return std::make_unique<EditBox>(p, i); }, "Edit", 0x10080,
         WS_EX_CLIENTEDGE},
        {"group box", [](HWND p, HINSTANCE i) { return std::make_unique<GroupBox>(p, i); }, "Button", 0x7, 0},
        {"scroll bar", [](HWND p, HINSTANCE i) { return std::make_unique<ScrollBar>(p, i); }, "ScrollBar", 0x10001, 0},
        {"static text", [](HWND p, HINSTANCE i) { return std::make_unique<StaticText>(p, i); }, "Static", 0, 0},
    };
    for (const StyleCase& expected : cases) {
        SCOPED_TRACE(expected.name);
        std::unique_ptr<Control> control = expected.make(host.handle(), host.instance());
        ASSERT_TRUE(control->create("", 2000));
        ChildState state = readChild(control->handle());
        EXPECT_STRCASEEQ(expected.windowClass, state.className.c_str());
        EXPECT_EQ(expected.style | WS_CHILD, state.style);
        EXPECT_EQ(expected.exStyle, state.exStyle);
    }
}

TEST_F(StandardControlTest, PushButtonRelabels) {
    PushButton& button = made(std::make_unique<PushButton>(host.handle(), host.instance()), "次へ(&N) >");
    EXPECT_TRUE(button.setText("閉じる(&X)"));
    EXPECT_EQ("閉じる(&X)", readChild(button.handle()).text);
}

TEST_F(StandardControlTest, CheckBoxReadsItsTickFromTheWindow) {
    CheckBox& box = made(std::make_unique<CheckBox>(host.handle(), host.instance(), false), "機能");
    EXPECT_FALSE(box.isChecked());
    SendMessageA(box.handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(box.isChecked());
    SendMessageA(box.handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(box.isChecked());

    box.setChecked(true);
    EXPECT_EQ(BST_CHECKED, SendMessageA(box.handle(), BM_GETCHECK, 0, 0));
    box.setChecked(false);
    EXPECT_EQ(BST_UNCHECKED, SendMessageA(box.handle(), BM_GETCHECK, 0, 0));

    // Only a three-state box can hold the indeterminate state.
    SetWindowLongA(box.handle(), GWL_STYLE, (GetWindowLongA(box.handle(), GWL_STYLE) & ~0xF) | BS_AUTO3STATE);
    SendMessageA(box.handle(), BM_SETCHECK, BST_INDETERMINATE, 0);
    ASSERT_EQ(BST_INDETERMINATE, SendMessageA(box.handle(), BM_GETCHECK, 0, 0));
    EXPECT_FALSE(box.isChecked());
}

TEST_F(StandardControlTest, ComboBoxKeepsTheOrderAddedAndItsSelection) {
    ComboBox& list = made(std::make_unique<ComboBox>(host.handle(), host.instance(), true));
    const char* items[] = {"ユーティリティ", "インターネット", "B", "a"};
    for (int index = 0; index < 4; ++index) EXPECT_EQ(index, list.addString(items[index]));
    for (int index = 0; index < 4; ++index) {
        char text[64] = {};
        SendMessageA(list.handle(), CB_GETLBTEXT, index, reinterpret_cast<LPARAM>(text));
        EXPECT_STREQ(items[index], text);
    }

    EXPECT_EQ(CB_ERR, list.selection());
    EXPECT_EQ(2, list.setSelection(2));
    EXPECT_EQ(2, list.selection());
    EXPECT_EQ("B", readChild(list.handle()).text);

    list.clear();
    EXPECT_EQ(0, SendMessageA(list.handle(), CB_GETCOUNT, 0, 0));
    EXPECT_EQ(CB_ERR, list.selection());
}

TEST_F(StandardControlTest, EditBoxHandsBackTheWholeShiftJisText) {
    EditBox& field = made(std::make_unique<EditBox>(host.handle(), host.instance()));
    const char* path = "C:\\Program Files\\エディタ\\表示.exe";
    EXPECT_TRUE(field.setText(path));
    const int length = field.textLength();
    EXPECT_EQ(static_cast<int>(std::strlen(path)), length);

    std::string text(length + 1, '?');
    EXPECT_EQ(length, field.getText(&text[0], length + 1));
    EXPECT_STREQ(path, text.c_str());
}

TEST_F(StandardControlTest, ScrollBarRangeAndPositionReachTheWindow) {
    ScrollBar& bar = made(std::make_unique<ScrollBar>(host.handle(), host.instance()));
    EXPECT_TRUE(bar.setRange(-2, 4));
    int minimum = 0, maximum = 0;
    GetScrollRange(bar.handle(), SB_CTL, &minimum, &maximum);
    EXPECT_EQ(-2, minimum);
    EXPECT_EQ(4, maximum);

    EXPECT_EQ(0, bar.setPosition(3));
    EXPECT_EQ(3, GetScrollPos(bar.handle(), SB_CTL));
    EXPECT_EQ(3, bar.setPosition(-1));
    EXPECT_EQ(-1, GetScrollPos(bar.handle(), SB_CTL));
}

}  // namespace
