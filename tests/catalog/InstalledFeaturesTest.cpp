// Detection and the captions moved at start are in the randomized suite's model
// (tests/e2e/RobustnessTest.cpp). Here what it seldom shows, and whether a long
// editor path is read whole: a cut one is "not found" just the same.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/WizardHost.h"

namespace {

// Polyglot Relay's link entries without its page entry, and Portal Lexicon
// Plus with its first entry only.
TEST(InstalledFeaturesTest, OnlyTheProbeEntryDecides) {
    WizardHost host;
    menu::install("リンク先を翻訳する（英 -> 日）(&T)", "http://old.example/", 0x22);
    menu::install("リンク先を翻訳する（韓 -> 日）(&K)", "http://old.example/", 0x22);
    menu::install("gooの各種辞典で調べる(&D)", "http://old.example/", 0x30);
    host.open();
    EXPECT_EQ(0, host.wizard().polyglotRelayInstalled);
    EXPECT_EQ(1, host.wizard().portalLexiconPlusInstalled);
    EXPECT_FALSE(host.wizard().hasUpgradePage);
}

TEST(InstalledFeaturesTest, XdriveCourierIsFoundUnderAnyOfItsFourCaptionsAndNoneIsMoved) {
    const char* const captions[] = {"X:driveに転送(&X)", "一覧から選んで X:driveに転送(&A)", "Xdriveに転送(&X)",
                                    "一覧から選んで Xdriveに転送(&A)"};
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(captions[i]);
        WizardHost host;
        menu::install(captions[i], "http://old.example/", 0x20);
        host.open();
        EXPECT_EQ(1, host.wizard().xdriveCourierInstalled);
        EXPECT_EQ(i < 2, host.wizard().xdriveOldCaptions);
        EXPECT_TRUE(menu::installed(captions[i]));
    }
}

TEST(InstalledFeaturesTest, TheEditorPathIsReadWholeAndAlwaysEnds) {
    const struct {
        const char* name;
        DWORD type;
        std::string stored;
        std::string expected;
    } cases[] = {
        {"no terminator", REG_BINARY, "C:\\edit.exe", "C:\\edit.exe"},
        {"exactly 257 bytes", REG_BINARY, std::string(257, 'a'), std::string(257, 'a')},
        {"long", REG_SZ, "C:\\" + std::string(600, 'b') + '\0', "C:\\" + std::string(600, 'b')},
        {"huge", REG_BINARY, std::string(2 * 1024 * 1024, 'c'), std::string(2 * 1024 * 1024, 'c')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WizardHost host;
        reg::setValue(HKEY_LOCAL_MACHINE, menu::kEditorName, "", c.type, c.stored.data(), static_cast<DWORD>(c.stored.size()));
        host.open();
        EXPECT_EQ(1, host.wizard().markupReaderSwapInstalled);
        EXPECT_EQ(c.expected, std::string(host.wizard().editorPath.get()));
        if (c.expected.size() < 1000) EXPECT_EQ(c.expected, host.read(1029).text);
    }
}

}  // namespace
