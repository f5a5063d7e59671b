// The controls of every page, made once when the dialog starts. Every window
// is created hidden; the tables say what is shown, enabled or ticked at once.
#include "app/ControlIds.h"
#include "app/SetupWizard.h"
#include "app/WizardTexts.h"
#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/ComboBox.h"
#include "controls/EditBox.h"
#include "controls/FeatureListPanel.h"
#include "controls/FeatureRowPlaces.h"
#include "controls/GroupBox.h"
#include "controls/PushButton.h"
#include "controls/StaticText.h"

namespace {

using W = SetupWizard;

constexpr Place kSeparatorLinePlace = {8, 288, 452, 2};

// The three buttons, in the order they are made, and whether each starts
// enabled; all three are shown at once.
struct ButtonPlace {
    PushButton* W::*button;
    Place place;
    const char* label;
    int id;
    bool enabled;
};

constexpr ButtonPlace kButtons[] = {
    {&W::backButton, {166, 300, 88, 22}, kBackLabel, kBackButtonId, false},
    {&W::nextButton, {254, 300, 88, 22}, kNextLabel, kNextButtonId, true},
    {&W::cancelButton, {350, 300, 88, 22}, kCancelLabel, kCancelButtonId, true},
};

// The texts of the welcome page, shown at once, and of the features page.
struct TextPlace {
    StaticText* W::*field;
    Place place;
    const char* text;
    int id;
};

constexpr TextPlace kWelcomeTexts[] = {
    {&W::welcomeText1, {16, 16, 436, 14}, kWelcomeText1, kWelcomeText1Id},
    {&W::welcomeText2, {16, 30, 436, 35}, kWelcomeText2, kWelcomeText2Id},
    {&W::welcomeText3, {16, 68, 436, 14}, kWelcomeText3, kWelcomeText3Id},
};

constexpr TextPlace kFeaturesTexts[] = {
    {&W::featuresText1, {16, 16, 436, 14}, kFeaturesText1, kFeaturesText1Id},
    {&W::featuresText2, {16, 30, 436, 28}, kFeaturesText2, kFeaturesText2Id},
};

template <int N>
void makeTexts(W& wizard, const TextPlace (&texts)[N]) {
    for (const TextPlace& text : texts)
        makeControl(wizard.*text.field, wizard.dialogWindow, wizard.instance, text.place, text.text, text.id);
}

constexpr Place kCategoryFramePlace = {8, 62, 452, 210};
constexpr Place kCategoryComboPlace = {24, 58, 280, 100};  // the height includes the dropped-down list

constexpr short kPanelCapacity = 8;

// The free-standing check boxes of the categories, in the order they are
// made: each one's place from the top of its category, in rows as the panel
// stands them, and whether it starts a tab group.
struct CategoryPlace {
    FeatureRow row;
    int slot;
    bool group;
};

constexpr CategoryPlace kCategoryPlaces[] = {
    {FeatureRow::XdriveCourier, 0, false},    {FeatureRow::IdriveCourier, 1, false},
    {FeatureRow::HereOpener, 0, true},
    {FeatureRow::FormSentinel, 0, true},      {FeatureRow::TargetRevealer, 1, true},
    {FeatureRow::RemoteMarkupPeek, 2, true},  {FeatureRow::CrumbViewer, 3, true},
    {FeatureRow::MarkupReaderSwap, 0, true},  {FeatureRow::PaneUnwrapper, 0, true},
};

// Every row after the panel's, once each, in catalog order.
constexpr bool everyCategoryRowInOrder() {
    constexpr int count = sizeof kCategoryPlaces / sizeof kCategoryPlaces[0];
    for (int i = 0; i < count; ++i)
        if (kCategoryPlaces[i].row != static_cast<FeatureRow>(static_cast<int>(FeatureRow::XdriveCourier) + i))
            return false;
    return kCategoryPlaces[count - 1].row == FeatureRow::PaneUnwrapper;
}
static_assert(everyCategoryRowInOrder(), "one place per category row");

constexpr int kSourceViewerTextHeight = 56;
constexpr Place kEditorPathEditPlace = {48, 155, 326, 18};
constexpr Place kEditorBrowseButtonPlace = {378, 154, 60, 20};
// What follows the source viewer's four controls in its category moves down.
constexpr int kSourceViewerShift = 94;

constexpr Place kUpgradeTextPlace = {16, 16, 436, 14};
constexpr int kFirstOfferY = 64;
// Tighter than the rows elsewhere: the two offers were always laid out so.
constexpr int kOfferStep = 30;

}  // namespace

