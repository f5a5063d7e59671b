#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "registry/RegistryLocations.h"
#include "tests/support/WizardHost.h"

namespace {

const char kPalimo[] = "Software\\Quorvin\\Palimo\\HTML Editor\\";

struct Migration {
    const char* oldCaption;
    const char* caption;
    const char* script;
    unsigned char contexts;
    int checkBoxId;
};

const Migration kMigrations[] = {
    {"リンク先の画像をまとめて表示(&G)", "リンク先の画像をまとめて表示する(&G)", "picturegatherer.html", 0x01, 1009},
    {"文字列からアドレスを取得(&P)", "文字列からアドレスを取得する(&P)", "urigrabber.html", 0x10, 1044},
    {"リンク先のドメインを確認して表示(&C)", "リンク先のドメインを確認して表示する(&C)", "hostredirector.html", 0x22,
     1023},
    {"リンク先をこのウィンドウに表示(&R)", "リンク先をこのウィンドウに表示する(&R)", "hereopener.html", 0x22, 1015},
    {"このページをフレーム解除して表示(&F)", "このページをフレーム解除して表示する(&F)", "paneunwrapper.html", 0x01,
     1036},
};

class InstalledFeaturesTest : public ::testing::Test {
protected:
    WizardHost host;
};

TEST_F(InstalledFeaturesTest, EntriesUnderOlderCaptionsMoveToTheCurrentOnesStartTickedAndStayMoved) {
    for (const Migration& m : kMigrations) menu::install(m.oldCaption, "http://old.example/x.html", 0x30);
    host.open();
    for (const Migration& m : kMigrations) EXPECT_TRUE(host.ticked(m.checkBoxId)) << m.script;
    host.close();  // as if cancelled: the move has happened already
    for (const Migration& m : kMigrations) {
        SCOPED_TRACE(m.script);
        EXPECT_FALSE(menu::installed(m.oldCaption));
        reg::Value address = menu::address(m.caption);
        EXPECT_EQ(REG_SZ, address.type);
        EXPECT_EQ(std::string(kScriptBaseAddress) + m.script, address.text());
        EXPECT_EQ(address.text().size() + 1, address.data.size());
        EXPECT_EQ(std::vector<unsigned char>{m.contexts}, menu::contexts(m.caption).data);
        EXPECT_EQ(REG_BINARY, menu::contexts(m.caption).type);
    }
    EXPECT_TRUE(host.messageBoxes.boxes.empty());
}

TEST_F(InstalledFeaturesTest, WithBothCaptionsPresentNeitherIsTouched) {
    const Migration& here = kMigrations[3];
    menu::install(here.caption, "http://current.example/", 0x02);
    menu::install(here.oldCaption, "http://old.example/", 0x30);
    host.open();
    EXPECT_TRUE(host.ticked(here.checkBoxId));
    EXPECT_EQ("http://current.example/", menu::address(here.caption).text());
    EXPECT_EQ("http://old.example/", menu::address(here.oldCaption).text());
}

TEST_F(InstalledFeaturesTest, AFailedMoveIsReportedAndTheWizardStillOpensOnItsFirstPage) {
    // Below a volatile key no lasting key can be made.
    ASSERT_EQ(ERROR_SUCCESS, reg::createVolatileKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\MenuExt"));
    ASSERT_EQ(ERROR_SUCCESS, reg::createVolatileKey(HKEY_CURRENT_USER, menu::keyOf(kMigrations[0].oldCaption)));
    host.open();
    ASSERT_EQ(1u, host.messageBoxes.boxes.size());
    const RecordedMessageBox& box = host.messageBoxes.boxes[0];
    EXPECT_EQ("設定に失敗しました。", box.text);
    EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING | MB_TOPMOST), box.type);
    EXPECT_TRUE(menu::installed(kMigrations[0].oldCaption));
    EXPECT_EQ(1, host.wizard().pictureGathererInstalled);
    EXPECT_EQ(0, host.wizard().page);
    EXPECT_TRUE(host.read(1002).visible);
    EXPECT_TRUE(host.read(1).enabled);
    EXPECT_FALSE(host.read(3).enabled);
}

struct ContextsCase {
    const char* name;
    DWORD type;
    std::string data;
    bool outdated;
};

