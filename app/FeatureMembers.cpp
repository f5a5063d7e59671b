#include "app/SetupWizard.h"

#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/StaticText.h"

namespace {

using W = SetupWizard;

// The wizard's members of each feature, by catalog row. A row lives either in
// the feature panel (a row index) or as a check box with its text.
struct FeatureMembers {
    int W::*installed;
    short W::*panelRow;
    std::unique_ptr<CheckBox> W::*check;
    std::unique_ptr<StaticText> W::*text;
};

constexpr FeatureMembers kFeatureMembers[FeatureCatalog::kRowCount] = {
    {&W::pictureGathererInstalled, &W::pictureGathererRow, nullptr, nullptr},
    {&W::portalLexiconInstalled, &W::portalLexiconRow, nullptr, nullptr},
    {&W::portalLexiconPlusInstalled, &W::portalLexiconPlusRow, nullptr, nullptr},
    {&W::freewareFinderInstalled, &W::freewareFinderRow, nullptr, nullptr},
    {&W::hostRedirectorInstalled, &W::hostRedirectorRow, nullptr, nullptr},
    {&W::omniQueryInstalled, &W::omniQueryRow, nullptr, nullptr},
    {&W::uriGrabberInstalled, &W::uriGrabberRow, nullptr, nullptr},
    {&W::polyglotRelayInstalled, &W::polyglotRelayRow, nullptr, nullptr},
    {&W::xdriveCourierInstalled, nullptr, &W::xdriveCourierCheck, &W::xdriveCourierText},
    {&W::idriveCourierInstalled, nullptr, &W::idriveCourierCheck, &W::idriveCourierText},
    {&W::hereOpenerInstalled, nullptr, &W::hereOpenerCheck, &W::hereOpenerText},
    {&W::formSentinelInstalled, nullptr, &W::formSentinelCheck, &W::formSentinelText},
    {&W::targetRevealerInstalled, nullptr, &W::targetRevealerCheck, &W::targetRevealerText},
    {&W::remoteMarkupPeekInstalled, nullptr, &W::remoteMarkupPeekCheck, &W::remoteMarkupPeekText},
    {&W::crumbViewerInstalled, nullptr, &W::crumbViewerCheck, &W::crumbViewerText},
    {&W::markupReaderSwapInstalled, nullptr, &W::markupReaderSwapCheck, &W::markupReaderSwapText},
    {&W::paneUnwrapperInstalled, nullptr, &W::paneUnwrapperCheck, &W::paneUnwrapperText},
};

// The members of the two features whose entries can be upgraded.
struct UpgradeMembers {
    int row;
    bool W::*outdated;
    std::unique_ptr<CheckBox> W::*check;
    std::unique_ptr<StaticText> W::*text;
};

constexpr UpgradeMembers kUpgradeMembers[] = {
    {2, &W::portalLexiconOutdated, &W::portalLexiconUpgradeCheck, &W::portalLexiconUpgradeText},
    {3, &W::portalLexiconPlusOutdated, &W::portalLexiconPlusUpgradeCheck, &W::portalLexiconPlusUpgradeText},
};

const FeatureMembers& membersOf(const FeatureEntry& feature) { return kFeatureMembers[feature.number - 1]; }

const UpgradeMembers* upgradeMembersOf(const FeatureEntry& feature) {
    for (const UpgradeMembers& members : kUpgradeMembers)
        if (members.row == feature.number) return &members;
    return nullptr;
}

}  // namespace

int& SetupWizard::startState(const FeatureEntry& feature) { return this->*membersOf(feature).installed; }

short* SetupWizard::panelRow(const FeatureEntry& feature) {
    const FeatureMembers& members = membersOf(feature);
    return members.panelRow != nullptr ? &(this->*members.panelRow) : nullptr;
}

std::unique_ptr<CheckBox>* SetupWizard::checkSlot(const FeatureEntry& feature) {
    const FeatureMembers& members = membersOf(feature);
    return members.check != nullptr ? &(this->*members.check) : nullptr;
}

std::unique_ptr<StaticText>* SetupWizard::textSlot(const FeatureEntry& feature) {
    const FeatureMembers& members = membersOf(feature);
    return members.text != nullptr ? &(this->*members.text) : nullptr;
}

CheckBox* SetupWizard::featureCheck(const FeatureEntry& feature) {
    std::unique_ptr<CheckBox>* slot = checkSlot(feature);
    return slot != nullptr ? slot->get() : nullptr;
}

bool* SetupWizard::outdatedFlag(const FeatureEntry& feature) {
    const UpgradeMembers* members = upgradeMembersOf(feature);
    return members != nullptr ? &(this->*members->outdated) : nullptr;
}

std::unique_ptr<CheckBox>* SetupWizard::upgradeCheckSlot(const FeatureEntry& feature) {
    const UpgradeMembers* members = upgradeMembersOf(feature);
    return members != nullptr ? &(this->*members->check) : nullptr;
}

std::unique_ptr<StaticText>* SetupWizard::upgradeTextSlot(const FeatureEntry& feature) {
    const UpgradeMembers* members = upgradeMembersOf(feature);
    return members != nullptr ? &(this->*members->text) : nullptr;
}
