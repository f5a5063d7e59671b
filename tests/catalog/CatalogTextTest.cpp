#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "catalog/FeatureCatalog.h"

namespace {

std::vector<const char*> menuCaptions() {
    std::vector<const char*> captions;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        for (const MenuEntry& entry : row.entries) captions.push_back(entry.caption);
        for (const LegacyCaption& legacy : row.legacyCaptions) captions.push_back(legacy.oldCaption);
    }
    return captions;
}

// Empty when the bytes are not Shift-JIS.
std::wstring decode(const char* text) {
    wchar_t wide[512];
    const int length = MultiByteToWideChar(932, MB_ERR_INVALID_CHARS, text, -1, wide, 512);
    return length > 1 ? std::wstring(wide, length - 1) : std::wstring();
}

TEST(CatalogTextTest, EveryTextIsShiftJisAndEveryParagraphOpensWithAnIdeographicSpace) {
    ASSERT_TRUE(decode("\x82\xB7\x81\x7F").empty());  // the check itself can fail
    std::vector<const char*> texts = menuCaptions();
    std::vector<const char*> paragraphs;  // descriptions and refusals
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        texts.push_back(row.caption);
        paragraphs.push_back(row.description);
        if (row.refusalMessage != nullptr) paragraphs.push_back(row.refusalMessage);
        if (row.upgrade != nullptr) texts.push_back(row.upgrade->caption);
        if (row.upgrade != nullptr) paragraphs.push_back(row.upgrade->description);
    }
    for (int category = 0; category < 5; ++category) {
        texts.push_back(FeatureCatalog::categoryText(static_cast<FeatureCategory>(category)));
    }
    EXPECT_EQ(17u + 3 + 2, paragraphs.size());
    for (const char* text : paragraphs) EXPECT_EQ(0, std::strncmp("\x81\x40", text, 2)) << text;
    texts.insert(texts.end(), paragraphs.begin(), paragraphs.end());
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

TEST(CatalogTextTest, LegacyCaptionsAreTheCurrentOnesAsOlderVersionsWroteThem) {
    int migrate = 0;
    for (const FeatureEntry& row : FeatureCatalog::rows()) {
        for (const LegacyCaption& legacy : row.legacyCaptions) {
            std::string expected = row.entries[legacy.entryIndex - 1].caption;
            if (legacy.mode == LegacyMode::Migrate) {
                ++migrate;
                const size_t suru = expected.rfind("(&") - 4;
                ASSERT_EQ("\x82\xB7\x82\xE9", expected.substr(suru, 4)) << expected;  // "する"
                expected.erase(suru, 4);
            } else {
                expected.replace(expected.find("Xdrive"), 6, "X:drive");
            }
            EXPECT_EQ(expected, legacy.oldCaption);
        }
    }
    EXPECT_EQ(5, migrate);
}

// The expected bytes are written out independently of how the sources are
// compiled, so a wrong bracket, width or encoding shows here.
TEST(CatalogTextTest, SelectedEntriesHaveTheirExactBytes) {
    const TableRange<MenuEntry> relay = FeatureCatalog::row(8).entries;
    EXPECT_STREQ("\x82\xB1\x82\xCC\x83\x79\x81\x5B\x83\x57\x82\xF0\x96\x7C\x96\xF3\x82\xB7\x82\xE9"
                 "\x81\x69\x8A\xD8 -> \x93\xFA\x81\x6A(&K)",
                 relay[1].caption);
    EXPECT_STREQ("\x83\x8A\x83\x93\x83\x4E\x90\xE6\x82\xF0\x96\x7C\x96\xF3\x82\xB7\x82\xE9"
                 "\x81\x69\x8A\xD8 -> \x93\xFA\x81\x6A(&K)",
                 relay[3].caption);
    EXPECT_STREQ("polyglotrelay.html?SrcLang=Kr", relay[1].script);
    EXPECT_STREQ("polyglotrelay.html?SrcLang=Kr", relay[3].script);
    EXPECT_EQ(0x01, relay[1].contexts);
    EXPECT_EQ(0x22, relay[3].contexts);

    const TableRange<MenuEntry> lexicon = FeatureCatalog::row(3).entries;
    ASSERT_EQ(5, lexicon.size());
    EXPECT_STREQ("portallexiconplus.html", lexicon[0].script);
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ("portallexiconplus.html?Dic=" + std::to_string(i), lexicon[i].script);
    }
    EXPECT_STREQ("\x83\x8A\x83\x93\x83\x4E\x90\xE6\x82\xCC\x83\x5C\x81\x5B\x83\x58\x82\xF0\x95\x5C\x8E\xA6"
                 "\x82\xB7\x82\xE9(&V)",
                 FeatureCatalog::row(14).entries[0].caption);
}

}  // namespace
