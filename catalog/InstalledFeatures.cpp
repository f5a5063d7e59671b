// What is installed when the wizard starts, worked out from the menu entries.
// Entries written under older captions are moved to the current ones here,
// before the wizard is shown; that move stays even if the user cancels.
#include "app/SetupWizard.h"
#include "catalog/FeatureCatalog.h"
#include "registry/JoinedText.h"
#include "registry/RegKey.h"
#include "registry/RegistryLocations.h"

namespace {

// The rows in the order they are probed, which is also the order of the
// migrations' registry writes. The source viewer's row is read separately.
constexpr FeatureRow kDetectionOrder[] = {
    FeatureRow::PictureGatherer, FeatureRow::PortalLexicon,    FeatureRow::PortalLexiconPlus, FeatureRow::FreewareFinder,
    FeatureRow::OmniQuery,       FeatureRow::UriGrabber,       FeatureRow::PolyglotRelay,     FeatureRow::HostRedirector,
    FeatureRow::XdriveCourier,   FeatureRow::IdriveCourier,    FeatureRow::HereOpener,        FeatureRow::FormSentinel,
    FeatureRow::TargetRevealer,  FeatureRow::RemoteMarkupPeek, FeatureRow::CrumbViewer,       FeatureRow::PaneUnwrapper,
};
static_assert(sizeof kDetectionOrder / sizeof kDetectionOrder[0] == FeatureCatalog::kRowCount - 1,
              "every row but the source viewer's");

const LegacyCaption* migration(const FeatureEntry& feature) {
    for (const LegacyCaption& legacy : feature.legacyCaptions)
        if (legacy.mode == LegacyMode::Migrate) return &legacy;
    return nullptr;
}

bool hasRemoveInsteadCaptions(const FeatureEntry& feature) {
    for (const LegacyCaption& legacy : feature.legacyCaptions)
        if (legacy.mode == LegacyMode::RemoveInstead) return true;
    return false;
}

}  // namespace

void SetupWizard::detectInstalledFeatures() {
    // Serves the contexts checks of both dictionary rows.
    RegKey dictionaryKey;
    for (FeatureRow number : kDetectionOrder) {
        const FeatureEntry& feature = FeatureCatalog::row(number);
        int& installed = startState(feature);
        const MenuEntry& probe = feature.entries[0];
        if (feature.upgrade != nullptr) {
            installed = 0;
            dictionaryKey.setPath(joinText(kMenuExtPath, probe.caption).get());
            if (!dictionaryKey.exists()) continue;
            installed = 1;
            dictionaryKey.openKey(false);
            const DWORD type = REG_BINARY;
            const DWORD size = 1;
            outdatedFlag(feature) =
                !dictionaryKey.valueEquals(kContextsValueName, &type, &feature.upgrade->expectedContexts, &size);
        } else if (hasRemoveInsteadCaptions(feature)) {
            // Every caption is probed, the older ones first; none is rewritten.
            installed = 0;
            for (const LegacyCaption& legacy : feature.legacyCaptions) {
                if (!isMenuEntryRegistered(legacy.oldCaption)) continue;
                installed = 1;
                xdriveOldCaptions = true;
            }
            for (const MenuEntry& entry : feature.entries)
                if (isMenuEntryRegistered(entry.caption)) installed = 1;
        } else if (const LegacyCaption* legacy = migration(feature)) {
            installed = 1;
            if (isMenuEntryRegistered(probe.caption)) continue;
            if (!isMenuEntryRegistered(legacy->oldCaption)) {
                installed = 0;
                continue;
            }
            // A failure has been reported; the older entry then stays, and the
            // next start tries again.
            const MenuEntry& current = *legacy->entry;
            if (registerMenuEntry(current.caption, current.script, current.contexts))
                unregisterMenuEntry(legacy->oldCaption);
        } else {
            installed = isMenuEntryRegistered(probe.caption) ? 1 : 0;
        }
    }
}
