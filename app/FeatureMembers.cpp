// The wizard's members of each feature, found by the feature's catalog row,
// and a category row's controls gathered from them.
#include "app/SetupWizard.h"

#include <cstddef>

#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/EditBox.h"
#include "controls/PushButton.h"
#include "controls/StaticText.h"

namespace {

using W = SetupWizard;

// A row lives either in the feature panel (a row index) or as a check box with
// its text.
struct FeatureMembers {
    FeatureRow row;
    int W::*installed;
    short W::*panelRow;
    CheckBox* W::*check;
    StaticText* W::*text;
};

constexpr FeatureMembers kFeatureMembers[] = {
    {FeatureRow::PictureGatherer, &W::pictureGathererInstalled, &W::pictureGathererRow, nullptr, nullptr},
    {FeatureRow::PortalLexicon, &W::portalLexiconInstalled, &W::portalLexiconRow, nullptr, nullptr},
    {FeatureRow::PortalLexiconPlus, &W::portalLexiconPlusInstalled, &W::portalLexiconPlusRow, nullptr, nullptr},
    {FeatureRow::FreewareFinder, &W::freewareFinderInstalled, &W::freewareFinderRow, nullptr, nullptr},
    {FeatureRow::HostRedirector, &W::hostRedirectorInstalled, &W::hostRedirectorRow, nullptr, nullptr},
    {FeatureRow::OmniQuery, &W::omniQueryInstalled, &W::omniQueryRow, nullptr, nullptr},
    {FeatureRow::UriGrabber, &W::uriGrabberInstalled, &W::uriGrabberRow, nullptr, nullptr},
    {FeatureRow::PolyglotRelay, &W::polyglotRelayInstalled, &W::polyglotRelayRow, nullptr, nullptr},
    {FeatureRow::XdriveCourier, &W::xdriveCourierInstalled, nullptr, &W::xdriveCourierCheck, &W::xdriveCourierText},
    {FeatureRow::IdriveCourier, &W::idriveCourierInstalled, nullptr, &W::idriveCourierCheck, &W::idriveCourierText},
    {FeatureRow::HereOpener, &W::hereOpenerInstalled, nullptr, &W::hereOpenerCheck, &W::hereOpenerText},
    {FeatureRow::FormSentinel, &W::formSentinelInstalled, nullptr, &W::formSentinelCheck, &W::formSentinelText},
    {FeatureRow::TargetRevealer, &W::targetRevealerInstalled, nullptr, &W::targetRevealerCheck,
     &W::targetRevealerText},
    {FeatureRow::RemoteMarkupPeek, &W::remoteMarkupPeekInstalled, nullptr, &W::remoteMarkupPeekCheck,
     &W::remoteMarkupPeekText},
    {FeatureRow::CrumbViewer, &W::crumbViewerInstalled, nullptr, &W::crumbViewerCheck, &W::crumbViewerText},
    {FeatureRow::MarkupReaderSwap, &W::markupReaderSwapInstalled, nullptr, &W::markupReaderSwapCheck,
     &W::markupReaderSwapText},
    {FeatureRow::PaneUnwrapper, &W::paneUnwrapperInstalled, nullptr, &W::paneUnwrapperCheck, &W::paneUnwrapperText},
};

constexpr bool oneEntryPerRowInOrder() {
    constexpr std::size_t count = sizeof kFeatureMembers / sizeof kFeatureMembers[0];
    if (count != FeatureCatalog::kRowCount) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (static_cast<std::size_t>(kFeatureMembers[i].row) != i + 1) return false;
    return true;
}
static_assert(oneEntryPerRowInOrder(), "the members of every row, at the row's number");

// The members of the two features whose entries can be upgraded.
struct UpgradeMembers {
    FeatureRow row;
    bool W::*outdated;
    CheckBox* W::*check;
    StaticText* W::*text;
};

constexpr UpgradeMembers kUpgradeMembers[] = {
    {FeatureRow::PortalLexicon, &W::portalLexiconOutdated, &W::portalLexiconUpgradeCheck,
     &W::portalLexiconUpgradeText},
    {FeatureRow::PortalLexiconPlus, &W::portalLexiconPlusOutdated, &W::portalLexiconPlusUpgradeCheck,
     &W::portalLexiconPlusUpgradeText},
};

constexpr bool oneEntryPerUpgradeRow() {
    constexpr std::size_t count = sizeof kUpgradeMembers / sizeof kUpgradeMembers[0];
    if (count != sizeof kUpgradeRows / sizeof kUpgradeRows[0]) return false;
    for (std::size_t i = 0; i < count; ++i)
        if (kUpgradeMembers[i].row != kUpgradeRows[i]) return false;
    return true;
}
static_assert(oneEntryPerUpgradeRow(), "the upgrade members of every row with an offer");

const FeatureMembers& membersOf(const FeatureEntry& feature) {
    return kFeatureMembers[static_cast<int>(feature.number) - 1];
}

// Asked only for a row that carries an upgrade offer, so the search ends on it.
const UpgradeMembers& upgradeMembersOf(const FeatureEntry& feature) {
    const UpgradeMembers* members = kUpgradeMembers;
    while (members->row != feature.number) ++members;
    return *members;
}

}  // namespace

int& SetupWizard::startState(const FeatureEntry& feature) { return this->*membersOf(feature).installed; }

short& SetupWizard::panelRow(const FeatureEntry& feature) { return this->*membersOf(feature).panelRow; }

CheckBox*& SetupWizard::checkSlot(const FeatureEntry& feature) { return this->*membersOf(feature).check; }

StaticText*& SetupWizard::textSlot(const FeatureEntry& feature) { return this->*membersOf(feature).text; }

CheckBox* SetupWizard::featureCheck(const FeatureEntry& feature) {
    const FeatureMembers& members = membersOf(feature);
    return members.check != nullptr ? this->*members.check : nullptr;
}

bool& SetupWizard::outdatedFlag(const FeatureEntry& feature) { return this->*upgradeMembersOf(feature).outdated; }

CheckBox*& SetupWizard::upgradeCheckSlot(const FeatureEntry& feature) { return this->*upgradeMembersOf(feature).check; }

StaticText*& SetupWizard::upgradeTextSlot(const FeatureEntry& feature) { return this->*upgradeMembersOf(feature).text; }

// The category controls of one feature, in the order they are shown, hidden
// and disabled. The source viewer's row has its path field and browse button
// too, and exists only when it was installed at start.
int SetupWizard::featureControls(const FeatureEntry& feature, Control* controls[kMostFeatureControls]) {
    CheckBox* check = featureCheck(feature);
    if (check == nullptr) return 0;
    StaticText* text = textSlot(feature);
    if (feature.kind != FeatureKind::SourceViewerSetting) {
        controls[0] = check;
        controls[1] = text;
        return 2;
    }
    controls[0] = text;
    controls[1] = check;
    controls[2] = editorBrowseButton;
    controls[3] = editorPathEdit;
    return 4;
}

void SetupWizard::showFeatureControls(const FeatureEntry& feature, bool visible) {
    Control* controls[kMostFeatureControls];
    const int count = featureControls(feature, controls);
    for (int i = 0; i < count; ++i) controls[i]->show(visible);
}

void SetupWizard::enableFeatureControls(const FeatureEntry& feature, bool enabled) {
    Control* controls[kMostFeatureControls];
    const int count = featureControls(feature, controls);
    for (int i = 0; i < count; ++i) controls[i]->enable(enabled);
}
