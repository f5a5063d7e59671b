#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "catalog/FeatureCatalog.h"

namespace {

int numberOf(const FeatureEntry* row) { return row != nullptr ? row->number : 0; }

std::vector<int> numbersOf(const FeatureEntry* const found[], int count) {
    std::vector<int> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(numberOf(found[i]));
    return numbers;
}

TEST(FeatureCatalogTest, RowsComeInNumberOrderAndRowFindsEach) {
    const TableRange<FeatureEntry> rows = FeatureCatalog::rows();
    ASSERT_EQ(17, rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(i + 1, rows[i].number);
        EXPECT_EQ(&rows[i], &FeatureCatalog::row(i + 1));
    }
}

TEST(FeatureCatalogTest, CheckBoxIdsFindTheirRowsAndNothingElse) {
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        EXPECT_EQ(&row, FeatureCatalog::findByCheckBoxId(row.checkBoxId));
        EXPECT_EQ(nullptr, FeatureCatalog::findByCheckBoxId(row.descriptionId));
    }
    // The check boxes whose ticks are refused.
    EXPECT_EQ(9, numberOf(FeatureCatalog::findByCheckBoxId(1011)));
    EXPECT_EQ(10, numberOf(FeatureCatalog::findByCheckBoxId(1021)));
    EXPECT_EQ(16, numberOf(FeatureCatalog::findByCheckBoxId(1027)));
    // An upgrade offer's check box belongs to no row.
    EXPECT_EQ(nullptr, FeatureCatalog::findByCheckBoxId(1032));
}

TEST(FeatureCatalogTest, CategoriesListTheirRowsInCatalogOrder) {
    const FeatureCategory categories[] = {FeatureCategory::Information, FeatureCategory::FreeServices,
                                          FeatureCategory::ResourceSaving, FeatureCategory::SecurityPrivacy,
                                          FeatureCategory::Other};
    std::set<const char*> texts;
    int listed = 0;
    for (FeatureCategory category : categories) {
        std::vector<int> expected;
        for (const FeatureEntry& row : FeatureCatalog::rows()) {
            if (row.category == category) expected.push_back(row.number);
        }
        const FeatureEntry* found[FeatureCatalog::kRowCount] = {};
        const int count = FeatureCatalog::rowsInCategory(category, found, FeatureCatalog::kRowCount);
        EXPECT_EQ(expected, numbersOf(found, count));
        listed += count;
        texts.insert(FeatureCatalog::categoryText(category));
    }
    EXPECT_EQ(17, listed);
    EXPECT_EQ(5u, texts.size());

    // The panel holds the first eight rows; the two couriers make up their own category.
    const FeatureEntry* found[FeatureCatalog::kRowCount] = {};
    const int panelRows = FeatureCatalog::rowsInCategory(FeatureCategory::Information, found, FeatureCatalog::kRowCount);
    EXPECT_EQ((std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}), numbersOf(found, panelRows));
    const int courierRows = FeatureCatalog::rowsInCategory(FeatureCategory::FreeServices, found, FeatureCatalog::kRowCount);
    EXPECT_EQ((std::vector<int>{9, 10}), numbersOf(found, courierRows));
}

TEST(FeatureCatalogTest, ShortArraysGetTheFirstRowsAndTheFullCount) {
    const FeatureEntry* found[2] = {};
    EXPECT_EQ(8, FeatureCatalog::rowsInCategory(FeatureCategory::Information, found, 1));
    EXPECT_EQ(1, numberOf(found[0]));
    EXPECT_EQ(nullptr, found[1]);
    EXPECT_EQ(2, FeatureCatalog::rowsWithUpgrade(nullptr, 0));
}

TEST(FeatureCatalogTest, UpgradeOffersSitOnTheDictionaryRows) {
    const FeatureEntry* found[FeatureCatalog::kRowCount] = {};
    const int count = FeatureCatalog::rowsWithUpgrade(found, FeatureCatalog::kRowCount);
    ASSERT_EQ((std::vector<int>{2, 3}), numbersOf(found, count));
    EXPECT_EQ(1, found[0]->upgrade->entryCount);
    EXPECT_EQ(5, found[1]->upgrade->entryCount);
    for (int i = 0; i < count; ++i) {
        const UpgradeOffer& offer = *found[i]->upgrade;
        EXPECT_LE(offer.entryCount, found[i]->entries.size());
        // Otherwise an entry registered now would look outdated at the next start.
        EXPECT_EQ(found[i]->entries[0].contexts, offer.expectedContexts);
    }
}

TEST(FeatureCatalogTest, DiscontinuedRowsCarryNothingToRegister) {
    int discontinued = 0;
    int sourceViewerRows = 0;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        EXPECT_EQ(row.discontinued, row.refusalMessage != nullptr) << row.number;
        if (row.discontinued) ++discontinued;
        for (const MenuEntry& entry : row.entries) {
            EXPECT_EQ(row.discontinued, entry.script == nullptr) << row.number;
            if (row.discontinued) EXPECT_EQ(0, entry.contexts) << row.number;
        }
        if (row.kind == FeatureKind::SourceViewerSetting) {
            ++sourceViewerRows;
            EXPECT_EQ(0, row.entries.size());
            EXPECT_TRUE(row.discontinued);
        }
    }
    EXPECT_EQ(3, discontinued);
    EXPECT_EQ(1, sourceViewerRows);
}

TEST(FeatureCatalogTest, EntriesMasksAndLegacyIndexesAreInRange) {
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        if (row.kind == FeatureKind::MenuExtension) {
            EXPECT_GE(row.entries.size(), 1) << row.number;
            EXPECT_LE(row.entries.size(), 5) << row.number;
        }
        for (const MenuEntry& entry : row.entries) {
            if (row.discontinued) continue;
            EXPECT_NE(0, entry.contexts) << entry.caption;
            EXPECT_EQ(0, entry.contexts & ~0x3F) << entry.caption;  // only the browser's published bits
        }
        for (const LegacyCaption& legacy : row.legacyCaptions) {
            EXPECT_GE(legacy.entryIndex, 1) << row.number;
            EXPECT_LE(legacy.entryIndex, row.entries.size()) << row.number;
        }
    }
}

TEST(FeatureCatalogTest, ControlIdsAreUnique) {
    std::multiset<int> ids;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        ids.insert(row.checkBoxId);
        ids.insert(row.descriptionId);
        if (row.upgrade == nullptr) continue;
        ids.insert(row.upgrade->checkBoxId);
        ids.insert(row.upgrade->descriptionId);
    }
    EXPECT_EQ(38u, ids.size());
    EXPECT_EQ(ids.size(), std::set<int>(ids.begin(), ids.end()).size());
}

}  // namespace
