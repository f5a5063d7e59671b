// What comparing the registry after whole-program runs cannot see: texts that
// are never written there, and ids that would clash in the dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <vector>

#include "catalog/FeatureCatalog.h"

namespace {

bool isShiftJis(const char* text) {
    return MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0) > 1;
}

TEST(CatalogTextTest, EveryTextIsShiftJisAndEveryParagraphOpensWithAnIdeographicSpace) {
    ASSERT_FALSE(isShiftJis("\x82\xB7\x81\x7F"));  // the check itself can fail
    std::vector<const char*> texts, paragraphs;     // paragraphs: descriptions and refusals
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        texts.push_back(row.caption);
        paragraphs.push_back(row.description);
        if (row.refusalMessage != nullptr) paragraphs.push_back(row.refusalMessage);
        if (row.upgrade != nullptr) texts.push_back(row.upgrade->caption), paragraphs.push_back(row.upgrade->description);
        for (const MenuEntry& entry : row.entries) texts.push_back(entry.caption);
        for (const LegacyCaption& legacy : row.legacyCaptions) texts.push_back(legacy.oldCaption);
    }
    for (int category = 0; category < 5; ++category)
        texts.push_back(FeatureCatalog::categoryText(static_cast<FeatureCategory>(category)));
    EXPECT_EQ(17u + 3 + 2, paragraphs.size());
    for (const char* text : paragraphs) EXPECT_EQ(0, std::strncmp("\x81\x40", text, 2)) << text;
    texts.insert(texts.end(), paragraphs.begin(), paragraphs.end());
    EXPECT_EQ(32u + 17 * 2 + 3 + 2 * 2 + 5, texts.size());
    for (const char* text : texts) EXPECT_TRUE(isShiftJis(text)) << text;
}

TEST(CatalogTextTest, ControlIdsAreUnique) {
    std::multiset<int> ids;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        ids.insert({row.checkBoxId, row.descriptionId});
        if (row.upgrade != nullptr) ids.insert({row.upgrade->checkBoxId, row.upgrade->descriptionId});
    }
    EXPECT_EQ(38u, ids.size());
    EXPECT_EQ(ids.size(), std::set<int>(ids.begin(), ids.end()).size());
}

}  // namespace
