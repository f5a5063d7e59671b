// The program's entry: arguments mean nothing to it, one copy runs at a
// time, and a platform it does not support gets its error box. How every way
// out ends the process with exit code 1 is RobustnessTest's.
#include <string>
#include <vector>

#include "tests/e2e/WizardTest.h"
#include "tests/support/TestWindow.h"

using namespace e2e;

namespace {

class EntryTest : public WizardTest {};

bool mutexExists() {
    HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kMutexName);
    if (mutex != nullptr) CloseHandle(mutex);
    return mutex != nullptr;
}

// A window of the test program is put in front, and the first instance is
// brought forward by the second one's request, which it carries out in its
// own time.
bool secondStartBringsForward(HWND window) {
    const HWND decoy = CreateWindowExA(0, "STATIC", "decoy", WS_POPUP | WS_VISIBLE, 0, 0, 40, 40, nullptr, nullptr,
                                       nullptr, nullptr);
    SetForegroundWindow(decoy);
    pumpMessages();
    const bool decoyInFront = GetForegroundWindow() == decoy;
    EXPECT_TRUE(decoyInFront);
    WizardProcess second;
    const bool forward = second.waitForExit() == ExitStatus::exited(1) &&
                         waitUntil([&] { return GetForegroundWindow() == window; });
    DestroyWindow(decoy);
    pumpMessages();
    return decoyInFront && forward;
}

// A second start ends at once and brings forward whatever the first one is
// showing: the message box it is waiting on, or else the wizard. The first
// comes up big enough whatever its arguments.
TEST_F(EntryTest, ASecondStartBringsForwardTheMessageBoxShowingMidWayAndLaterTheWizard) {
    WizardProcess first("/uninstall /q -s --help \"C:\\Program Files\\IE Kelvara\" アンインストール");
    const HWND wizard = first.waitForWizard();
    ASSERT_NE(nullptr, wizard);
    EXPECT_GE(first.clientSize().cx, kMinClientWidth);
    EXPECT_GE(first.clientSize().cy, kMinClientHeight);
    ASSERT_TRUE(first.click(id::kNext));
    ASSERT_TRUE(first.click(id::kNext));  // nothing ticked: nothing to change
    const MessageBoxView box = first.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    ASSERT_EQ(std::string(kNothingChanged), box.text);

    EXPECT_TRUE(secondStartBringsForward(box.window));
    EXPECT_TRUE(IsWindowVisible(box.window));
    EXPECT_FALSE(IsWindowEnabled(wizard));

    ASSERT_TRUE(first.answer(box, IDOK));
    EXPECT_TRUE(secondStartBringsForward(wizard));
    EXPECT_TRUE(mutexExists());
    EXPECT_TRUE(first.read(id::kCategoryCombo).visible);
    EXPECT_TRUE(first.click(id::kCancel));
    EXPECT_EQ(ExitStatus::exited(1), first.waitForExit());
}

// Wine's "win31" gives platform id 0; the other ids are tried one by one in
// tests/app/MessageFlagsTest.cpp.
TEST_F(EntryTest, Win32sGetsTheErrorBoxInsteadOfTheWizardAndExitCode1) {
    ASSERT_EQ(ERROR_SUCCESS, setWindowsVersion("win31"));
    WizardProcess setup;
    const MessageBoxView box = setup.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    EXPECT_EQ(std::string(kMessageCaption), box.caption);
    EXPECT_EQ(std::string(kPlatformRefusal), box.text);
    EXPECT_EQ(nullptr, box.owner);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_EQ(nullptr, setup.waitForWizard(0));
    // The guard comes first, so the mutex is held while the refusal shows.
    EXPECT_TRUE(mutexExists());

    EXPECT_TRUE(setup.answer(box, IDOK));
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    EXPECT_FALSE(mutexExists());
}

}  // namespace
