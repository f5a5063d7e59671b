#pragma once

#include "controls/Control.h"

// A single-line field; lengths and sizes count bytes of the Shift-JIS text.
class EditBox : public Control {
public:
    EditBox(HWND parent, HINSTANCE instance) : Control(parent, instance) {
        exStyle = WS_EX_CLIENTEDGE;
        style = WS_TABSTOP | ES_AUTOHSCROLL | ES_LEFT;
        setClassName("EDIT");
    }
    ~EditBox() override = default;

    // Without the terminator.
    int textLength() { return GetWindowTextLengthA(window); }
    // Copies at most size - 1 bytes and a terminator; answers the bytes copied.
    int getText(char* buffer, int size) { return GetWindowTextA(window, buffer, size); }
    BOOL setText(const char* text) { return SetWindowTextA(window, text); }
};
