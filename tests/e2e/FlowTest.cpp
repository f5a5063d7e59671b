// The wizard's ordinary runs, start to finish: the pages forwards and back,
// the categories and the scrolling list, the messages on the way, and what the
// registry holds afterwards.
#include <algorithm>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/WizardFlowFacts.h"
#include "tests/e2e/WizardProcess.h"
#include "tests/e2e/WizardTest.h"
#include "tests/support/RegistrySandbox.h"

using namespace e2e;

namespace {

class FlowTest : public WizardTest {};

constexpr char kOldAddress[] = "http://old.example/entry.html";
constexpr char kViewer[] = "C:\\windows\\notepad.exe";
constexpr int kFirstRowTop = 84, kRowStep = 44;

// Everything that one category or another of the features page shows.
const std::vector<int>& everyCategoryControl() {
    static const std::vector<int> all = [] {
        std::vector<int> ids(std::begin(id::kPanelRows), std::end(id::kPanelRows));
        ids.insert(ids.end(), std::begin(id::kPanelTexts), std::end(id::kPanelTexts));
        ids.push_back(id::kPanelScrollBar);
        for (int check : {id::kXdriveCourier, id::kIdriveCourier, id::kHereOpener, id::kFormSentinel,
                          id::kTargetRevealer, id::kRemoteMarkupPeek, id::kCrumbViewer, id::kPaneUnwrapper})
            ids.insert(ids.end(), {check, check + 1});
        ids.insert(ids.end(), {id::kMarkupReaderSwap, id::kMarkupReaderSwapText, id::kEditorPath, id::kEditorBrowse});
        return ids;
    }();
    return all;
}

bool inPanel(int control) {
    return control == id::kPanelScrollBar || std::count(std::begin(id::kPanelRows), std::end(id::kPanelRows), control) ||
           std::count(std::begin(id::kPanelTexts), std::end(id::kPanelTexts), control);
}

std::set<int> shown(const WizardProcess& setup) {
    std::set<int> visible;
    for (int control : everyCategoryControl())
        if (setup.read(control).visible) visible.insert(control);
    return visible;
}

std::set<int> withDescriptions(std::initializer_list<int> checks) {
    std::set<int> ids;
    for (int check : checks) ids.insert({check, check + 1});
    return ids;
}

// What each category shows, by its place in the full list.
std::set<int> categoryView(int category, bool sourceViewerFound) {
    switch (category) {
    case 0: return {1009, 1010, 1013, 1014, 1025, 1026, 1017, 1018, id::kPanelScrollBar};
    case 1: return withDescriptions({id::kXdriveCourier, id::kIdriveCourier});
    case 2: return withDescriptions({id::kHereOpener});
    case 3:
        return withDescriptions({id::kFormSentinel, id::kTargetRevealer, id::kRemoteMarkupPeek, id::kCrumbViewer});
    default: {
        std::set<int> other = withDescriptions({id::kPaneUnwrapper});
        if (sourceViewerFound)
            other.insert({id::kMarkupReaderSwap, id::kMarkupReaderSwapText, id::kEditorPath, id::kEditorBrowse});
        return other;
    }
    }
}

std::vector<std::string> categoryList(bool freeServicesListed) {
    std::vector<std::string> list(std::begin(kCategories), std::end(kCategories));
    if (!freeServicesListed) list.erase(list.begin() + 1);
    return list;
}

// The panel's check boxes in view, top to bottom, each of which must stand in
// its slot.
std::vector<int> rowsInView(const WizardProcess& setup) {
    std::vector<std::pair<LONG, int>> seen;
    for (int row : id::kPanelRows)
        if (const ControlState state = setup.read(row); state.visible) seen.push_back({state.rect.top, row});
    std::sort(seen.begin(), seen.end());
    std::vector<int> rows;
    for (size_t slot = 0; slot < seen.size(); ++slot) {
        EXPECT_EQ(kFirstRowTop + kRowStep * static_cast<LONG>(slot), seen[slot].first) << "row " << seen[slot].second;
        rows.push_back(seen[slot].second);
    }
    return rows;
}

// The names of the pages whose own texts are in view; more than one is a mix.
std::string pageInView(const WizardProcess& setup) {
    std::string pages;
    if (setup.read(id::kWelcomeText).visible) pages += "welcome ";
    if (setup.read(id::kUpgradeText).visible) pages += "upgrade ";
    if (setup.read(id::kFeaturesText).visible && setup.read(id::kCategoryCombo).visible) pages += "features ";
    return pages;
}

void expectPage(const WizardProcess& setup, const std::string& page, bool backEnabled, const char* nextLabel) {
    EXPECT_EQ(page + " ", pageInView(setup));
    EXPECT_EQ(backEnabled, setup.read(id::kBack).enabled);
    EXPECT_EQ(std::string(nextLabel), setup.read(id::kNext).text);
    EXPECT_TRUE(setup.read(id::kNext).enabled);
    EXPECT_TRUE(setup.read(id::kCancel).enabled);
}

// However the user left it, the features page comes back on the first
// category with the list at its top.
void expectFeaturesPageAtItsTop(const WizardProcess& setup) {
    expectPage(setup, "features", true, kFinishLabel);
    EXPECT_EQ(0, setup.read(id::kCategoryCombo).selection);
    EXPECT_EQ(categoryView(0, false), shown(setup));
    EXPECT_EQ(0, setup.read(id::kPanelScrollBar).scrollPos);
}

// After a commit with changes only Next, now Close, is left to press.
void expectFinished(const WizardProcess& setup) {
    EXPECT_EQ(std::string(kCloseLabel), setup.read(id::kNext).text);
    EXPECT_TRUE(setup.read(id::kNext).enabled);
    for (int control : {id::kBack, id::kCancel, id::kCategoryCombo})
        EXPECT_FALSE(setup.read(control).enabled) << "control " << control;
    for (int control : everyCategoryControl()) {
        const ControlState state = setup.read(control);
        // Of the panel only the rows in view are greyed; its scroll bar stays usable.
        if (inPanel(control) && (!state.visible || control == id::kPanelScrollBar)) continue;
        if (state.exists) EXPECT_FALSE(state.enabled) << "control " << control;
    }
}

// Waits for the wizard's next message box, checks it, and presses its OK.
void answerBox(WizardProcess& setup, const char* text) {
    const MessageBoxView box = setup.waitForMessageBox();
    ASSERT_NE(nullptr, box.window) << "no message box came up";
    EXPECT_EQ(setup.wizard(), box.owner);
    EXPECT_EQ(std::string(kMessageCaption), box.caption);
    EXPECT_EQ(std::string(text), box.text);
    EXPECT_EQ(std::vector<int>{IDOK}, box.buttons);
    EXPECT_TRUE(box.hasIcon);
    EXPECT_TRUE(setup.answer(box, IDOK));
}

bool noMessageBox(WizardProcess& setup) { return setup.waitForMessageBox(300).window == nullptr; }

std::set<std::string> menuEntries() {
    const std::vector<std::string> keys = reg::subkeys(HKEY_CURRENT_USER, kMenuExtPath);
    return {keys.begin(), keys.end()};
}

// An entry exactly as the browser reads it: the address with its terminating
// NUL, and the contexts as one binary byte.
void expectEntry(const MenuEntryFact& entry) {
    const std::string address = std::string(kScriptBase) + entry.script;
    const reg::Value value = reg::readValue(HKEY_CURRENT_USER, menuEntryPath(entry.caption), "");
    EXPECT_EQ(DWORD{REG_SZ}, value.type) << entry.caption;
    EXPECT_EQ(std::vector<unsigned char>(address.c_str(), address.c_str() + address.size() + 1), value.data);
    const reg::Value contexts = reg::readValue(HKEY_CURRENT_USER, menuEntryPath(entry.caption), "contexts");
    EXPECT_EQ(DWORD{REG_BINARY}, contexts.type) << entry.caption;
    EXPECT_EQ(std::vector<unsigned char>{entry.contexts}, contexts.data);
}

void closeFinishedWizard(WizardProcess& setup) {
    EXPECT_TRUE(setup.click(id::kNext));
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(FlowTest, OneFeatureIsInstalledFromNothingAndCloseEndsTheWizard) {
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    expectPage(setup, "welcome", false, kNextLabel);

    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    EXPECT_EQ(categoryList(false), setup.read(id::kCategoryCombo).items);
    for (int row : id::kPanelRows) EXPECT_EQ(BST_UNCHECKED, setup.read(row).check) << "row " << row;

    ASSERT_TRUE(setup.click(id::kPictureGatherer));
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectFinished(setup);
    EXPECT_EQ(std::set<std::string>{kPictureGathererEntry.caption}, menuEntries());
    expectEntry(kPictureGathererEntry);
    closeFinishedWizard(setup);
}

TEST_F(FlowTest, TheUpgradePageStandsBetweenWelcomeAndFeaturesBothWays) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconEntry.caption, kOldAddress, 0x10));
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconPlusEntry.caption, kOldAddress, 0x10));
    const RegistrySnapshot before = snapshot(HKEY_CURRENT_USER, kMenuExtPath);
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    expectPage(setup, "welcome", false, kNextLabel);

    ASSERT_TRUE(setup.click(id::kNext));
    expectPage(setup, "upgrade", true, kNextLabel);
    for (int offer : {id::kLexiconUpgradeCheck, id::kLexiconPlusUpgradeCheck}) {
        EXPECT_TRUE(setup.read(offer).visible && setup.read(offer + 1).visible) << "offer " << offer;
        EXPECT_EQ(BST_UNCHECKED, setup.read(offer).check) << "offer " << offer;
    }
    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    EXPECT_EQ(BST_CHECKED, setup.read(id::kPortalLexicon).check);
    EXPECT_EQ(BST_CHECKED, setup.read(id::kPortalLexiconPlus).check);

    ASSERT_TRUE(setup.click(id::kBack));
    expectPage(setup, "upgrade", true, kNextLabel);
    ASSERT_TRUE(setup.click(id::kLexiconUpgradeCheck));
    ASSERT_TRUE(setup.click(id::kBack));
    expectPage(setup, "welcome", false, kNextLabel);
    EXPECT_FALSE(setup.click(id::kBack));

    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    EXPECT_EQ(BST_CHECKED, setup.read(id::kLexiconUpgradeCheck).check);  // a page change keeps every tick

    // With the upgrade page the commit is the fourth step, and Close the fifth.
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectFinished(setup);
    const std::string lexicon = kPortalLexiconEntry.caption;
    EXPECT_EQ((std::vector<std::string>{"value changed: " + lexicon + " : ", "value changed: " + lexicon + " : contexts"}),
              differences(before, snapshot(HKEY_CURRENT_USER, kMenuExtPath)));
    expectEntry(kPortalLexiconEntry);
    closeFinishedWizard(setup);
}

