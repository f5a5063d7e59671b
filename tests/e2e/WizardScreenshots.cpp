// Takes pictures of the wizard in the states worth looking at, for checking
// layout and Japanese texts by eye. Runs under X (scripts/run gives it a
// virtual screen) and writes one .bmp per picture into the current folder.
// Every scenario starts from its own registry state: whatever the wizard
// found in this prefix before is wiped.
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/ScreenCapture.h"
#include "tests/e2e/WizardProcess.h"

using namespace e2e;

namespace {

// One picture: drive the running wizard to a state, and name the window to take.
struct Shot {
    std::string name;
    std::function<HWND(WizardProcess&)> reach;  // null when the state was not reached
};

// One run of the wizard: the registry it starts from, then its pictures in order.
struct Scenario {
    std::function<void()> prepare;
    std::vector<Shot> shots;
};

HWND theWizard(WizardProcess& setup) { return setup.waitForWizard(); }
HWND theMessageBox(WizardProcess& setup) { return setup.waitForMessageBox().window; }

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> all = {
        {[] {}, {{"01-welcome", theWizard}}},
        {[] { setWindowsVersion("win31"); }, {{"02-platform-refusal", theMessageBox}}},
    };
    return all;
}

// Answers a message box still open and cancels the wizard, so that the next
// scenario starts alone.
void finish(WizardProcess& setup) {
    const MessageBoxView box = setup.waitForMessageBox(500);
    if (box.window != nullptr && !box.buttons.empty())
        setup.answer(box, box.defaultButton != 0 ? box.defaultButton : box.buttons.front());
    if (setup.wizard() != nullptr) setup.command(IDCANCEL);
    setup.waitForExit();
}

}  // namespace

int main() {
    int missing = 0;
    for (const Scenario& scenario : scenarios()) {
        clearWizardState();
        scenario.prepare();
        WizardProcess setup;
        for (const Shot& shot : scenario.shots) {
            const std::string file = shot.name + ".bmp";
            HWND window = shot.reach(setup);
            if (window != nullptr && captureWindow(window, file)) {
                std::printf("%s\n", file.c_str());
            } else {
                std::fprintf(stderr, "no picture of %s\n", shot.name.c_str());
                ++missing;
            }
        }
        finish(setup);
    }
    clearWizardState();
    return missing == 0 ? 0 : 1;
}
