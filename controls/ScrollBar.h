#pragma once

#include "controls/Control.h"

// A vertical bar whose thumb moves only when the owner sets the position: the
// owner acts on each scroll request and then reports where it ended up.
class ScrollBar : public Control {
public:
    ScrollBar(HWND parent, HINSTANCE instance) : Control(parent, instance), rangeMin(0), rangeMax(0), position(0) {
        exStyle = 0;
        style = WS_TABSTOP | SBS_VERT;
        setClassName("SCROLLBAR");
    }
    ~ScrollBar() override = default;

    BOOL setRange(short minimum, short maximum) {
        rangeMin = minimum;
        rangeMax = maximum;
        return SetScrollRange(window, SB_CTL, minimum, maximum, TRUE);
    }
    // Answers the previous position.
    int setPosition(short newPosition) {
        position = newPosition;
        return SetScrollPos(window, SB_CTL, newPosition, TRUE);
    }

protected:
    // What the owner last asked for; the bar itself keeps the real values.
    short rangeMin;
    short rangeMax;
    short position;
};