TEST_F(FlowTest, AnUpgradeTickedForAFeatureThatIsUntickedEndsWithTheFeatureRemoved) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconEntry.caption, kOldAddress, 0x10));
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_TRUE(setup.click(id::kLexiconUpgradeCheck));
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_TRUE(setup.click(id::kPortalLexicon));
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    EXPECT_EQ(std::set<std::string>{}, menuEntries());
    closeFinishedWizard(setup);
}

TEST_F(FlowTest, EachListEntryShowsItsCategoryWhetherOrNotFreeServicesAreListed) {
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kViewer));
    for (const bool found : {false, true}) {
        SCOPED_TRACE(found ? "i-drive Courier and a source viewer found" : "nothing found");
        clearWizardState();
        if (found) {
            ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kIdriveCaption, kOldAddress, 0x22));
            ASSERT_EQ(ERROR_SUCCESS, setSourceViewer(kViewer));
        }
        WizardProcess setup;
        ASSERT_NE(nullptr, setup.waitForWizard());
        ASSERT_TRUE(setup.click(id::kNext));
        const std::vector<std::string> list = setup.read(id::kCategoryCombo).items;
        ASSERT_EQ(categoryList(found), list);
        // Without the free-services entry every later entry stands one place up.
        for (int entry = static_cast<int>(list.size()) - 1; entry >= 0; --entry) {
            ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, entry));
            EXPECT_EQ(categoryView(entry == 0 || found ? entry : entry + 1, found), shown(setup)) << "entry " << entry;
        }
        EXPECT_EQ(found ? BST_CHECKED : BST_UNCHECKED, setup.read(id::kIdriveCourier).check);
        EXPECT_EQ(BST_UNCHECKED, setup.read(id::kXdriveCourier).check);
        setup.command(IDCANCEL);
        EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
    }
}

