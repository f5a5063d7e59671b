// The registry operations where they do what no whole-program run shows:
// the values they leave alone, the paths they refuse, and a removal that
// fails half-way. Entries written and removed in ordinary runs, and the
// failures of those, are checked through the real program in tests/e2e.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "registry/RegistryLocations.h"
#include "tests/support/WizardHost.h"

namespace {

const char kEntry[] = "gooの英和辞典で調べる(&E)";

class MenuEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        host.open();
        host.wizard().page = 2;
    }
    SetupWizard& wizard() { return host.wizard(); }

    WizardHost host;
};

TEST_F(MenuEntriesTest, RegisteringOverAnEntryRewritesItsValuesAndKeepsTheRest) {
    menu::install(kEntry, "http://old.example/lexicon.html", 0x10);
    reg::setString(HKEY_CURRENT_USER, menu::keyOf(kEntry), "note", "kept");
    ASSERT_TRUE(wizard().registerMenuEntry(kEntry, "portallexiconplus.html?Dic=1", 0x30));
    EXPECT_EQ(std::string(kScriptBaseAddress) + "portallexiconplus.html?Dic=1",
              reg::readValue(HKEY_CURRENT_USER, menu::keyOf(kEntry), "").text());
    EXPECT_EQ(std::vector<unsigned char>{0x30}, reg::readValue(HKEY_CURRENT_USER, menu::keyOf(kEntry), "contexts").data);
    EXPECT_EQ("kept", reg::readValue(HKEY_CURRENT_USER, menu::keyOf(kEntry), "note").text());
    EXPECT_TRUE(host.messageBoxes.boxes.empty());
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
    DeleteFileA(file.c_str());
}

// The whole-program test locks the first of the two keys; here the second
// one fails, after the first is gone.
TEST_F(MenuEntriesTest, ASourceViewerKeyThatCannotBeDeletedIsReported) {
    const std::string viewSourceEditor = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
    menu::setEditor("C:\\editor.exe");
    reg::createKey(HKEY_LOCAL_MACHINE, viewSourceEditor + "\\Other");
    EXPECT_FALSE(wizard().removeSourceViewerSetting());
    ASSERT_EQ(1u, host.messageBoxes.boxes.size());
    EXPECT_EQ("設定解除に失敗しました。", host.messageBoxes.boxes[0].text);
    EXPECT_FALSE(host.read(3).enabled);
    EXPECT_FALSE(host.read(1).enabled);
    EXPECT_EQ(1, wizard().page);
    EXPECT_FALSE(reg::keyExists(HKEY_LOCAL_MACHINE, menu::kEditorName));
    EXPECT_TRUE(reg::keyExists(HKEY_LOCAL_MACHINE, viewSourceEditor));
}

}  // namespace
