#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "registry/RegistryLocations.h"
#include "tests/support/WizardHost.h"

namespace {

const char kEditorName[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
const char kViewSourceEditor[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
const char kEntry[] = "gooの英和辞典で調べる(&E)";

class MenuEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.open();
        host.wizard().page = 2;
    }
    SetupWizard& wizard() { return host.wizard(); }

    void expectFailureReported(const char* text) {
        ASSERT_EQ(1u, host.messageBoxes.boxes.size());
        const RecordedMessageBox& box = host.messageBoxes.boxes[0];
        EXPECT_EQ(text, box.text);
        EXPECT_EQ(text, box.shownText);
        EXPECT_EQ("IE Kelvara セットアップ", box.shownCaption);
        EXPECT_EQ(static_cast<UINT>(MB_OK | MB_ICONWARNING | MB_TOPMOST), box.type);
        EXPECT_EQ(host.dialog(), box.owner);
        EXPECT_FALSE(host.read(3).enabled);
        EXPECT_FALSE(host.read(1).enabled);
        EXPECT_TRUE(host.read(2).enabled);
        EXPECT_EQ(1, wizard().page);
    }

    WizardHost host;
};

TEST_F(MenuEntriesTest, RegisteringWritesTheAddressAndOneContextsByte) {
    ASSERT_TRUE(wizard().registerMenuEntry(kEntry, "portallexiconplus.html?Dic=1", 0x122));
    reg::Value address = menu::address(kEntry);
    EXPECT_EQ(REG_SZ, address.type);
    EXPECT_EQ(std::string(kScriptBaseAddress) + "portallexiconplus.html?Dic=1", address.text());
    EXPECT_EQ(address.text().size() + 1, address.data.size());
    reg::Value contexts = menu::contexts(kEntry);
    EXPECT_EQ(REG_BINARY, contexts.type);
    EXPECT_EQ(std::vector<unsigned char>{0x22}, contexts.data);
    EXPECT_TRUE(wizard().isMenuEntryRegistered(kEntry));
    EXPECT_TRUE(host.messageBoxes.boxes.empty());
}

TEST_F(MenuEntriesTest, RegisteringOverAnEntryRewritesItsValuesAndKeepsTheRest) {
    menu::install(kEntry, "http://old.example/lexicon.html", 0x10);
    reg::setString(HKEY_CURRENT_USER, menu::keyOf(kEntry), "note", "kept");
    ASSERT_TRUE(wizard().registerMenuEntry(kEntry, "portallexiconplus.html?Dic=1", 0x30));
    EXPECT_EQ(std::string(kScriptBaseAddress) + "portallexiconplus.html?Dic=1", menu::address(kEntry).text());
    EXPECT_EQ(std::vector<unsigned char>{0x30}, menu::contexts(kEntry).data);
    EXPECT_EQ("kept", reg::readValue(HKEY_CURRENT_USER, menu::keyOf(kEntry), "note").text());
}

TEST_F(MenuEntriesTest, UnregisteringDeletesOnlyThatEntry) {
    menu::install(kEntry, "http://old.example/", 0x30);
    menu::install("他社のメニュー(&Z)", "http://other.example/", 0x01);
    ASSERT_TRUE(wizard().unregisterMenuEntry(kEntry));
    EXPECT_FALSE(menu::installed(kEntry));
    EXPECT_FALSE(wizard().isMenuEntryRegistered(kEntry));
    EXPECT_TRUE(menu::installed("他社のメニュー(&Z)"));
}

TEST_F(MenuEntriesTest, UnregisteringAnAbsentEntryReportsTheFailure) {
    EXPECT_FALSE(wizard().unregisterMenuEntry(kEntry));
    expectFailureReported("設定解除に失敗しました。");
}

TEST_F(MenuEntriesTest, AnEntryWithSubkeysCannotBeRemoved) {
    menu::install(kEntry, "http://old.example/", 0x30);
    reg::createKey(HKEY_CURRENT_USER, menu::keyOf(kEntry) + "\\extra");
    EXPECT_FALSE(wizard().unregisterMenuEntry(kEntry));
    expectFailureReported("設定解除に失敗しました。");
    EXPECT_TRUE(menu::installed(kEntry));
}

TEST_F(MenuEntriesTest, AFailedCreateIsReported) {
    ASSERT_EQ(ERROR_SUCCESS, reg::createVolatileKey(HKEY_CURRENT_USER, "Software\\Microsoft\\Internet Explorer\\MenuExt"));
    EXPECT_FALSE(wizard().registerMenuEntry(kEntry, "portallexiconplus.html", 0x30));
    expectFailureReported("設定に失敗しました。");
    EXPECT_FALSE(menu::installed(kEntry));
}

TEST_F(MenuEntriesTest, OnlyAnExistingPlainFileCounts) {
    char directory[MAX_PATH];
    GetTempPathA(MAX_PATH, directory);
    const std::string file = std::string(directory) + "kelvara-editor-test.exe";
    std::ofstream(file) << "x";
    EXPECT_TRUE(wizard().fileExists(file.c_str()));
    EXPECT_FALSE(wizard().fileExists(directory));
    EXPECT_FALSE(wizard().fileExists((std::string(directory) + "no-such-editor.exe").c_str()));
    EXPECT_FALSE(wizard().fileExists(""));
    // A pattern would let the first of several files pass for the program.
    EXPECT_FALSE(wizard().fileExists((std::string(directory) + "kelvara-editor-tes?.exe").c_str()));
    EXPECT_FALSE(wizard().fileExists((std::string(directory) + "*").c_str()));
    DeleteFileA(file.c_str());
}

TEST_F(MenuEntriesTest, RemovingTheSourceViewerDeletesBothKeys) {
    reg::setString(HKEY_LOCAL_MACHINE, kEditorName, "", "C:\\editor.exe");
    ASSERT_TRUE(wizard().removeSourceViewerSetting());
    EXPECT_FALSE(reg::keyExists(HKEY_LOCAL_MACHINE, kViewSourceEditor));
    EXPECT_TRUE(reg::keyExists(HKEY_LOCAL_MACHINE, "SOFTWARE\\Microsoft\\Internet Explorer"));
    EXPECT_TRUE(host.messageBoxes.boxes.empty());
}

TEST_F(MenuEntriesTest, ASourceViewerKeyThatCannotBeDeletedIsReported) {
    reg::setString(HKEY_LOCAL_MACHINE, kEditorName, "", "C:\\editor.exe");
    reg::createKey(HKEY_LOCAL_MACHINE, std::string(kViewSourceEditor) + "\\Other");
    EXPECT_FALSE(wizard().removeSourceViewerSetting());
    expectFailureReported("設定解除に失敗しました。");
    EXPECT_FALSE(reg::keyExists(HKEY_LOCAL_MACHINE, kEditorName));
    EXPECT_TRUE(reg::keyExists(HKEY_LOCAL_MACHINE, kViewSourceEditor));
}

}  // namespace
