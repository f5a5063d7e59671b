// What the buttons, the category list, the discontinued features' check boxes
// and the panel's scroll bar do. Nothing here writes to the registry.
#include "app/ControlIds.h"
#include "app/SetupWizard.h"
#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/FeatureListPanel.h"
#include "controls/PushButton.h"
#include "controls/StaticText.h"

int SetupWizard::onCommand(int id, int notification) {
    switch (id) {
    case kNextButtonId:
        return next();
    case kCancelButtonId:
        EndDialog(dialogWindow, 2);
        return 1;
    case kBackButtonId:
        stepBack();
        return showPage();
    case kCategoryComboId:
        if (notification == CBN_SELCHANGE) showCategory(categoryCombo->selection());
        return 0;
    default:
        break;
    }
    const FeatureEntry* feature = FeatureCatalog::findByCheckBoxId(id);
    if (feature == nullptr || !feature->discontinued) return 0;
    refuseTick(*feature);
    return 1;
}

int SetupWizard::next() {
    ++page;
    if (step() != Step::End) return showPage();
    EndDialog(dialogWindow, 1);
    return 1;
}

void SetupWizard::onScroll(int request, short position) {
    switch (request) {
    case SB_LINEUP:
        featurePanel->scrollUp(1);
        break;
    case SB_LINEDOWN:
        featurePanel->scrollDown(1);
        break;
    case SB_PAGEUP:
        featurePanel->pageUp();
        break;
    case SB_PAGEDOWN:
        featurePanel->pageDown();
        break;
    case SB_THUMBPOSITION:
        // Only on release: the rows do not follow the thumb while it is dragged.
        featurePanel->scrollTo(position);
        break;
    default:
        break;
    }
}

void SetupWizard::showCategory(int entry) {
    FeatureCategory category;
    if (!listedCategory(entry, category)) return;
    for (const FeatureEntry& feature : FeatureCatalog::rows())
        if (feature.category != FeatureCategory::Information) showFeatureControls(feature, feature.category == category);
    if (category == FeatureCategory::Information)
        featurePanel->scrollTo(0);
    else
        featurePanel->hide();
}

// The check boxes tick themselves on a click, so the tick is already there.
void SetupWizard::refuseTick(const FeatureEntry& feature) {
    CheckBox* check = featureCheck(feature);
    if (check == nullptr || !check->isChecked()) return;
    check->setChecked(false);
    messageBox(feature.refusalMessage, MB_ICONINFORMATION);
}
