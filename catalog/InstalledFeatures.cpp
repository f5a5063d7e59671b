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
constexpr int kDetectionOrder[] = {1, 2, 3, 4, 6, 7, 8, 5, 9, 10, 11, 12, 13, 14, 15, 17};

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
    for (int number : kDetectionOrder) {
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
            *outdatedFlag(feature) =
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
            const MenuEntry& current = feature.entries[legacy->entryIndex - 1];
            if (registerMenuEntry(current.caption, current.script, current.contexts))
                unregisterMenuEntry(legacy->oldCaption);
        } else {
            installed = isMenuEntryRegistered(probe.caption) ? 1 : 0;
        }
    }
}
