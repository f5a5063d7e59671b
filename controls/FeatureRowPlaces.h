#pragma once

#include <windows.h>

#include "controls/CheckBox.h"
#include "controls/Place.h"
#include "controls/StaticText.h"

// A feature's row, in the panel and in every category alike: a check box over
// its description, which hangs under it indented, with a small gap before the
// next row's box. The first row stands just below the category list.
inline constexpr int kFirstRowTop = 84;
inline constexpr int kRowStep = 44;
inline constexpr int kDescriptionHeight = 28;  // two lines

constexpr Place checkBoxPlace(int top) { return {24, top, 400, 14}; }

constexpr Place descriptionPlace(int top, int height = kDescriptionHeight) {
    return {32, top + checkBoxPlace(top).height, 400, height};
}

// What a row shows: the box's caption and the description, with their ids.
struct RowTexts {
    const char* caption;
    int checkBoxId;
    const char* description;
    int descriptionId;
};

// Makes a row's two controls into their owner's empty slots, the box first,
// both hidden.
void makeRowControls(CheckBox*& box, StaticText*& description, HWND parent, HINSTANCE instance, int top, bool group,
                     const RowTexts& texts, int descriptionHeight = kDescriptionHeight);