TEST_F(FlowTest, ThePanelScrollsByLinePageAndReleasedThumbAndReopensAtItsTop) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPolyglotRelayEntry.caption, kOldAddress, 0x01));
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));
    const ControlState bar = setup.read(id::kPanelScrollBar);
    EXPECT_EQ(0, bar.scrollMin);
    EXPECT_EQ(4, bar.scrollMax);

    // Each step: the request, the thumb position it carries, and the rows then in view.
    const struct {
        int request, position;
        std::vector<int> rows;
    } steps[] = {
        {SB_LINEDOWN, 0, {1013, 1025, 1017, 1023}},
        {SB_PAGEDOWN, 0, {1023, 1038, 1044, 1050}},  // stops at the last page
        {SB_LINEDOWN, 0, {1023, 1038, 1044, 1050}},  // already at the end
        {SB_THUMBTRACK, 1, {1023, 1038, 1044, 1050}},  // rows follow only a released thumb
        {SB_THUMBPOSITION, 2, {1025, 1017, 1023, 1038}},
        {SB_PAGEUP, 0, {1009, 1013, 1025, 1017}},
        {SB_LINEUP, 0, {1009, 1013, 1025, 1017}},
        {SB_THUMBPOSITION, 3, {1017, 1023, 1038, 1044}},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "request " << step.request << " at " << step.position);
        ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, step.request, step.position));
        const std::vector<int> rows = rowsInView(setup);
        EXPECT_EQ(step.rows, rows);
        const auto top = std::find(std::begin(id::kPanelRows), std::end(id::kPanelRows), rows.front());
        EXPECT_EQ(top - std::begin(id::kPanelRows), setup.read(id::kPanelScrollBar).scrollPos);
    }
    EXPECT_EQ(BST_CHECKED, setup.read(id::kPolyglotRelay).check);

    // Another category hides the whole panel; coming back starts from its top.
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 2));
    EXPECT_EQ(categoryView(3, false), shown(setup));
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 0));
    EXPECT_EQ(categoryView(0, false), shown(setup));
    EXPECT_EQ((std::vector<int>{1009, 1013, 1025, 1017}), rowsInView(setup));

    // So does the page, whichever category and rows were in view when it was left.
    ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, SB_THUMBPOSITION, 4));
    ASSERT_TRUE(setup.click(id::kBack));
    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 3));
    ASSERT_TRUE(setup.click(id::kBack));
    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(FlowTest, FinishingWithNothingChangedKeepsThePageUntilARealChange) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kHereOpenerEntry.caption, kOldAddress, 0x22));
    const RegistrySnapshot before = snapshot(HKEY_CURRENT_USER, kMenuExtPath);
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "untouched" : "a tick given and taken back");
        if (round == 1) {
            ASSERT_TRUE(setup.click(id::kPictureGatherer));
            ASSERT_TRUE(setup.click(id::kPictureGatherer));
        }
        ASSERT_TRUE(setup.click(id::kNext));
        ASSERT_NO_FATAL_FAILURE(answerBox(setup, kNothingChanged));
        expectPage(setup, "features", true, kFinishLabel);
        EXPECT_TRUE(setup.read(id::kCategoryCombo).enabled);
        EXPECT_EQ(std::vector<std::string>{}, differences(before, snapshot(HKEY_CURRENT_USER, kMenuExtPath)));
    }

    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 1));  // resource saving, the list having four entries
    EXPECT_EQ(BST_CHECKED, setup.read(id::kHereOpener).check);
    ASSERT_TRUE(setup.click(id::kHereOpener));
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectFinished(setup);
    EXPECT_EQ(std::set<std::string>{}, menuEntries());
    closeFinishedWizard(setup);
}

