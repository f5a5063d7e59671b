#pragma once

#include "controls/Control.h"

// Left-aligned text that wraps onto further lines within its height.
class StaticText : public Control {
public:
    StaticText(HWND parent, HINSTANCE instance) : Control(parent, instance) {
        exStyle = 0;
        style = SS_LEFT;
        setClassName("STATIC");
    }
    ~StaticText() override = default;
};