TEST(InstalledFeatureCases, DictionaryEntriesAreOutdatedUnlessTheirContextsIsOneBinaryByte0x30) {
    const ContextsCase cases[] = {
        {"binary 0x30", REG_BINARY, std::string("\x30", 1), false},
        {"binary 0x10", REG_BINARY, std::string("\x10", 1), true},
        {"dword 0x30", REG_DWORD, std::string("\x30\0\0\0", 4), true},
        {"two bytes", REG_BINARY, std::string("\x30\x30", 2), true},
        {"string", REG_SZ, std::string("0", 2), true},
        {"missing", REG_NONE, std::string(), true},
    };
    const char* captions[] = {"gooの英和/和英辞典で調べる(&D)", "gooの各種辞典で調べる(&D)"};
    for (const ContextsCase& c : cases) {
        SCOPED_TRACE(c.name);
        WizardHost local;
        for (const char* caption : captions) {
            reg::setString(HKEY_CURRENT_USER, menu::keyOf(caption), "", "http://old.example/");
            if (c.type != REG_NONE)
                reg::setValue(HKEY_CURRENT_USER, menu::keyOf(caption), "contexts", c.type, c.data.data(),
                              static_cast<DWORD>(c.data.size()));
        }
        local.open();
        EXPECT_EQ(1, local.wizard().portalLexiconInstalled);
        EXPECT_EQ(1, local.wizard().portalLexiconPlusInstalled);
        EXPECT_EQ(c.outdated, local.wizard().portalLexiconOutdated);
        EXPECT_EQ(c.outdated, local.wizard().portalLexiconPlusOutdated);
        EXPECT_EQ(c.outdated, local.wizard().hasUpgradePage);
    }
}

TEST_F(InstalledFeaturesTest, OnlyTheProbeEntryDecides) {
    // Polyglot Relay's link entries without its page entry, and Portal Lexicon
    // Plus with its first entry only.
    menu::install("リンク先を翻訳する（英 -> 日）(&T)", "http://old.example/", 0x22);
    menu::install("リンク先を翻訳する（韓 -> 日）(&K)", "http://old.example/", 0x22);
    menu::install("gooの各種辞典で調べる(&D)", "http://old.example/", 0x30);
    host.open();
    EXPECT_EQ(0, host.wizard().polyglotRelayInstalled);
    EXPECT_EQ(1, host.wizard().portalLexiconPlusInstalled);
    EXPECT_FALSE(host.wizard().hasUpgradePage);
}

TEST(InstalledFeatureCases, XdriveCourierIsFoundUnderAnyOfItsFourCaptions) {
    const struct {
        const char* caption;
        bool older;
    } cases[] = {
        {"X:driveに転送(&X)", true},
        {"一覧から選んで X:driveに転送(&A)", true},
        {"Xdriveに転送(&X)", false},
        {"一覧から選んで Xdriveに転送(&A)", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.caption);
        WizardHost local;
        menu::install(c.caption, "http://old.example/", 0x20);
        local.open();
        EXPECT_EQ(1, local.wizard().xdriveCourierInstalled);
        EXPECT_EQ(c.older, local.wizard().xdriveOldCaptions);
        EXPECT_TRUE(menu::installed(c.caption));
    }
}

TEST_F(InstalledFeaturesTest, TheSourceViewerCountsOnlyWhileTheEditorProductHasNotClaimedIt) {
    menu::setEditor("C:\\editor.exe");
    reg::createKey(HKEY_LOCAL_MACHINE, kPalimo);
    host.open();
    EXPECT_EQ(0, host.wizard().markupReaderSwapInstalled);
    EXPECT_STREQ("", host.wizard().editorPath.get());
    EXPECT_FALSE(host.exists(1027));
    EXPECT_EQ(84, host.read(1036).rect.top);
}

TEST(InstalledFeatureCases, TheEditorPathIsReadWholeAndAlwaysEnds) {
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
        WizardHost local;
        reg::setValue(HKEY_LOCAL_MACHINE, menu::kEditorName, "", c.type, c.stored.data(), static_cast<DWORD>(c.stored.size()));
        local.open();
        EXPECT_EQ(1, local.wizard().markupReaderSwapInstalled);
        EXPECT_EQ(c.expected, std::string(local.wizard().editorPath.get()));
        if (c.expected.size() < 1000) EXPECT_EQ(c.expected, local.read(1029).text);
    }
}

}  // namespace
