// Takes pictures of the wizard in the states worth looking at, for checking
// layout and Japanese texts by eye. Runs under X (scripts/run gives it a
// virtual screen) and writes one .bmp per picture into the current folder:
// those of the scenarios for the ANSI code page it runs under.
// Every scenario starts from its own registry state: whatever the wizard
// found in this prefix before is wiped.
#include <cstdio>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "tools/driver/WizardFacts.h"
#include "tools/driver/WizardProcess.h"
#include "tools/driver/WizardState.h"
#include "tools/screenshots/ScreenCapture.h"

using namespace driver;

namespace {

// Menu entries, as the wizard writes them, whose presence shapes the pages.
constexpr char kPictureGathererCaption[] = "リンク先の画像をまとめて表示する(&G)";
constexpr char kPortalLexiconCaption[] = "gooの英和/和英辞典で調べる(&D)";
constexpr char kPortalLexiconPlusCaption[] = "gooの各種辞典で調べる(&D)";
constexpr char kHereOpenerCaption[] = "リンク先をこのウィンドウに表示する(&R)";
constexpr char kIdriveCaption[] = "一覧から選んで i-driveに転送(&A)";

// One picture: drive the running wizard to a state, and name the window to take.
struct Shot {
    std::string name;
    std::function<HWND(WizardProcess&)> reach;  // null when the state was not reached
};

// One run of the wizard: the registry it starts from, then its pictures in
// order, taken only where this program runs under the ANSI code page named.
struct Scenario {
    std::function<void()> prepare;
    std::vector<Shot> shots;
    UINT codePage = 932;
};

HWND theWizard(WizardProcess& setup) { return setup.waitForWizard(); }
HWND theMessageBox(WizardProcess& setup) { return setup.waitForMessageBox(); }

// Answers the message box in view, if any, clicks the controls in turn, and
// names the wizard or the message box that came up.
std::function<HWND(WizardProcess&)> after(std::initializer_list<int> clicks, bool box = false) {
    const std::vector<int> controls(clicks);
    return [controls, box](WizardProcess& setup) {
        if (setup.wizard() == nullptr && setup.waitForWizard() == nullptr) return HWND{};
        if (HWND open = setup.waitForMessageBox(0); open != nullptr) setup.answer(open, IDOK);
        for (int control : controls) setup.click(control);
        return box ? theMessageBox(setup) : setup.wizard();
    };
}

std::function<HWND(WizardProcess&)> category(int entry) {
    return [entry](WizardProcess& setup) {
        return setup.chooseComboEntry(id::kCategoryCombo, entry) ? setup.wizard() : HWND{};
    };
}

// Where the scripts live does not show in any picture.
void addEntry(const char* caption, unsigned char contexts) {
    addMenuEntry(caption, "http://old.example/entry.html", contexts);
}

const std::vector<Scenario>& scenarios() {
    static const std::vector<Scenario> all = {
        {[] {}, {{"01-welcome", theWizard}}},
        // Dictionary entries of an older contexts mask bring the upgrade page.
        {[] {
             addEntry(kPortalLexiconCaption, 0x10);
             addEntry(kPortalLexiconPlusCaption, 0x10);
         },
         {{"02-upgrade-page", after({id::kNext})}}},
        // A courier found lists every category; a source viewer adds its controls.
        {[] {
             addEntry(kIdriveCaption, 0x22);
             addEntry(kPictureGathererCaption, 0x01);
             addEntry(kHereOpenerCaption, 0x22);
             setSourceViewer("C:\\windows\\notepad.exe");
         },
         {{"03-features-information", after({id::kNext})},
          {"04-features-free-services", category(1)},
          {"05-features-resource-saving", category(2)},
          {"06-features-security-privacy", category(3)},
          {"07-features-other", category(4)},
          // Ticking a discontinued feature again is refused.
          {"08-message-refusal", after({id::kMarkupReaderSwap, id::kMarkupReaderSwap}, true)},
          {"09-message-complete", after({id::kPaneUnwrapper, id::kNext}, true)},
          {"10-finished", after({})}}},
        {[] { setWindowsVersion("win31"); }, {{"11-platform-refusal", theMessageBox}}},
        // Wine gives setup.exe this program's code page, so scripts/run runs
        // it again in an English locale for these, and in one whose code page
        // is 65001 for the last.
        {[] {}, {{"12-codepage-refusal", theMessageBox}}, 1252},
        {[] { setWindowsVersion("win98"); }, {{"13-edition-refusal", theMessageBox}}, 1252},
        {[] {}, {{"14-utf8-refusal", theMessageBox}}, 65001},
    };
    return all;
}

// Answers a message box still open and cancels the wizard, so that the next
// scenario starts alone. Every box of the wizard has only an OK button.
void finish(WizardProcess& setup) {
    if (HWND box = setup.waitForMessageBox(500); box != nullptr) setup.answer(box, IDOK);
    if (setup.wizard() != nullptr) setup.command(IDCANCEL);
    setup.exitsWith(1);
}

}  // namespace

int main() {
    int missing = 0;
    for (const Scenario& scenario : scenarios()) {
        if (scenario.codePage != GetACP()) continue;
        clearWizardState();
        scenario.prepare();
        WizardProcess setup;
        for (const Shot& shot : scenario.shots) {
            const std::string file = shot.name + ".bmp";
            HWND window = shot.reach(setup);
            if (window != nullptr && screenshots::captureWindow(window, file)) {
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
