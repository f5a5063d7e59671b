#pragma once

#include "controls/Control.h"

// A drop-down list that keeps its items in the order they were added. The
// height given before create covers the dropped-down list as well.
class ComboBox : public Control {
public:
    ComboBox(HWND parent, HINSTANCE instance, bool group) : Control(parent, instance) {
        exStyle = 0;
        style = WS_TABSTOP | CBS_HASSTRINGS | CBS_DROPDOWNLIST | (group ? WS_GROUP : 0);
        setClassName("COMBOBOX");
    }
    ~ComboBox() override = default;

    LRESULT clear() { return send(CB_RESETCONTENT, 0, 0); }
    int addString(const char* text) { return static_cast<int>(send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text))); }
    int setSelection(unsigned short index) { return static_cast<int>(send(CB_SETCURSEL, index, 0)); }
    // CB_ERR when nothing is selected.
    int selection() { return static_cast<int>(send(CB_GETCURSEL, 0, 0)); }
};
