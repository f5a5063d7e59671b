// The wizard's ordinary runs, start to finish: the pages forwards and back,
// the categories and the scrolling list, the messages on the way, and what the
// registry holds afterwards.
#include <algorithm>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/WizardTest.h"
#include "tests/support/RegistrySandbox.h"

using namespace e2e;

namespace {

class FlowTest : public WizardTest {};

constexpr char kOldAddress[] = "http://old.example/entry.html";
constexpr char kViewer[] = "C:\\windows\\notepad.exe";

// The check boxes each category shows, by its place in the full list; the
// first is the panel's, with its first four rows in view.
const std::vector<int> kCategoryChecks[] = {
    {1009, 1013, 1025, 1017},
    {id::kXdriveCourier, id::kIdriveCourier},
    {id::kHereOpener},
    {id::kFormSentinel, id::kTargetRevealer, id::kRemoteMarkupPeek, id::kCrumbViewer},
    {id::kMarkupReaderSwap, id::kPaneUnwrapper},
};

// What a category shows: its check boxes with their descriptions, and the
// panel's scroll bar or the source viewer's path field and button.
std::set<int> categoryView(int category, bool sourceViewerFound) {
    std::set<int> view;
    for (int check : kCategoryChecks[category])
        if (check != id::kMarkupReaderSwap || sourceViewerFound) view.insert({check, check + 1});
    if (category == 0) view.insert(id::kPanelScrollBar);
    if (category == 4 && sourceViewerFound) view.insert({id::kEditorPath, id::kEditorBrowse});
    return view;
}

// Everything that one category or another shows.
const std::vector<int>& everyCategoryControl() {
    static const std::vector<int> all = [] {
        std::vector<int> ids = {id::kPanelScrollBar, id::kEditorPath, id::kEditorBrowse};
        for (int row : id::kPanelRows) ids.insert(ids.end(), {row, row + 1});
        for (int category = 1; category < 5; ++category)
            for (int check : kCategoryChecks[category]) ids.insert(ids.end(), {check, check + 1});
        return ids;
    }();
    return all;
}

bool inPanel(int control) {
    const auto isRow = [](int row) { return std::count(std::begin(id::kPanelRows), std::end(id::kPanelRows), row) > 0; };
    return control == id::kPanelScrollBar || isRow(control) || isRow(control - 1);
}

std::set<int> shown(const WizardProcess& setup) {
    std::set<int> visible;
    for (int control : everyCategoryControl())
        if (setup.read(control).visible) visible.insert(control);
    return visible;
}

std::vector<std::string> categoryList(bool freeServicesListed) {
    std::vector<std::string> list(std::begin(kCategories), std::end(kCategories));
    if (!freeServicesListed) list.erase(list.begin() + 1);
    return list;
}

// The place in the list of the panel's top row, -1 when no row is in view.
// Which rows the panel shows below it, and where, is FeatureListPanelTest's.
int firstRowInView(const WizardProcess& setup) {
    for (int row = 0; row < 8; ++row)
        if (setup.read(id::kPanelRows[row]).visible) return row;
    return -1;
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

std::set<std::string> menuEntries() {
    const std::vector<std::string> keys = reg::subkeys(HKEY_CURRENT_USER, kMenuExtPath);
    return {keys.begin(), keys.end()};
}

// An entry exactly as the browser reads it, and nothing else in its key.
void expectEntry(const MenuEntryFact& entry) {
    EXPECT_EQ(entryValues(entry), snapshot(HKEY_CURRENT_USER, menuEntryPath(entry.caption))[""]) << entry.caption;
}

void closeFinishedWizard(WizardProcess& setup) {
    EXPECT_TRUE(setup.click(id::kNext));
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

TEST_F(FlowTest, TheUpgradePageStandsBetweenWelcomeAndFeaturesBothWays) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconEntry.caption, kOldAddress, 0x10));
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPortalLexiconPlusEntries[0].caption, kOldAddress, 0x10));
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
    ASSERT_TRUE(setup.click(id::kLexiconPlusUpgradeCheck));
    ASSERT_TRUE(setup.click(id::kBack));
    expectPage(setup, "welcome", false, kNextLabel);
    EXPECT_FALSE(setup.click(id::kBack));

    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_TRUE(setup.click(id::kNext));
    expectFeaturesPageAtItsTop(setup);
    EXPECT_EQ(BST_CHECKED, setup.read(id::kLexiconUpgradeCheck).check);  // a page change keeps every tick
    // An upgrade taken for a feature that is then unticked: written, then removed.
    ASSERT_TRUE(setup.click(id::kPortalLexicon));

    // With the upgrade page the commit is the fourth step, and Close the fifth.
    ASSERT_TRUE(setup.click(id::kNext));
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectFinished(setup);
    std::set<std::string> plusCaptions;
    for (const MenuEntryFact& entry : kPortalLexiconPlusEntries) {
        plusCaptions.insert(entry.caption);
        expectEntry(entry);
    }
    EXPECT_EQ(plusCaptions, menuEntries());
    closeFinishedWizard(setup);
}

