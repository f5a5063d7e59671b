#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/e2e/WizardProcess.h"

using namespace e2e;

// The harness against a stand-in program whose controls and answers are
// known, so that a fault of the harness is not taken for one of the wizard.
namespace {

constexpr char kStandIn[] = "e2e_standin.exe";
constexpr char kStandInTitle[] = "ハーネス確認";
constexpr int kCheck = 10, kCombo = 11, kBar = 12, kEcho = 13, kHidden = 14, kDisabled = 15;

TEST(HarnessTest, ReadsEveryKindOfControlOfAnotherProcess) {
    WizardProcess standIn("", kStandIn, kStandInTitle);
    ASSERT_NE(nullptr, standIn.waitForWizard());

    const ControlState check = standIn.read(kCheck);
    EXPECT_EQ("Button", check.className);
    EXPECT_EQ("チェック", check.text);
    EXPECT_EQ(BST_CHECKED, check.check);
    EXPECT_TRUE(check.visible);
    EXPECT_TRUE(check.enabled);

    const ControlState combo = standIn.read(kCombo);
    EXPECT_EQ((std::vector<std::string>{"一つ目", "二つ目", "三つ目"}), combo.items);
    EXPECT_EQ(-1, combo.selection);

    const ControlState bar = standIn.read(kBar);
    EXPECT_EQ(0, bar.scrollMin);
    EXPECT_EQ(5, bar.scrollMax);
    EXPECT_EQ(0, bar.scrollPos);

    const RECT echo = standIn.read(kEcho).rect;
    EXPECT_EQ((std::vector<LONG>{16, 60, 216, 74}), (std::vector<LONG>{echo.left, echo.top, echo.right, echo.bottom}));
    EXPECT_FALSE(standIn.read(kHidden).visible);
    EXPECT_FALSE(standIn.read(kDisabled).enabled);
    EXPECT_FALSE(standIn.read(99).exists);

    standIn.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(2), standIn.waitForExit());
}

TEST(HarnessTest, DrivesControlsOnlyWhereAUserCould) {
    WizardProcess standIn("", kStandIn, kStandInTitle);
    ASSERT_NE(nullptr, standIn.waitForWizard());

    EXPECT_TRUE(standIn.chooseComboEntry(kCombo, 2));
    EXPECT_EQ(2, standIn.read(kCombo).selection);
    EXPECT_EQ("三つ目", standIn.read(kEcho).text);
    EXPECT_FALSE(standIn.chooseComboEntry(kCombo, 3));

    EXPECT_TRUE(standIn.scroll(kBar, SB_LINEDOWN));
    EXPECT_EQ(1, standIn.read(kBar).scrollPos);
    EXPECT_TRUE(standIn.scroll(kBar, SB_THUMBPOSITION, 4));
    EXPECT_EQ(4, standIn.read(kBar).scrollPos);

    EXPECT_TRUE(standIn.click(kCheck));
    EXPECT_EQ(BST_UNCHECKED, standIn.read(kCheck).check);
    EXPECT_FALSE(standIn.click(kHidden));
    EXPECT_FALSE(standIn.click(kDisabled));
    EXPECT_FALSE(standIn.click(99));

    standIn.pressEscape();
    EXPECT_EQ(ExitStatus::exited(2), standIn.waitForExit());
}

TEST(HarnessTest, ReadsAndAnswersMessageBoxes) {
    WizardProcess standIn("", kStandIn, kStandInTitle);
    ASSERT_NE(nullptr, standIn.waitForWizard());

    EXPECT_TRUE(standIn.click(IDOK));
    const MessageBoxView box = standIn.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ("ハーネス", box.caption);
    EXPECT_EQ("確認します。\n二行目", box.text);
    EXPECT_EQ(standIn.wizard(), box.owner);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ((std::vector<int>{IDYES, IDNO}), box.buttons);
    EXPECT_EQ(IDNO, box.defaultButton);
    EXPECT_FALSE(standIn.click(kCheck));  // the box keeps the user away from the dialog

    EXPECT_TRUE(standIn.answer(box, IDNO));
    EXPECT_TRUE(standIn.running());
    standIn.pressEnter();
    const MessageBoxView again = standIn.waitForMessageBox();
    ASSERT_NE(nullptr, again.window);
    EXPECT_TRUE(standIn.answer(again, IDYES));
    EXPECT_EQ(ExitStatus::exited(7), standIn.waitForExit());
}

TEST(HarnessTest, ReportsACrashAndClearsItsDialog) {
    WizardProcess standIn("crash", kStandIn, kStandInTitle);
    EXPECT_EQ(nullptr, standIn.waitForWizard());
    EXPECT_EQ(ExitStatus{ExitStatus::Kind::Crashed}, standIn.waitForExit());
    EXPECT_FALSE(standIn.running());
}

TEST(HarnessTest, KillsAProgramThatOutlivesTheWait) {
    WizardProcess standIn("", kStandIn, kStandInTitle);
    ASSERT_NE(nullptr, standIn.waitForWizard());
    EXPECT_EQ(ExitStatus{ExitStatus::Kind::StillRunning}, standIn.waitForExit(200));
    EXPECT_FALSE(standIn.running());
}

}  // namespace
