// A second start while the wizard is in use ends at once and brings forward
// whatever the first one is showing: the message box it is waiting on, or
// else the wizard.
#include <string>
#include <vector>

#include "app/ControlIds.h"
#include "tests/e2e/WizardMessages.h"
#include "tests/e2e/WizardProcess.h"
#include "tests/e2e/WizardTest.h"

using namespace e2e;

namespace {

class SecondStartTest : public WizardTest {};

// The first instance is brought forward by the second one's request, which it
// carries out in its own time.
bool comesForward(HWND window) {
    DecoyWindow decoy;
    if (!decoy.inFront()) return false;
    WizardProcess second;
    return second.waitForExit() == ExitStatus::exited(1) &&
           waitUntil([&] { return GetForegroundWindow() == window; });
}

TEST_F(SecondStartTest, BringsForwardTheMessageBoxShowingMidWayAndLaterTheWizard) {
    WizardProcess first;
    const HWND wizard = first.waitForWizard();
    ASSERT_NE(nullptr, wizard);
    ASSERT_TRUE(first.click(kNextButtonId));
    ASSERT_TRUE(first.click(kNextButtonId));  // nothing ticked: nothing to change
    const MessageBoxView box = first.waitForMessageBox();
    ASSERT_NE(nullptr, box.window);
    ASSERT_EQ(std::string(kNothingChanged), box.text);

    EXPECT_TRUE(comesForward(box.window));
    EXPECT_TRUE(IsWindowVisible(box.window));
    EXPECT_FALSE(IsWindowEnabled(wizard));

    ASSERT_TRUE(first.answer(box, IDOK));
    EXPECT_TRUE(comesForward(wizard));
    EXPECT_TRUE(first.read(kCategoryComboId).visible);
    EXPECT_TRUE(first.click(kCancelButtonId));
    EXPECT_EQ(ExitStatus::exited(1), first.waitForExit());
}

}  // namespace