TEST_F(FlowTest, DiscontinuedFeaturesRefuseTicksAndGoWhenUntickedUnderTheCaptionsFound) {
    ASSERT_NE(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(kViewer));
    const std::string foreign = "他社の項目(&Z)";
    const std::pair<const char*, const char* const*> xdriveFound[] = {{"current captions", kXdriveCaptions},
                                                                      {"older X:drive captions", kXdriveOldCaptions}};
    for (const auto& [name, captions] : xdriveFound) {
        SCOPED_TRACE(name);
        clearWizardState();
        for (int i = 0; i < 2; ++i) ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(captions[i], kOldAddress, 0x22));
        ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(foreign, kOldAddress, 0x11));
        ASSERT_EQ(ERROR_SUCCESS, setSourceViewer(kViewer));
        WizardProcess setup;
        ASSERT_NE(nullptr, setup.waitForWizard());
        ASSERT_TRUE(setup.click(id::kNext));

        // Each click on a discontinued box: whether a refusal comes, and the tick left.
        ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 1));
        const struct {
            int check;
            const char* refusal;  // null: passes silently
        } clicks[] = {{id::kIdriveCourier, kIdriveRefusal},
                      {id::kXdriveCourier, nullptr},
                      {id::kXdriveCourier, kXdriveRefusal},
                      {id::kMarkupReaderSwap, nullptr},
                      {id::kMarkupReaderSwap, kMarkupReaderSwapRefusal}};
        for (const auto& click : clicks) {
            SCOPED_TRACE(testing::Message() << "click on " << click.check);
            if (click.check == id::kMarkupReaderSwap && !setup.read(click.check).visible)
                ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 4));
            ASSERT_TRUE(setup.click(click.check));
            if (click.refusal != nullptr)
                ASSERT_NO_FATAL_FAILURE(answerBox(setup, click.refusal));
            else
                EXPECT_TRUE(noMessageBox(setup));
            EXPECT_EQ(BST_UNCHECKED, setup.read(click.check).check);
        }

        ASSERT_TRUE(setup.click(id::kNext));
        ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
        expectFinished(setup);
        EXPECT_EQ(std::set<std::string>{foreign}, menuEntries());
        EXPECT_FALSE(reg::keyExists(HKEY_LOCAL_MACHINE, kSourceViewerPath));
        closeFinishedWizard(setup);
    }
}

