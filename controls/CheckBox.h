#pragma once

#include "controls/Control.h"

// Toggles itself on a click; the tick lives in the window only.
class CheckBox : public Control {
public:
    CheckBox(HWND parent, HINSTANCE instance, bool group) : Control(parent, instance) {
        exStyle = 0;
        style = WS_TABSTOP | BS_AUTOCHECKBOX | (group ? WS_GROUP : 0);
        setClassName("BUTTON");
    }
    ~CheckBox() override = default;

    LRESULT setChecked(bool checked) { return send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0); }
    // An indeterminate box counts as not ticked.
    bool isChecked() { return send(BM_GETCHECK, 0, 0) == BST_CHECKED; }
};
