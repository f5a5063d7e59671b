#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalog/FeatureCatalog.h"

namespace {

const char kIdeographicSpace[] = "\x81\x40";
const char kSuru[] = "\x82\xB7\x82\xE9";  // "する"

std::vector<const char*> menuCaptions() {
    std::vector<const char*> captions;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        for (const MenuEntry& entry : row.entries) captions.push_back(entry.caption);
        for (const LegacyCaption& legacy : row.legacyCaptions) captions.push_back(legacy.oldCaption);
    }
    return captions;
}

// Every text the catalog hands to the system.
std::vector<const char*> allTexts() {
    std::vector<const char*> texts = menuCaptions();
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        texts.push_back(row.caption);
        texts.push_back(row.description);
        if (row.refusalMessage != nullptr) texts.push_back(row.refusalMessage);
        if (row.upgrade == nullptr) continue;
        texts.push_back(row.upgrade->caption);
        texts.push_back(row.upgrade->description);
    }
    for (FeatureCategory category : {FeatureCategory::Information, FeatureCategory::FreeServices,
                                     FeatureCategory::ResourceSaving, FeatureCategory::SecurityPrivacy,
                                     FeatureCategory::Other}) {
        texts.push_back(FeatureCatalog::categoryText(category));
    }
    return texts;
}

// Empty when the bytes are not Shift-JIS.
std::wstring decode(const char* text) {
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, nullptr, 0);
    if (length <= 1) return std::wstring();
    std::wstring wide(length, L'\0');
    MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, &wide[0], length);
    wide.resize(length - 1);
    return wide;
}

TEST(CatalogTextTest, EveryTextIsShiftJis) {
    ASSERT_TRUE(decode("\x82\xB7\x81\x7F").empty());  // the check itself can fail
    const std::vector<const char*> texts = allTexts();
    EXPECT_EQ(32u + 17 * 2 + 3 + 2 * 2 + 5, texts.size());
    for (const char* text : texts) EXPECT_FALSE(decode(text).empty()) << text;
}

// The registry compares key names without regard to case. A trail byte may be
// 0x5C, so a backslash only counts once the caption is decoded.
TEST(CatalogTextTest, MenuCaptionsAreDistinctKeyNamesWithoutBackslash) {
    std::set<std::wstring> seen;
    for (const char* caption : menuCaptions()) {
        std::wstring name = decode(caption);
        ASSERT_FALSE(name.empty()) << caption;
        EXPECT_EQ(std::wstring::npos, name.find(L'\\')) << caption;
        CharUpperBuffW(&name[0], static_cast<DWORD>(name.size()));
        EXPECT_TRUE(seen.insert(name).second) << caption;
    }
    EXPECT_EQ(32u, seen.size());
}

TEST(CatalogTextTest, LegacyCaptionsDifferFromTheCurrentOnesOnlyAsOlderVersionsWroteThem) {
    int migrate = 0;
    int removeInstead = 0;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        for (const LegacyCaption& legacy : row.legacyCaptions) {
            const std::string current = row.entries[legacy.entryIndex - 1].caption;
            std::string expected = current;
            if (legacy.mode == LegacyMode::Migrate) {
                ++migrate;
                const size_t accelerator = current.rfind("(&");
                ASSERT_NE(std::string::npos, accelerator);
                ASSERT_GE(accelerator, 4u);
                EXPECT_EQ(kSuru, current.substr(accelerator - 4, 4)) << current;
                expected.erase(accelerator - 4, 4);
            } else {
                ++removeInstead;
                expected.replace(expected.find("Xdrive"), 6, "X:drive");
            }
            EXPECT_EQ(expected, legacy.oldCaption);
        }
    }
    EXPECT_EQ(5, migrate);
    EXPECT_EQ(2, removeInstead);
}