TEST_F(FlowTest, AKeptSourceViewerWithoutAProgramStopsTheFinishOnItsCategory) {
    const struct {
        const char* name;
        const char* path;
        bool courierFound;
        const char* message;
        bool paneUnwrapperShown;
    } cases[] = {
        {"empty path, four categories", "", false, kEditorPathMissing, false},
        {"no such program, five categories", "C:\\no\\such\\viewer.exe", true, kEditorNotFound, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        clearWizardState();
        ASSERT_EQ(ERROR_SUCCESS, setSourceViewer(c.path));
        if (c.courierFound) ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kIdriveCaption, kOldAddress, 0x22));
        const RegistrySnapshot user = snapshot(HKEY_CURRENT_USER, kMenuExtPath);
        const RegistrySnapshot machine = snapshot(HKEY_LOCAL_MACHINE, kSourceViewerPath);
        WizardProcess setup;
        ASSERT_NE(nullptr, setup.waitForWizard());
        ASSERT_TRUE(setup.click(id::kNext));
        std::set<int> view = {id::kMarkupReaderSwap, id::kMarkupReaderSwapText, id::kEditorPath, id::kEditorBrowse};
        if (c.paneUnwrapperShown) view.insert({id::kPaneUnwrapper, id::kPaneUnwrapper + 1});

        // The check runs at every finish: first from the panel, then from the view it left.
        for (int round = 0; round < 2; ++round) {
            ASSERT_TRUE(setup.click(id::kNext));
            ASSERT_NO_FATAL_FAILURE(answerBox(setup, c.message));
            expectPage(setup, "features", true, kFinishLabel);
            const ControlState combo = setup.read(id::kCategoryCombo);
            ASSERT_EQ(categoryList(c.courierFound), combo.items);
            EXPECT_EQ(std::string(kCategories[4]), combo.items.at(combo.selection));
            EXPECT_EQ(view, shown(setup));
        }
        EXPECT_EQ(std::string(c.path), setup.read(id::kEditorPath).text);
        setup.command(IDCANCEL);
        EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
        EXPECT_EQ(std::vector<std::string>{}, differences(user, snapshot(HKEY_CURRENT_USER, kMenuExtPath)));
        EXPECT_EQ(std::vector<std::string>{}, differences(machine, snapshot(HKEY_LOCAL_MACHINE, kSourceViewerPath)));
    }
}

