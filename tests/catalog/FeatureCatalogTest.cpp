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

TEST(FeatureCatalogTest, LookupsFindTheRowsInCatalogOrder) {
    const TableRange<FeatureEntry> rows = FeatureCatalog::rows();
    ASSERT_EQ(17, rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(i + 1, rows[i].number);
        EXPECT_EQ(&rows[i], &FeatureCatalog::row(i + 1));
        EXPECT_EQ(&rows[i], FeatureCatalog::findByCheckBoxId(rows[i].checkBoxId));
        EXPECT_EQ(nullptr, FeatureCatalog::findByCheckBoxId(rows[i].descriptionId));
    }
    // The panel's eight rows, the two couriers, one, four, and the last two.
    const std::vector<int> categories[] = {{1, 2, 3, 4, 5, 6, 7, 8}, {9, 10}, {11}, {12, 13, 14, 15}, {16, 17}};
    for (int category = 0; category < 5; ++category) {
        const FeatureEntry* found[FeatureCatalog::kRowCount] = {};
        const int count = FeatureCatalog::rowsInCategory(static_cast<FeatureCategory>(category), found, 17);
        EXPECT_EQ(categories[category], numbersOf(found, count)) << category;
    }
    const FeatureEntry* found[FeatureCatalog::kRowCount] = {};
    const int count = FeatureCatalog::rowsWithUpgrade(found, 17);
    EXPECT_EQ((std::vector<int>{2, 3}), numbersOf(found, count));
    EXPECT_EQ(nullptr, FeatureCatalog::findByCheckBoxId(1032));  // an upgrade check box is no row's

    // A short array gets the first rows and the full count.
    const FeatureEntry* firstOnly[2] = {};
    EXPECT_EQ(8, FeatureCatalog::rowsInCategory(FeatureCategory::Information, firstOnly, 1));
    EXPECT_EQ(1, numberOf(firstOnly[0]));
    EXPECT_EQ(nullptr, firstOnly[1]);
    EXPECT_EQ(2, FeatureCatalog::rowsWithUpgrade(nullptr, 0));
}

TEST(FeatureCatalogTest, RowsCarryOnlyWhatTheirKindAllows) {
    int discontinued = 0;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        discontinued += row.discontinued;
        EXPECT_EQ(row.discontinued, row.refusalMessage != nullptr) << row.number;
        EXPECT_EQ(row.kind == FeatureKind::SourceViewerSetting, row.entries.size() == 0) << row.number;
        EXPECT_LE(row.entries.size(), 5) << row.number;
        for (const MenuEntry& entry : row.entries) {
            EXPECT_EQ(row.discontinued, entry.script == nullptr) << entry.caption;
            // Only the browser's published bits, and none on what is never registered.
            EXPECT_EQ(0, entry.contexts & ~0x3F) << entry.caption;
            EXPECT_EQ(row.discontinued, entry.contexts == 0) << entry.caption;
        }
        for (const LegacyCaption& legacy : row.legacyCaptions) {
            EXPECT_GE(legacy.entryIndex, 1) << row.number;
            EXPECT_LE(legacy.entryIndex, row.entries.size()) << row.number;
        }
        if (row.upgrade == nullptr) continue;
        EXPECT_LE(row.upgrade->entryCount, row.entries.size());
        // Otherwise an entry registered now would look outdated at the next start.
        EXPECT_EQ(row.entries[0].contexts, row.upgrade->expectedContexts);
    }
    EXPECT_EQ(3, discontinued);
    EXPECT_TRUE(FeatureCatalog::row(16).discontinued);
    EXPECT_EQ(FeatureKind::SourceViewerSetting, FeatureCatalog::row(16).kind);
}

TEST(FeatureCatalogTest, ControlIdsAreUnique) {
    std::multiset<int> ids;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        ids.insert({row.checkBoxId, row.descriptionId});
        if (row.upgrade != nullptr) ids.insert({row.upgrade->checkBoxId, row.upgrade->descriptionId});
    }
    EXPECT_EQ(38u, ids.size());
    EXPECT_EQ(ids.size(), std::set<int>(ids.begin(), ids.end()).size());
}

}  // namespace
