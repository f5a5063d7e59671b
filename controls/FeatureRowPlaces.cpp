#include "controls/FeatureRowPlaces.h"

void makeRowControls(std::unique_ptr<CheckBox>& box, std::unique_ptr<StaticText>& description, HWND parent,
                     HINSTANCE instance, int top, bool group, const RowTexts& texts, int descriptionHeight) {
    makeControl(box, parent, instance, checkBoxPlace(top), texts.caption, texts.checkBoxId, group);
    makeControl(description, parent, instance, descriptionPlace(top, descriptionHeight), texts.description,
                texts.descriptionId);
}
