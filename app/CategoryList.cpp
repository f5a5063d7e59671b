// The category list on the features page: which categories it offers, in
// what order, and at which of its entries.
#include "app/SetupWizard.h"
#include "catalog/FeatureCatalog.h"
#include "controls/ComboBox.h"

namespace {

constexpr FeatureCategory kListOrder[] = {FeatureCategory::Information, FeatureCategory::FreeServices,
                                          FeatureCategory::ResourceSaving, FeatureCategory::SecurityPrivacy,
                                          FeatureCategory::Other};

}  // namespace

// The free-services category only lists discontinued features, so it is
// offered only to users who still have one of them.
bool SetupWizard::isListed(FeatureCategory category) {
    return category != FeatureCategory::FreeServices || xdriveCourierInstalled == 1 || idriveCourierInstalled == 1;
}

void SetupWizard::fillCategoryList() {
    categoryCombo->clear();
    for (FeatureCategory category : kListOrder)
        if (isListed(category)) categoryCombo->addString(FeatureCatalog::categoryText(category));
}

bool SetupWizard::listedCategory(int entry, FeatureCategory& category) {
    int index = 0;
    for (FeatureCategory listed : kListOrder) {
        if (!isListed(listed)) continue;
        if (index++ != entry) continue;
        category = listed;
        return true;
    }
    return false;
}

int SetupWizard::listIndex(FeatureCategory category) {
    int index = 0;
    for (FeatureCategory listed : kListOrder) {
        if (listed == category) break;
        if (isListed(listed)) ++index;
    }
    return index;
}
