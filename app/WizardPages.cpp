// The three pages, and the final step around the commit: the source viewer's
// path check before it, and what the user is shown after it.
#include <memory>

#include "app/SetupWizard.h"
#include "app/WizardTexts.h"
#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/FeatureListPanel.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/StaticText.h"

// Without the upgrade page every later step comes one page earlier. A counter
// below zero, which only a Back sent while the button is disabled can bring
// about, counts as past the end, as one above the final step does.
SetupWizard::Step SetupWizard::step() const {
    if (page == 0) return Step::Welcome;
    switch (page - (hasUpgradePage ? 1 : 0)) {
    case 0:
        return Step::Upgrade;
    case 1:
        return Step::Features;
    case 2:
        return Step::Finish;
    default:
        return Step::End;
    }
}

bool SetupWizard::showPage() {
    switch (step()) {
    case Step::Welcome:
        showWelcomePage();
        break;
    case Step::Upgrade:
        showUpgradePage();
        break;
    case Step::Features:
        showFeaturesPage();
        break;
    case Step::Finish:
        return finish();
    case Step::End:
        break;
    }
    return true;
}

void SetupWizard::showWelcomePage() {
    categoryFrame->show(false);
    categoryCombo->show(false);
    featuresText1->show(false);
    featuresText2->show(false);
    showAllCategoryControls(false);
    featurePanel->hide();
    if (hasUpgradePage) showUpgradeControls(false);
    welcomeText1->show(true);
    welcomeText2->show(true);
    welcomeText3->show(true);
    backButton->enable(false);
    nextButton->setText(kNextLabel);
    nextButton->focus();
}

void SetupWizard::showUpgradePage() {
    categoryFrame->show(false);
    categoryCombo->show(false);
    welcomeText1->show(false);
    welcomeText2->show(false);
    welcomeText3->show(false);
    featuresText1->show(false);
    featuresText2->show(false);
    showAllCategoryControls(false);
    featurePanel->hide();
    showUpgradeControls(true);
    backButton->enable(true);
    nextButton->setText(kNextLabel);
}

// Always opens on the first category with the list at its top. Setting the
// selection in code sends no notification, so the page is laid out here.
void SetupWizard::showFeaturesPage() {
    if (hasUpgradePage) showUpgradeControls(false);
    welcomeText1->show(false);
    welcomeText2->show(false);
    welcomeText3->show(false);
    showAllCategoryControls(false);
    categoryFrame->show(true);
    categoryCombo->setSelection(0);
    categoryCombo->show(true);
    featuresText1->show(true);
    featuresText2->show(true);
    featurePanel->scrollTo(0);
    backButton->enable(true);
    nextButton->setText(kFinishLabel);
    categoryCombo->focus();
}

void SetupWizard::showAllCategoryControls(bool visible) {
    for (const FeatureEntry& feature : FeatureCatalog::rows())
        if (feature.category != FeatureCategory::Information) showFeatureControls(feature, visible);
}

void SetupWizard::showUpgradeControls(bool visible) {
    upgradeText->show(visible);
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.upgrade == nullptr || !outdatedFlag(feature)) continue;
        upgradeCheckSlot(feature)->show(visible);
        upgradeTextSlot(feature)->show(visible);
    }
}

bool SetupWizard::finish() {
    if (!editorPathIsUsable()) return true;
    bool changed = false;
    // A failed write has been reported and has left only Cancel enabled.
    if (!commit(changed)) return false;
    if (!changed) {
        messageBox(kNothingChanged, MB_ICONWARNING);
        stepBack();
        return true;
    }
    freezeChoices();
    messageBox(kSetupComplete, MB_ICONINFORMATION);
    return true;
}

// A source viewer that stays must name a program that exists. When it does
// not, the user is shown the field in its category and stays on the page.
bool SetupWizard::editorPathIsUsable() {
    if (markupReaderSwapCheck == nullptr || !markupReaderSwapCheck->isChecked()) return true;
    const int length = editorPathEdit->textLength();
    if (length > 0) {
        std::unique_ptr<char[]> path(new char[length + 1]);
        editorPathEdit->getText(path.get(), length + 1);
        if (fileExists(path.get())) return true;
    }
    messageBox(length == 0 ? kEditorPathMissing : kEditorNotFound, MB_ICONWARNING);
    stepBack();
    categoryCombo->setSelection(listIndex(FeatureCategory::Other));
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.category == FeatureCategory::Information) continue;
        const bool visible = feature.kind == FeatureKind::SourceViewerSetting ||
                             (feature.category == FeatureCategory::Other && length > 0);
        showFeatureControls(feature, visible);
    }
    featurePanel->hide();
    return false;
}

void SetupWizard::freezeChoices() {
    backButton->enable(false);
    nextButton->setText(kCloseLabel);
    cancelButton->enable(false);
    categoryCombo->enable(false);
    featurePanel->disable();
    for (const FeatureEntry& feature : FeatureCatalog::rows())
        if (feature.category != FeatureCategory::Information) enableFeatureControls(feature, false);
}