TEST(CatalogTextTest, DescriptionsAndRefusalsOpenWithAnIdeographicSpace) {
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        EXPECT_EQ(0, std::strncmp(kIdeographicSpace, row.description, 2)) << row.number;
        if (row.refusalMessage != nullptr) EXPECT_EQ(0, std::strncmp(kIdeographicSpace, row.refusalMessage, 2));
        if (row.upgrade != nullptr) EXPECT_EQ(0, std::strncmp(kIdeographicSpace, row.upgrade->description, 2));
    }
}

// The expected bytes are written out independently of how the sources are
// compiled, so a wrong bracket, width or encoding shows here.
TEST(CatalogTextTest, PolyglotRelayPairsItsQueriesWithTheKoreanCaptions) {
    const TableRange<MenuEntry> relay = FeatureCatalog::row(8).entries;
    ASSERT_EQ(4, relay.size());
    EXPECT_STREQ("\x82\xB1\x82\xCC\x83\x79\x81\x5B\x83\x57\x82\xF0\x96\x7C\x96\xF3\x82\xB7\x82\xE9"
                 "\x81\x69\x8A\xD8 -> \x93\xFA\x81\x6A(&K)",
                 relay[1].caption);
    EXPECT_STREQ("\x83\x8A\x83\x93\x83\x4E\x90\xE6\x82\xF0\x96\x7C\x96\xF3\x82\xB7\x82\xE9"
                 "\x81\x69\x8A\xD8 -> \x93\xFA\x81\x6A(&K)",
                 relay[3].caption);
    const char* scripts[] = {"polyglotrelay.html", "polyglotrelay.html?SrcLang=Kr", "polyglotrelay.html",
                             "polyglotrelay.html?SrcLang=Kr"};
    const unsigned char masks[] = {0x01, 0x01, 0x22, 0x22};
    for (int i = 0; i < relay.size(); ++i) {
        EXPECT_STREQ(scripts[i], relay[i].script);
        EXPECT_EQ(masks[i], relay[i].contexts);
    }
}

TEST(CatalogTextTest, PortalLexiconPlusNamesOneDictionaryPerLaterEntry) {
    const TableRange<MenuEntry> lexicon = FeatureCatalog::row(3).entries;
    const char* scripts[] = {"portallexiconplus.html", "portallexiconplus.html?Dic=1", "portallexiconplus.html?Dic=2",
                             "portallexiconplus.html?Dic=3", "portallexiconplus.html?Dic=4"};
    ASSERT_EQ(5, lexicon.size());
    for (int i = 0; i < lexicon.size(); ++i) {
        EXPECT_STREQ(scripts[i], lexicon[i].script);
        EXPECT_EQ(0x30, lexicon[i].contexts);
    }
}

TEST(CatalogTextTest, TextsWithTrailBackslashesAndLineFeedsKeepTheirBytes) {
    EXPECT_STREQ("\x83\x8A\x83\x93\x83\x4E\x90\xE6\x82\xCC\x83\x5C\x81\x5B\x83\x58\x82\xF0\x95\x5C\x8E\xA6"
                 "\x82\xB7\x82\xE9(&V)",
                 FeatureCatalog::row(14).entries[0].caption);
    EXPECT_STREQ("\x82\xBB\x82\xCC\x91\xBC\x82\xCC\x8B\x40\x94\x5C", FeatureCatalog::categoryText(FeatureCategory::Other));
    EXPECT_STREQ("\x81\x40Xdrive Courier \x82\xCD\x81\x41Xdrive \x83\x54\x81\x5B\x83\x72\x83\x58\x82\xCC\x97\x4C"
                 "\x97\xBF\x89\xBB\x82\xC9\x94\xBA\x82\xC8\x82\xA2\x81\x41\n\x8B\x40\x94\x5C\x82\xCC\x92\xF1\x8B\x9F"
                 "\x82\xF0\x8F\x49\x97\xB9\x92\x76\x82\xB5\x82\xDC\x82\xB5\x82\xBD\x81\x42",
                 FeatureCatalog::row(9).refusalMessage);
}

}  // namespace
