#include "controls/FeatureRowPlaces.h"

void makeRowControls(CheckBox*& box, StaticText*& description, HWND parent, HINSTANCE instance, int top, bool group,
                     const RowTexts& texts, int descriptionHeight) {
    makeControl(box, parent, instance, checkBoxPlace(top), texts.caption, texts.checkBoxId, group);
    makeControl(description, parent, instance, descriptionPlace(top, descriptionHeight), texts.description,
                texts.descriptionId);
}