TEST_F(FlowTest, LeavingFromAnyPageWritesNothingButTheMovesMadeAtStart) {
    const struct {
        const char* how;
        std::function<void(WizardProcess&)> leave;
    } cases[] = {
        {"close box on the welcome page", [](WizardProcess& setup) { EXPECT_TRUE(setup.closeBox()); }},
        {"Escape on the upgrade page",
         [](WizardProcess& setup) {
             EXPECT_TRUE(setup.click(id::kNext));
             EXPECT_TRUE(setup.click(id::kLexiconUpgradeCheck));
             setup.pressEscape();
         }},
        {"Cancel on the features page, every kind of choice changed",
         [](WizardProcess& setup) {
             for (int control : {id::kNext, id::kLexiconUpgradeCheck, id::kNext, id::kFreewareFinder, id::kPictureGatherer})
                 EXPECT_TRUE(setup.click(control)) << "control " << control;
             EXPECT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 1));
             EXPECT_TRUE(setup.click(id::kHereOpener));
             EXPECT_TRUE(setup.click(id::kCancel));
         }},
        {"Cancel after finishing with nothing changed",
         [](WizardProcess& setup) {
             for (int i = 0; i < 3; ++i) EXPECT_TRUE(setup.click(id::kNext));
             answerBox(setup, kNothingChanged);
             EXPECT_TRUE(setup.click(id::kCancel));
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        clearWizardState();
        ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPictureGathererOldCaption, kOldAddress, 0x01));
        ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconEntry.caption, kOldAddress, 0x10));
        ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kHereOpenerEntry.caption, kOldAddress, 0x22));
        const RegistrySnapshot before = snapshot(HKEY_CURRENT_USER, kMenuExtPath);
        WizardProcess setup;
        ASSERT_NE(nullptr, setup.waitForWizard());
        const RegistrySnapshot started = snapshot(HKEY_CURRENT_USER, kMenuExtPath);
        EXPECT_EQ((std::vector<std::string>{std::string("key removed: ") + kPictureGathererOldCaption,
                                            std::string("key added: ") + kPictureGathererEntry.caption}),
                  differences(before, started));
        expectEntry(kPictureGathererEntry);

        c.leave(setup);
        EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
        EXPECT_EQ(std::vector<std::string>{}, differences(started, snapshot(HKEY_CURRENT_USER, kMenuExtPath)));
    }
}

TEST_F(FlowTest, EnterPressesNextOnEveryPageAndCloseAtTheEnd) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconEntry.caption, kOldAddress, 0x10));
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    setup.pressEnter();
    EXPECT_TRUE(waitUntil([&] { return pageInView(setup) == "upgrade "; }));
    setup.pressEnter();
    EXPECT_TRUE(waitUntil([&] { return pageInView(setup) == "features "; }));
    ASSERT_TRUE(setup.click(id::kPictureGatherer));  // the focus is now on a check box
    setup.pressEnter();
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectEntry(kPictureGathererEntry);
    setup.pressEnter();
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

}  // namespace