TEST_F(FlowTest, ThePanelScrollsByLinePageAndReleasedThumbAndReopensAtItsTop) {
    ASSERT_EQ(ERROR_SUCCESS, addMenuEntry(kPolyglotRelayEntry.caption, kOldAddress, 0x01));
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    ASSERT_TRUE(setup.click(id::kNext));

    // Each step: the request, the thumb position it carries, and the top row after it.
    const struct {
        int request, position, firstRow;
    } steps[] = {
        {SB_LINEDOWN, 0, 1}, {SB_PAGEDOWN, 0, 4},  // a page stops at the last page
        {SB_THUMBTRACK, 1, 4},                     // rows follow only a released thumb
        {SB_THUMBPOSITION, 2, 2}, {SB_LINEUP, 0, 1}, {SB_PAGEUP, 0, 0}, {SB_THUMBPOSITION, 3, 3},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << "request " << step.request << " at " << step.position);
        ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, step.request, step.position));
        EXPECT_EQ(step.firstRow, firstRowInView(setup));
        EXPECT_EQ(step.firstRow, setup.read(id::kPanelScrollBar).scrollPos);
    }
    EXPECT_EQ(BST_CHECKED, setup.read(id::kPolyglotRelay).check);

    // Another category hides the whole panel; coming back starts from its top.
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 2));
    EXPECT_EQ(categoryView(3, false), shown(setup));
    ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 0));
    EXPECT_EQ(categoryView(0, false), shown(setup));  // the first four rows

    // So does the page, whichever category and rows were in view when it was left.
    for (const int entry : {0, 3}) {
        ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, entry));
        if (entry == 0) ASSERT_TRUE(setup.scroll(id::kPanelScrollBar, SB_THUMBPOSITION, 4));
        if (entry == 3) EXPECT_EQ(categoryView(4, false), shown(setup));  // no source viewer found
        ASSERT_TRUE(setup.click(id::kBack));
        ASSERT_TRUE(setup.click(id::kNext));
        expectFeaturesPageAtItsTop(setup);
    }
    setup.command(IDCANCEL);
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
}

// From nothing installed, Enter is Next wherever the focus is: on the Next
// button of the welcome page, in the category list, on a check box, and on
// Close at the end.
TEST_F(FlowTest, FinishingWithNothingChangedStaysOnThePageUntilOneFeatureIsInstalledAllByEnter) {
    WizardProcess setup;
    ASSERT_NE(nullptr, setup.waitForWizard());
    expectPage(setup, "welcome", false, kNextLabel);
    setup.pressEnter();
    ASSERT_TRUE(waitUntil([&] { return pageInView(setup) == "features "; }));
    expectFeaturesPageAtItsTop(setup);
    for (int round = 0; round < 2; ++round) {
        SCOPED_TRACE(round == 0 ? "untouched" : "a tick given and taken back");
        if (round == 1) {
            ASSERT_TRUE(setup.click(id::kPictureGatherer));
            ASSERT_TRUE(setup.click(id::kPictureGatherer));
        }
        setup.pressEnter();
        ASSERT_NO_FATAL_FAILURE(answerBox(setup, kNothingChanged));
        expectPage(setup, "features", true, kFinishLabel);
        EXPECT_TRUE(setup.read(id::kCategoryCombo).enabled);
        EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, kMenuExtPath));
    }

    ASSERT_TRUE(setup.click(id::kPictureGatherer));
    setup.pressEnter();
    ASSERT_NO_FATAL_FAILURE(answerBox(setup, kSetupComplete));
    expectFinished(setup);
    EXPECT_EQ(std::set<std::string>{kPictureGathererEntry.caption}, menuEntries());
    expectEntry(kPictureGathererEntry);
    setup.pressEnter();
    EXPECT_EQ(ExitStatus::exited(1), setup.waitForExit());
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
                      {id::kMarkupReaderSwap, kSourceViewerRefusal}};
        for (const auto& click : clicks) {
            SCOPED_TRACE(testing::Message() << "click on " << click.check);
            if (click.check == id::kMarkupReaderSwap && !setup.read(click.check).visible)
                ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, 4));
            ASSERT_TRUE(setup.click(click.check));
            if (click.refusal != nullptr)
                ASSERT_NO_FATAL_FAILURE(answerBox(setup, click.refusal));
            else
                EXPECT_EQ(nullptr, setup.waitForMessageBox(300).window);
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

// Each entry of the category list shows its category; without the
// free-services entry every later entry stands one place up. A source viewer
// that is kept must name a program, or the finish stops on its category.
TEST_F(FlowTest, EachListEntryShowsItsCategoryAndAKeptSourceViewerWithoutAProgramStopsTheFinish) {
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
        const std::vector<std::string> list = setup.read(id::kCategoryCombo).items;
        ASSERT_EQ(categoryList(c.courierFound), list);
        for (int entry = static_cast<int>(list.size()) - 1; entry >= 0; --entry) {
            ASSERT_TRUE(setup.chooseComboEntry(id::kCategoryCombo, entry));
            const int category = entry == 0 || c.courierFound ? entry : entry + 1;
            EXPECT_EQ(categoryView(category, true), shown(setup)) << "entry " << entry;
        }
        EXPECT_EQ(c.courierFound ? BST_CHECKED : BST_UNCHECKED, setup.read(id::kIdriveCourier).check);
        EXPECT_EQ(BST_UNCHECKED, setup.read(id::kXdriveCourier).check);

        std::set<int> view = {id::kMarkupReaderSwap, id::kMarkupReaderSwap + 1, id::kEditorPath, id::kEditorBrowse};
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

}  // namespace