void SetupWizard::createPageControls() {
    separatorLine = new StaticText(dialogWindow, instance);
    separatorLine->setExStyle(WS_EX_STATICEDGE);
    placeAndCreate(*separatorLine, kSeparatorLinePlace, "", kSeparatorLineId);
    separatorLine->show(true);

    for (const ButtonPlace& place : kButtons) {
        PushButton& button = makeControl(this->*place.button, dialogWindow, instance, place.place, place.label, place.id);
        button.enable(place.enabled);
        button.show(true);
    }

    makeTexts(*this, kWelcomeTexts);
    for (const TextPlace& text : kWelcomeTexts) (this->*text.field)->show(true);
    makeTexts(*this, kFeaturesTexts);
    makeControl(categoryFrame, dialogWindow, instance, kCategoryFramePlace, "", kCategoryFrameId);
    makeControl(categoryCombo, dialogWindow, instance, kCategoryComboPlace, "", kCategoryComboId, true);
    fillCategoryList();
}

void SetupWizard::createFeaturePanel() {
    featurePanel = new FeatureListPanel(dialogWindow, instance, kPanelCapacity, kPanelScrollBarId);
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.category != FeatureCategory::Information) continue;
        const short row =
            featurePanel->addRow(feature.caption, feature.checkBoxId, feature.description, feature.descriptionId, false);
        panelRow(feature) = row;
        if (startState(feature) == 1) featurePanel->checkRow(row);
    }
}

void SetupWizard::createCategoryControls() {
    int shift = 0;
    for (const CategoryPlace& place : kCategoryPlaces) {
        const FeatureEntry& feature = FeatureCatalog::row(place.row);
        const bool sourceViewer = feature.kind == FeatureKind::SourceViewerSetting;
        if (sourceViewer && markupReaderSwapInstalled != 1) continue;
        createFeatureControls(feature, kFirstRowTop + place.slot * kRowStep + shift, place.group,
                              sourceViewer ? kSourceViewerTextHeight : kDescriptionHeight);
        if (!sourceViewer) continue;
        makeControl(editorPathEdit, dialogWindow, instance, kEditorPathEditPlace, "", kEditorPathEditId);
        editorPathEdit->setText(editorPath.get());
        editorPathEdit->enable(false);
        makeControl(editorBrowseButton, dialogWindow, instance, kEditorBrowseButtonPlace, kBrowseLabel,
                    kEditorBrowseButtonId);
        editorBrowseButton->enable(false);
        shift = kSourceViewerShift;
    }
}

void SetupWizard::createFeatureControls(const FeatureEntry& feature, int y, bool group, int textHeight) {
    makeRowControls(checkSlot(feature), textSlot(feature), dialogWindow, instance, y, group,
                    {feature.caption, feature.checkBoxId, feature.description, feature.descriptionId}, textHeight);
    if (startState(feature) == 1) checkSlot(feature)->setChecked(true);
}

void SetupWizard::createUpgradeControls() {
    hasUpgradePage = true;
    makeControl(upgradeText, dialogWindow, instance, kUpgradeTextPlace, kUpgradeHeading, kUpgradeTextId);
    int y = kFirstOfferY;
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.upgrade == nullptr || !outdatedFlag(feature)) continue;
        const UpgradeOffer& offer = *feature.upgrade;
        makeRowControls(upgradeCheckSlot(feature), upgradeTextSlot(feature), dialogWindow, instance, y, false,
                        {offer.caption, offer.checkBoxId, offer.description, offer.descriptionId});
        y += kOfferStep;
    }
}
