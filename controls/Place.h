#pragma once

#include <windows.h>

#include "controls/Control.h"

// A control's rectangle in the dialog's client area.
struct Place {
    int x;
    int y;
    int width;
    int height;
};

// The rectangle is recorded before the window exists, so the window is made
// right there and never moves while it is hidden.
void placeAndCreate(Control& control, const Place& place, const char* text, int id);

// A control of kind T made into its owner's empty slot, placed and created;
// extra is what the kind's constructor takes besides the two handles.
template <typename T, typename... Extra>
T& makeControl(T*& slot, HWND parent, HINSTANCE instance, const Place& place, const char* text, int id,
               Extra... extra) {
    slot = new T(parent, instance, extra...);
    placeAndCreate(*slot, place, text, id);
    return *slot;
}
