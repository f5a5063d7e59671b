#pragma once

#include <windows.h>

#include "controls/CheckBox.h"
#include "controls/ScrollBar.h"
#include "controls/StaticText.h"

// Rows of a check box over a two-line description, four of them in view at a
// time beside the panel's own scroll bar. The panel has no window of its own:
// its controls are children of the dialog, made hidden and shown by scrollTo.
class FeatureListPanel {
public:
    FeatureListPanel(HWND parent, HINSTANCE instance, short capacity, int scrollBarId);
    virtual ~FeatureListPanel();

    FeatureListPanel(const FeatureListPanel&) = delete;
    FeatureListPanel& operator=(const FeatureListPanel&) = delete;

    // Answers the new row's index; a full panel adds nothing and answers the
    // index of its last row.
    short addRow(const char* caption, int checkBoxId, const char* description, int descriptionId, bool group);
    // Rows that do not exist are left alone and read as not ticked.
    void checkRow(short row);
    bool isChecked(short row);

    // A line step that would pass either end does nothing at all, while a
    // page step or scrollTo stops at the end.
    void scrollUp(short rows);
    void scrollDown(short rows);
    void pageUp();
    void pageDown();
    void scrollTo(short firstRow);

    void hide();
    // Only the rows in view are greyed; the scroll bar stays usable.
    void disable();

private:
    bool exists(short row) const { return row >= 0 && row < count; }
    short endOfView() const;

    HWND parent;
    HINSTANCE instance;
    // Owned; only the first count slots of the two arrays are ever filled.
    ScrollBar* scrollBar;
    CheckBox** checkBoxes;
    StaticText** descriptions;
    short count;
    short capacity;
    short first;
    short lastFirst;
};
