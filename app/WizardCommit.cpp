// The commit: every difference between the user's ticks and the start states,
// written to the registry. Apart from the caption migration at start, these
// are the only registry writes the wizard makes.
#include "app/SetupWizard.h"
#include "catalog/FeatureCatalog.h"
#include "controls/CheckBox.h"
#include "controls/FeatureListPanel.h"

// Upgrades first, then every menu feature in catalog order, then the source
// viewer. The first failure ends it; nothing written before is undone.
bool SetupWizard::commit(bool& changed) {
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.upgrade == nullptr || !outdatedFlag(feature) || !upgradeCheckSlot(feature)->isChecked()) continue;
        for (int i = 0; i < feature.upgrade->entryCount; ++i) {
            const MenuEntry& entry = feature.entries[i];
            if (!registerMenuEntry(entry.caption, entry.script, entry.contexts)) return false;
        }
        changed = true;
    }
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.kind != FeatureKind::MenuExtension) continue;
        const bool wanted = chosen(feature);
        if (wanted == (startState(feature) == 1)) continue;
        // A discontinued feature can only go; its check box refuses ticks.
        if (wanted && feature.discontinued) continue;
        if (!(wanted ? addFeature(feature) : removeFeature(feature))) return false;
        changed = true;
    }
    for (const FeatureEntry& feature : FeatureCatalog::rows()) {
        if (feature.kind != FeatureKind::SourceViewerSetting || featureCheck(feature) == nullptr) continue;
        if (chosen(feature) || startState(feature) == 0) continue;
        if (!removeSourceViewerSetting()) return false;
        changed = true;
    }
    return true;
}

bool SetupWizard::chosen(const FeatureEntry& feature) {
    if (feature.category == FeatureCategory::Information) return featurePanel->isChecked(panelRow(feature));
    CheckBox* check = featureCheck(feature);
    return check != nullptr && check->isChecked();
}

bool SetupWizard::addFeature(const FeatureEntry& feature) {
    for (const MenuEntry& entry : feature.entries)
        if (!registerMenuEntry(entry.caption, entry.script, entry.contexts)) return false;
    return true;
}

bool SetupWizard::removeFeature(const FeatureEntry& feature) {
    for (const MenuEntry& entry : feature.entries)
        if (!unregisterMenuEntry(removalCaption(feature, entry))) return false;
    return true;
}

// Xdrive Courier may still be registered under its older captions; then
// those are what is removed.
const char* SetupWizard::removalCaption(const FeatureEntry& feature, const MenuEntry& entry) {
    if (xdriveOldCaptions)
        for (const LegacyCaption& legacy : feature.legacyCaptions)
            if (legacy.mode == LegacyMode::RemoveInstead && legacy.entry == &entry) return legacy.oldCaption;
    return entry.caption;
}
