// What is installed when the wizard starts, worked out from the menu entries.
// Entries written under older captions are moved to the current ones here,
// before the wizard is shown; that move stays even if the user cancels.
#include "app/SetupWizard.h"
#include "catalog/DetectionOrder.h"
#include "catalog/FeatureCatalog.h"
#include "registry/MenuEntries.h"
#include "registry/RegKey.h"
#include "registry/RegistryLocations.h"

namespace {

constexpr bool everyMenuRowOnce() {
    constexpr int count = sizeof kDetectionOrder / sizeof kDetectionOrder[0];
    if (count != FeatureCatalog::kRowCount - 1) return false;
    for (int number = 1; number <= FeatureCatalog::kRowCount; ++number) {
        int found = 0;
        for (FeatureRow row : kDetectionOrder)
            if (static_cast<int>(row) == number) ++found;
        if (found != (static_cast<FeatureRow>(number) == FeatureRow::MarkupReaderSwap ? 0 : 1)) return false;
    }
    return true;
}
static_assert(everyMenuRowOnce(), "every row once but the source viewer's, which is read separately");

const LegacyCaption* migration(const FeatureEntry& feature) {
    for (const LegacyCaption& legacy : feature.legacyCaptions)
        if (legacy.mode == LegacyMode::Migrate) return &legacy;
    return nullptr;
}

}  // namespace

void SetupWizard::detectInstalledFeatures() {
    // Serves the contexts checks of both dictionary rows.
    RegKey dictionaryKey;
    for (FeatureRow number : kDetectionOrder) {
        const FeatureEntry& feature = FeatureCatalog::row(number);
        int& installed = startState(feature);
        if (feature.upgrade != nullptr)
            installed = detectDictionary(feature, dictionaryKey);
        else if (number == FeatureRow::XdriveCourier)
            installed = detectXdriveCourier(feature);
        else if (const LegacyCaption* legacy = migration(feature))
            installed = detectMoving(feature, *legacy);
        else
            installed = isMenuEntryRegistered(feature.entries[0].caption) ? 1 : 0;
    }
}

// Installed when the probe entry is there; outdated when that entry's contexts
// byte is not the one this version writes, which the upgrade page offers to fix.
int SetupWizard::detectDictionary(const FeatureEntry& feature, RegKey& key) {
    setMenuEntryPath(key, feature.entries[0].caption);
    if (!key.exists()) return 0;
    // A failed open leaves the key without a handle, and the comparison then
    // answers no: the row counts as outdated, as for an unreadable value.
    key.openKey(false);
    const DWORD type = REG_BINARY;
    const DWORD size = 1;
    outdatedFlag(feature) = !key.valueEquals(kContextsValueName, &type, &feature.upgrade->expectedContexts, &size);
    return 1;
}

// Every caption is probed, the older spelling first, and none is rewritten:
// the removal deletes whichever spelling the detection found.
int SetupWizard::detectXdriveCourier(const FeatureEntry& feature) {
    int installed = 0;
    for (const LegacyCaption& legacy : feature.legacyCaptions) {
        if (!isMenuEntryRegistered(legacy.oldCaption)) continue;
        installed = 1;
        xdriveOldCaptions = true;
    }
    for (const MenuEntry& entry : feature.entries)
        if (isMenuEntryRegistered(entry.caption)) installed = 1;
    return installed;
}

// An entry found only under its older caption is moved to the current one.
// The row counts as installed even when the move fails: the failure has been
// reported, the older entry then stays, and the next start tries again.
int SetupWizard::detectMoving(const FeatureEntry& feature, const LegacyCaption& legacy) {
    if (isMenuEntryRegistered(feature.entries[0].caption)) return 1;
    if (!isMenuEntryRegistered(legacy.oldCaption)) return 0;
    const MenuEntry& current = *legacy.entry;
    if (registerMenuEntry(current.caption, current.script, current.contexts)) unregisterMenuEntry(legacy.oldCaption);
    return 1;
}
