// The real setup.exe as a process of its own, driven with the tools' driver:
// one copy at a time, every way out, and what the system's version changes.
// It runs on this prefix's own registry, emptied of the wizard's keys around
// each test.
#include <gtest/gtest.h>

#include "tests/support/Expected.h"
#include "tools/driver/WizardProcess.h"
#include "tools/driver/WizardState.h"

namespace {

using namespace expected;
using driver::WizardProcess;

std::string text(HWND box) {
    char text[512] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

class ProcessTest : public ::testing::Test {
    void SetUp() override { driver::clearWizardState(); }
    void TearDown() override { driver::clearWizardState(); }
};

// The second copy ends at once and brings forward what the first is showing.
TEST_F(ProcessTest, ASecondStartBringsTheFirstForward) {
    WizardProcess first;
    const HWND wizard = first.waitForWizard();
    ASSERT_TRUE(first.click(1));
    ASSERT_TRUE(first.click(1));  // nothing ticked, nothing to change
    const HWND box = first.waitForMessageBox();
    ASSERT_EQ(kNothingChanged, text(box));
    for (const HWND front : {box, wizard}) {
        HWND decoy = CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 9, 9, nullptr, nullptr, nullptr, nullptr);
        SetForegroundWindow(decoy);
        EXPECT_TRUE(WizardProcess().exitsWith(1));
        EXPECT_TRUE(driver::waitUntil([&] { return GetForegroundWindow() == front; }));
        DestroyWindow(decoy);
        if (front == box) EXPECT_TRUE(first.answer(box, IDOK));
    }
    EXPECT_TRUE(first.click(2));
    EXPECT_TRUE(first.exitsWith(1));
}

// Cancel, Escape, the close box, and Next once finished.
TEST_F(ProcessTest, EveryWayOutEndsWithExitCode1) {
    for (int way = 0; way < 4; ++way) {
        WizardProcess setup;
        const HWND wizard = setup.waitForWizard();
        ASSERT_NE(nullptr, wizard);
        if (way == 0) setup.click(2);
        if (way == 1) PostMessageA(GetDlgItem(wizard, 1), WM_KEYDOWN, VK_ESCAPE, 0);
        if (way == 2) PostMessageA(wizard, WM_SYSCOMMAND, SC_CLOSE, 0);
        if (way == 3) {
            ASSERT_TRUE(setup.click(1) && setup.click(1009) && setup.click(1));
            ASSERT_TRUE(setup.answer(setup.waitForMessageBox(), IDOK));
            ASSERT_TRUE(setup.click(1));
        }
        EXPECT_TRUE(setup.exitsWith(1)) << "way " << way;
    }
}

TEST_F(ProcessTest, Win32sGetsTheRefusalAndNoWizard) {
    driver::setWindowsVersion("win31");
    WizardProcess setup;
    const HWND box = setup.waitForMessageBox();
    ASSERT_EQ(kPlatformRefusal, text(box));
    EXPECT_EQ(nullptr, GetWindow(box, GW_OWNER));
    EXPECT_EQ(nullptr, setup.waitForWizard(0));
    EXPECT_TRUE(setup.answer(box, IDOK));
    EXPECT_TRUE(setup.exitsWith(1));
}

// On the 95 family the system would take the subkeys along; the wizard
// refuses there as on the other family, and says so.
TEST_F(ProcessTest, On95KeysWithSubkeysStay) {
    driver::setWindowsVersion("win98");
    write(feature(1048).entries[0]);
    reg::set(HKEY_CURRENT_USER, reg::menuKey(feature(1048).entries[0].caption) + "\\Child", "", reg::text("theirs"));
    reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text("C:\\windows\\notepad.exe"));
    reg::set(HKEY_LOCAL_MACHINE, std::string(reg::kViewSource) + "\\Other Editor", "", reg::text("theirs"));
    const reg::Tree user = reg::read(HKEY_CURRENT_USER, reg::kMenuExt);
    reg::Tree machine = reg::read(HKEY_LOCAL_MACHINE, reg::kViewSource);
    machine.erase("Editor Name");
    for (const int category : {2, 3}) {
        WizardProcess setup;
        ASSERT_NE(nullptr, setup.waitForWizard());
        ASSERT_TRUE(setup.click(1) && setup.chooseComboEntry(1008, category) && setup.click(category == 2 ? 1048 : kMarkup));
        ASSERT_TRUE(setup.click(1));
        EXPECT_EQ(kUnsetFailed, text(setup.waitForMessageBox()));
    }
    EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER, reg::kMenuExt));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE, reg::kViewSource));
}

}  // namespace
