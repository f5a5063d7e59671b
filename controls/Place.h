#pragma once

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
