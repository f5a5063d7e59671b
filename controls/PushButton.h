#pragma once

#include "controls/Control.h"

class PushButton : public Control {
public:
    PushButton(HWND parent, HINSTANCE instance) : Control(parent, instance) {
        exStyle = 0;
        style = WS_TABSTOP | BS_PUSHBUTTON;
        setClassName("BUTTON");
    }
    ~PushButton() override = default;

    LRESULT setText(const char* text) { return send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }
};
