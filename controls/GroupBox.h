#pragma once

#include "controls/Control.h"

// A frame with a caption; never a tab stop.
class GroupBox : public Control {
public:
    GroupBox(HWND parent, HINSTANCE instance) : Control(parent, instance) {
        exStyle = 0;
        style = BS_GROUPBOX;
        setClassName("BUTTON");
    }
    ~GroupBox() override = default;
};
