// Random registry states and random users, against what the wizard must do
// worked out here from the transcribed table: what it finds at start, what
// it moves, which boxes come up and what the registry holds at the end; and
// on the way every control as the dialog opens, each category's view, the
// pages there and back and the finished or failed state. The first difference
// in a case is reported with the case's number.
//
// A case draws everything before the wizard opens, and works out what must
// happen, so RandomCoverage counts the situations each case brings about
// without running them, prints the table, and fails a run that left one
// unreached. The first cases of every run each aim at one situation, in the
// table's order: the first draw of the case's own that brings it about. Draws
// take the engine's raw output, which is the same with every standard library.
//
// FaultTest runs chosen cases again once for every registry call they make,
// with that call refused, as a real machine may refuse any of them.
//
//   KELVARA_RANDOM_CASES  cases in the run (default 40)
//   KELVARA_RANDOM_SEED   the run's seed (default 1)
//   KELVARA_RANDOM_CASE   only this case of the run, to replay it
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <random>
#include <set>

#include "tests/support/RegistryFaults.h"
#include "tests/support/WizardHost.h"

namespace {

using namespace expected;
using Boxes = std::vector<std::string>;
const std::string kPalimo = "SOFTWARE\\Quorvin\\Palimo\\HTML Editor";

// The order of the probes at start, and so of the moves and their reports,
// which differs from the catalog's for Host Redirector and URI Grabber. The
// case that moves both shows it when Host Redirector's write is refused.
const int kDetectionOrder[] = {1009, 1013, 1025, 1017, 1038, 1044, 1050, 1023,
                               1011, 1021, 1015, 1019, 1040, 1046, 1048, 1036};

unsigned setting(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}
const unsigned kSeed = setting("KELVARA_RANDOM_SEED", 1), kOnly = setting("KELVARA_RANDOM_CASE", 0);
const unsigned kFirst = kOnly != 0 ? kOnly : 1, kLast = kOnly != 0 ? kOnly : setting("KELVARA_RANDOM_CASES", 40);

// Whether the feature is one of the panel's four rows in view from row first.
bool inPanelView(int id, int first) {
    const Ids panel = panelIds();
    const auto row = std::find(panel.begin(), panel.end(), id) - panel.begin();
    return row < static_cast<int>(panel.size()) && row >= first && row < first + 4;
}

// The features page with one category in view: its controls, or the panel's
// bar and the four rows from first.
Ids categoryView(const WizardHost& host, int category, int first) {
    Ids view = join(kFeaturesPage, category == 0 ? Ids{106} : Ids{});
    for (const Feature& feature : kFeatures)
        if (feature.category == category && host.item(feature.id) && (category != 0 || inPanelView(feature.id, first)))
            view = join(view, feature.id == kMarkup ? Ids{kMarkup, 1028, 1029, 1030} : Ids{feature.id, feature.id + 1});
    return view;
}

// The panel scrolled to its row first: the bar's range and place, the rows in
// view and where each stands.
void expectPanelAt(const WizardHost& host, int first) {
    EXPECT_EQ(categoryView(host, 0, first), host.inView());
    int top = -1, bottom = -1;
    GetScrollRange(host.item(106), SB_CTL, &top, &bottom);
    EXPECT_EQ((Ids{0, 4, first}), (Ids{top, bottom, GetScrollPos(host.item(106), SB_CTL)}));
    for (int row = first; row < first + 4; ++row) {
        const RECT box = host.place(panelIds()[row]), description = host.place(panelIds()[row] + 1);
        EXPECT_EQ((Ids{24, 84 + 44 * (row - first), 32, 98 + 44 * (row - first)}),
                  (Ids{box.left, box.top, description.left, description.top}));
    }
}

// Finished: every choice greyed but the panel's rows out of view, which its
// bar can still bring in; Next closes.
void expectFrozen(const WizardHost& host) {
    EXPECT_EQ(kClose, host.text(1));
    const int first = GetScrollPos(host.item(106), SB_CTL);
    for (const Feature& feature : kFeatures) {
        const bool greyed = feature.category != 0 || inPanelView(feature.id, first);
        for (int id : {feature.id, feature.id + 1})
            if (host.item(id) != nullptr) EXPECT_EQ(!greyed, host.enabled(id)) << id;
    }
    for (int id : {2, 1008, 1029, 1030})
        if (host.item(id) != nullptr) EXPECT_FALSE(host.enabled(id)) << id;
}

// The situations a run must bring about, in the order the first cases aim at them.
const char* const kSituations[] = {
    "the bar's every step", "an entry moved at start", "a move could not remove the older entry",
    "Portal Lexicon's offer alone", "Portal Lexicon Plus's offer alone", "both offers",
    "Back to the upgrade page", "only an upgrade ticked", "an offer taken, its feature removed",
    "five categories listed", "a discontinued feature refused", "one unticked, then ticked again",
    "Xdrive removed under X:drive", "the source viewer claimed by Palimo", "an editor path of 257 characters or more",
    "the source viewer kept without a path", "the source viewer's program missing", "the source viewer removed",
    "the source viewer removed, its parent kept for others", "nothing to change",
    "the commit failed on its first write", "the commit failed after writes"};
constexpr unsigned kAims = std::size(kSituations);

std::mt19937 engine(unsigned seed, unsigned number, unsigned attempt) {
    std::seed_seq sequence{seed, number, attempt};
    return std::mt19937(sequence);
}

class Case {
public:
    // Keys the wizard cannot delete come in four strengths. The first case
    // walks the panel's bar through its steps. fault names the registry call
    // that is refused when the case runs, whose effects the case works out.
    Case(unsigned seed, unsigned number, unsigned attempt, const RegistryCall* fault = nullptr)
        : attempt(attempt), random(engine(seed, number, attempt)), heat(pick(4)), scrolls(number == 1),
          fault(fault) {
        drawState(number == 3);
        start[0] = user, start[1] = machine;
        detect();
        planUser();
        outcome = commit();
    }

    void run(RegistryFaults* faults = nullptr);

    // Whether this case brings about each situation, in kSituations' order:
    // counted where the effect took place, not where it was drawn.
    std::vector<bool> situations() const {
        const bool failed = outcome == kSetFailed || outcome == kUnsetFailed;
        return {scrolls, moved, std::count(startBoxes.begin(), startBoxes.end(), kUnsetFailed) > 0,
                outdated[0] && !outdated[1], outdated[1] && !outdated[0],
                outdated[0] && outdated[1], back && upgradePage, onlyUpgraded, upgradedThenRemoved, couriers, refused,
                tickedAgain, olderXdriveRemoved, palimo, editorPath.size() >= 257, pathBox == kPathMissing,
                pathBox == kProgramNotFound, viewerRemoved, viewerRemoved && parentKept, outcome == kNothingChanged,
                failed && writes == 0, failed && writes != 0};
    }

    const unsigned attempt;
    size_t openingCalls = 0;  // the registry calls made until the wizard was open

private:
    unsigned pick(unsigned count) { return random() % count; }
    bool chance(unsigned percent) { return pick(100) < percent; }
    bool trouble(unsigned percent) { return chance(percent * heat); }

    // Ours, now and then with odd values, or a subkey that keeps it from
    // being deleted.
    void drawEntry(const Entry& entry, unsigned odd) {
        reg::Values& values = reg::add(user, reg::menuKey(entry.caption));
        const reg::Value contexts[] = {{REG_DWORD, {0x30, 0, 0, 0}}, {REG_BINARY, {0x30, 0}}, {REG_NONE, {0x30}},
                                       reg::byte(entry.contexts ^ 0x20), reg::byte(entry.contexts)};
        values["contexts"] = contexts[chance(odd) ? pick(4) : 4];
        if (!chance(odd)) values[""] = reg::text(std::string(reg::kScriptBase) + entry.script);
        if (chance(10)) values["Note"] = reg::text("not ours");
        if (trouble(2)) reg::add(user, reg::menuKey(entry.caption) + "\\Child");
    }

    // Drawn as the registry would read it back, and written only when the
    // case runs, so that a draw costs no registry calls. With twoMoves, Host
    // Redirector and URI Grabber are found only under their older captions,
    // and URI Grabber's has a subkey that keeps it: so when Host Redirector's
    // move is refused, the order of the two reports is the order of the probes.
    void drawState(bool twoMoves) {
        reg::add(user, driver::kMenuExtPath), reg::add(machine, "");
        for (const Feature& feature : kFeatures) {
            const unsigned kind = pick(100);  // absent, whole or in part
            if (twoMoves && (feature.id == 1023 || feature.id == 1044)) {
                drawEntry({feature.olderCaption, "old.html", 0x30}, 0);
                if (feature.id == 1044) reg::add(user, reg::menuKey(feature.olderCaption) + "\\Child");
                continue;
            }
            for (const Entry& entry : feature.entries)
                if (kind >= 45 && (kind < 85 || chance(50)))
                    drawEntry(entry, feature.id == kLexicon || feature.id == kLexiconPlus ? 60 : 10);
            if (feature.olderCaption == nullptr || !chance(45)) continue;
            drawEntry({feature.olderCaption, "old.html", 0x30}, 10);
            if (trouble(5)) reg::add(user, reg::menuKey(feature.olderCaption) + "\\Child");
        }
        for (const char* older : kXdriveOlder)
            if (chance(30)) drawEntry({older, "old.html", 0x20}, 10);
        for (const char* caption : {"他社の検索(&Z)", "リンク先の画像をまとめて表示(&H)", "Xdriveに転送(&X) 2"})
            if (chance(25)) drawEntry({caption, "theirs.html", 0x11}, 50);
        if (chance(60)) {
            // A wildcard could let another program pass for the one named.
            // The path has room for 256 bytes and its end; stored as bytes
            // it need not end.
            const std::string paths[] = {"C:\\windows\\notepad.exe", "C:\\windows\\nowhere.exe", "C:\\windows", "",
                                         "C:\\windows\\*.exe", "C:\\windows\\notepad.ex?", std::string(256, 'v'),
                                         std::string(257, 'v')};
            const std::string& path = paths[pick(8)];
            const reg::Value bytes = {REG_BINARY, {path.begin(), path.end()}};
            reg::Values& editor = reg::add(machine, driver::kEditorNamePath);
            if (chance(85)) editor[""] = chance(20) ? bytes : reg::text(path);
            if (chance(10)) reg::add(machine, driver::kSourceViewerPath)["Theirs"] = reg::text("theirs");
            if (trouble(4)) reg::add(machine, std::string(driver::kSourceViewerPath) + "\\Other Editor");
            if (trouble(4)) reg::add(machine, std::string(driver::kEditorNamePath) + "\\Child");
        }
        // Spelt as the source viewer's keys are: the registry would keep the
        // first spelling of the key they share.
        if (chance(20)) reg::add(machine, kPalimo);
    }

    // Whether the refused call is this one. Each read the wizard makes
    // follows one rule when it is refused: a key that cannot be opened for
    // reading counts as absent; contexts that cannot be read count as
    // outdated; an editor path that cannot be read is empty; a parent key
    // that cannot be read may hold anything and stays; a look for subkeys
    // that cannot open the key leaves the decision to the system's delete,
    // and one that cannot enumerate keeps the key, as one with subkeys.
    bool fails(const char* function, HKEY root, const std::string& key, const std::string& detail = "") const {
        const std::string name = (root == HKEY_CURRENT_USER ? "HKCU\\" : "HKLM\\") + key;
        return fault != nullptr && *fault == RegistryCall{function, name, detail};
    }
    bool failsOpen(HKEY root, const std::string& key, REGSAM access) const {
        return fails("RegOpenKeyExA", root, key, std::to_string(access));
    }

    bool present(const std::string& caption) const { return user.count(reg::menuKey(caption)) != 0; }
    bool probe(const std::string& caption) const {
        return present(caption) && !failsOpen(HKEY_CURRENT_USER, reg::menuKey(caption), KEY_READ);
    }
    static bool hasSubkeys(const reg::Tree& tree, reg::Tree::const_iterator key) {
        return std::next(key) != tree.end() && std::next(key)->first.rfind(key->first + "\\", 0) == 0;
    }

    // A key made for the entry goes again when a write fails; one that was
    // there keeps what was written.
    bool add(const Entry& entry) {
        const std::string key = reg::menuKey(entry.caption);
        const bool existed = present(entry.caption);
        if (fails("RegCreateKeyExA", HKEY_CURRENT_USER, key)) return false;
        const reg::Value address = reg::text(reg::kScriptBase + std::string(entry.script));
        for (const auto& [name, value] : {std::pair("", address), std::pair("contexts", reg::byte(entry.contexts))}) {
            if (fails("RegSetValueExA", HKEY_CURRENT_USER, key, name)) {
                if (!existed) user.erase(key);
                return false;
            }
            user[key][name] = value;
        }
        return ++writes;
    }
    // A key with subkeys comes right before them in the tree's order.
    bool remove(reg::Tree& tree, const std::string& key) {
        const auto found = tree.find(key);
        const HKEY root = &tree == &user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        if (found == tree.end() || hasSubkeys(tree, found) ||
            fails("RegEnumKeyExA", root, key) || fails("RegDeleteKeyA", root, key))
            return false;
        tree.erase(found);
        return ++writes;
    }

    void detect() {
        for (int id : kDetectionOrder) {
            const Feature& feature = expected::feature(id);
            if (id == kXdrive) {
                olderXdrive = probe(kXdriveOlder[0]) | probe(kXdriveOlder[1]);
                installed[id] = olderXdrive | probe(feature.entries[0].caption) | probe(feature.entries[1].caption);
            } else if (probe(feature.entries[0].caption)) {
                installed[id] = true;
            } else if (feature.olderCaption != nullptr && probe(feature.olderCaption)) {
                installed[id] = true;
                if (!add(feature.entries[0])) startBoxes.push_back(kSetFailed);
                else if (!remove(user, reg::menuKey(feature.olderCaption))) startBoxes.push_back(kUnsetFailed);
                else moved = true;
            }
        }
        for (int offer : {0, 1}) {
            const std::string caption = feature(kOffers[offer].feature).entries[0].caption, key = reg::menuKey(caption);
            const auto found = user.find(key);
            outdated[offer] = probe(caption) && (failsOpen(HKEY_CURRENT_USER, key, KEY_QUERY_VALUE) ||
                                                 fails("RegQueryValueExA", HKEY_CURRENT_USER, key, "contexts") ||
                                                 !found->second.count("contexts") ||
                                                 !(found->second.at("contexts") == reg::byte(0x30)));
        }
        upgradePage = outdated[0] || outdated[1];
        couriers = installed[kXdrive] || installed[kIdrive];
        const auto editor = machine.find(driver::kEditorNamePath);
        const bool found = editor != machine.end() && !failsOpen(HKEY_LOCAL_MACHINE, editor->first, KEY_READ);
        palimo = found && machine.count(kPalimo) && !failsOpen(HKEY_LOCAL_MACHINE, driver::kPalimoPath, KEY_READ);
        installed[kMarkup] = found && !palimo;
        if (installed[kMarkup] && editor->second.count("") &&
            !failsOpen(HKEY_LOCAL_MACHINE, editor->first, KEY_QUERY_VALUE) &&
            !fails("RegQueryValueExA", HKEY_LOCAL_MACHINE, editor->first, "")) {
            const std::vector<unsigned char>& bytes = editor->second.at("").data;
            editorPath.assign(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
        }
    }

    // An offer taken, and Xdrive under its older captions, draw their
    // feature's click more often than the others.
    void planUser() {
        ticked = installed;
        const unsigned rate = pick(4) == 0 ? 0 : pick(50);
        for (int offer : {0, 1}) upgrade[offer] = outdated[offer] && chance(50);
        for (const Feature& feature : kFeatures) {
            // The viewer's box is made only when found, the couriers' category listed only then.
            const bool offered = feature.id == kMarkup ? installed[kMarkup] : feature.category != 1 || couriers;
            const bool taken = (feature.id == kLexicon && upgrade[0]) || (feature.id == kLexiconPlus && upgrade[1]);
            const unsigned odds = taken || (feature.id == kXdrive && olderXdrive) ? 50 : rate;
            const int times = !offered || !chance(odds) ? 0 : chance(feature.refusal ? 30 : 15) ? 2 : 1;
            for (int time = 0; time < times; ++time) {
                const bool refusal = feature.refusal != nullptr && !ticked[feature.id];
                toggles.push_back({feature.id, refusal});
                refused |= refusal;
                tickedAgain |= refusal && installed[feature.id];
                ticked[feature.id] = ticked[feature.id] != !refusal;
            }
        }
        back = chance(30);
    }

    // After the source viewer's path check, the offers first, then every
    // feature in catalog order, then the source viewer. The first failure ends it.
    const char* commit() {
        const DWORD attributes = GetFileAttributesA(editorPath.c_str());
        const bool usable = editorPath.find_first_of("*?") == std::string::npos &&
                            attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
        if (installed[kMarkup] && ticked[kMarkup] && !usable) {
            pathBox = editorPath.empty() ? kPathMissing : kProgramNotFound;
            ticked[kMarkup] = false;  // which the user then does
        }
        writes = 0;
        for (int offer : {0, 1})
            for (const Entry& entry : feature(kOffers[offer].feature).entries)
                if (upgrade[offer] && !add(entry)) return kSetFailed;
        const int upgrades = writes;
        for (const Feature& feature : kFeatures) {
            if (feature.id == kMarkup || ticked[feature.id] == installed[feature.id]) continue;
            const bool older = feature.id == kXdrive && olderXdrive;
            for (size_t i = 0; i < feature.entries.size(); ++i) {
                if (ticked[feature.id] && !add(feature.entries[i])) return kSetFailed;
                const char* caption = older ? kXdriveOlder[i] : feature.entries[i].caption;
                if (!ticked[feature.id] && !remove(user, reg::menuKey(caption))) return kUnsetFailed;
            }
            olderXdriveRemoved |= older;
            upgradedThenRemoved |= (feature.id == kLexicon && upgrade[0]) || (feature.id == kLexiconPlus && upgrade[1]);
        }
        if (installed[kMarkup] && !ticked[kMarkup]) {
            if (!remove(machine, driver::kEditorNamePath)) return kUnsetFailed;
            // Other programs' settings beside it keep the parent.
            const auto parent = machine.find(driver::kSourceViewerPath);
            parentKept = !parent->second.empty() || hasSubkeys(machine, parent) ||
                         failsOpen(HKEY_LOCAL_MACHINE, parent->first, KEY_QUERY_VALUE) ||
                         fails("RegQueryInfoKeyA", HKEY_LOCAL_MACHINE, parent->first);
            if (!parentKept && !remove(machine, driver::kSourceViewerPath)) return kUnsetFailed;
            viewerRemoved = true;
        }
        onlyUpgraded = writes == upgrades && upgrades != 0;
        return writes != 0 ? kComplete : kNothingChanged;
    }

    std::mt19937 random;
    const unsigned heat;
    const bool scrolls;
    const RegistryCall* const fault;
    WizardHost host;
    reg::Tree start[2], user, machine;  // as drawn, and what the registry must hold
    std::map<int, bool> installed, ticked;
    bool outdated[2] = {}, upgrade[2] = {}, olderXdrive = false, upgradePage = false, back = false, couriers = false;
    bool moved = false, palimo = false, refused = false, tickedAgain = false, upgradedThenRemoved = false;
    bool olderXdriveRemoved = false, viewerRemoved = false, parentKept = false, onlyUpgraded = false;
    std::string editorPath;
    Boxes startBoxes;
    std::vector<std::pair<int, bool>> toggles;  // the features clicked in turn, and whether refused
    const char *pathBox = nullptr, *outcome = nullptr;
    int writes = 0;  // made by the commit, each success counted
};

// Case number n up to kAims aims at situation n: the first draw of its own
// that brings it about; the others take their first draw.
std::unique_ptr<Case> drawCase(unsigned seed, unsigned number) {
    std::unique_ptr<Case> drawn;
    for (unsigned attempt = 0; attempt < 10000; ++attempt) {
        drawn.reset();
        drawn.reset(new Case(seed, number, attempt));
        if (number > kAims || drawn->situations()[number - 1]) return drawn;
    }
    ADD_FAILURE() << "no draw brings about: " << kSituations[number - 1];
    return drawn;
}

void Case::run(RegistryFaults* faults) {
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        for (const auto& [key, values] : start[root == HKEY_LOCAL_MACHINE]) {
            ASSERT_EQ(ERROR_SUCCESS, reg::create(root, key));
            for (const auto& [name, value] : values) ASSERT_EQ(ERROR_SUCCESS, reg::set(root, key, name, value));
        }
    if (faults != nullptr) faults->counting = true;
    host.open();
    if (faults != nullptr) openingCalls = faults->calls.size();
    ASSERT_EQ(startBoxes, host.takeBoxes());
    // A refused call changes what is found, not how it is shown: the drawn run
    // has shown that.
    if (faults == nullptr || faults->failing == SIZE_MAX)
        expectOpeningLayout(host, installed[kMarkup], outdated[0], outdated[1], editorPath, installed);
    std::vector<std::string> categories(std::begin(kCategories), std::end(kCategories));
    if (!couriers) categories.erase(categories.begin() + 1);
    EXPECT_EQ(categories, host.listEntries());
    Ids upgradePageView = {1001, 3, 1, 2, 1031};
    for (int offer : {0, 1})
        if (outdated[offer]) upgradePageView.insert(upgradePageView.end(), {kOffers[offer].id, kOffers[offer].id + 1});
    ASSERT_TRUE(host.click(1));
    if (upgradePage) EXPECT_EQ(upgradePageView, host.inView());
    for (int offer : {0, 1})
        if (upgrade[offer]) ASSERT_TRUE(host.click(kOffers[offer].id));
    if (upgradePage) ASSERT_TRUE(host.click(1));
    // The features page opens on the first category with the panel at its
    // top. Then the bar: a line step past either end does nothing, a page step
    // stops at the end, the rows follow the thumb only when it is let go, and
    // other requests move nothing.
    EXPECT_EQ(kFinish, host.text(1));
    EXPECT_EQ(host.item(1008), GetFocus());
    expectPanelAt(host, 0);
    const struct { int request, position, first; } steps[] = {
        {SB_LINEUP, 0, 0},    {SB_LINEDOWN, 0, 1}, {SB_PAGEUP, 0, 0},        {SB_PAGEDOWN, 0, 4},
        {SB_LINEDOWN, 0, 4},  {SB_LINEUP, 0, 3},   {SB_PAGEDOWN, 0, 4},      {SB_PAGEUP, 0, 0},
        {SB_THUMBTRACK, 3, 0}, {SB_THUMBPOSITION, 3, 3}, {SB_TOP, 0, 3},     {SB_BOTTOM, 0, 3},
        {SB_ENDSCROLL, 0, 3}, {SB_PAGEUP, 0, 0},   {SB_THUMBPOSITION, 9, 4}, {SB_TOP, 0, 4}};
    for (size_t step = 0; scrolls && step < std::size(steps); ++step) {
        ASSERT_TRUE(host.scroll(steps[step].request, steps[step].position));
        expectPanelAt(host, steps[step].first);
    }
    for (const auto& [id, refusal] : toggles) {  // each in its category's view
        ASSERT_TRUE(host.toggle(id)) << feature(id).caption;
        ASSERT_EQ(refusal ? Boxes{feature(id).refusal} : Boxes{}, host.takeBoxes());
        EXPECT_EQ(categoryView(host, feature(id).category, inPanelView(id, 0) ? 0 : 4), host.inView());
    }
    if (back) {  // back to the first page and on again: the choices stay
        ASSERT_TRUE(host.click(3));
        if (upgradePage) {
            EXPECT_EQ(upgradePageView, host.inView());
            EXPECT_EQ(kNext, host.text(1));
            ASSERT_TRUE(host.click(3));
        }
        ASSERT_EQ(kWelcomePage, host.inView());
        EXPECT_EQ(kNext, host.text(1));
        EXPECT_FALSE(host.enabled(3));
        EXPECT_EQ(host.item(1), GetFocus());
        for (int page = upgradePage ? 2 : 1; page > 0; --page) ASSERT_TRUE(host.click(1));
        EXPECT_EQ(0, host.selection());
        expectPanelAt(host, 0);
    }
    ASSERT_TRUE(host.click(1));
    if (pathBox != nullptr) {
        // The field is shown in its category; with no path at all the other
        // feature there makes way.
        ASSERT_EQ(Boxes{pathBox}, host.takeBoxes());
        EXPECT_EQ(static_cast<int>(categories.size()) - 1, host.selection());
        const Ids other = pathBox == kPathMissing ? Ids{} : Ids{1036, 1037};
        EXPECT_EQ(join(join(kFeaturesPage, {1027, 1028, 1029, 1030}), other), host.inView());
        ASSERT_TRUE(host.toggle(kMarkup));
        ASSERT_TRUE(host.click(1));
    }
    ASSERT_EQ(Boxes{outcome}, host.takeBoxes());
    // Nothing to change leaves the user on the page, to choose again.
    if (outcome == kNothingChanged) ASSERT_TRUE(host.click(1));
    if (outcome == kNothingChanged) ASSERT_EQ(Boxes{outcome}, host.takeBoxes());
    if (faults != nullptr) faults->counting = false;
    EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
    // A failed write leaves only Cancel.
    EXPECT_EQ(outcome != kSetFailed && outcome != kUnsetFailed, host.enabled(1));
    EXPECT_EQ(outcome == kNothingChanged, host.enabled(3));
    if (outcome == kComplete) expectFrozen(host);
    ASSERT_TRUE(host.click(outcome == kComplete ? 1 : 2));
    EXPECT_EQ((std::vector<INT_PTR>{outcome == kComplete ? 1 : 2}), host.calls.endings);
}

// One test per case, named by its number, so that the shards share them out.
class RandomTest : public testing::TestWithParam<unsigned> {};

TEST_P(RandomTest, RegistryStatesAndUsers) {
    SCOPED_TRACE("replay: KELVARA_RANDOM_SEED=" + std::to_string(kSeed) +
                 " KELVARA_RANDOM_CASE=" + std::to_string(GetParam()));
    drawCase(kSeed, GetParam())->run();
}

INSTANTIATE_TEST_SUITE_P(Case, RandomTest, testing::Range(kFirst, kLast + 1),
                         [](const testing::TestParamInfo<unsigned>& info) { return std::to_string(info.param); });

TEST(RandomCoverage, EverySituationReached) {
    std::vector<unsigned> counts(kAims);
    for (unsigned number = kFirst; number <= kLast; ++number) {
        const std::vector<bool> reached = drawCase(kSeed, number)->situations();
        for (size_t i = 0; i < kAims; ++i) counts[i] += reached[i];
    }
    std::printf("random cases %u to %u of seed %u, by the situations they bring about:\n", kFirst, kLast, kSeed);
    for (size_t i = 0; i < kAims; ++i) std::printf("%6u  %s\n", counts[i], kSituations[i]);
    if (kFirst > 1 || kLast < kAims) return;  // a replay, or a run too short to aim at them all
    for (size_t i = 0; i < kAims; ++i) EXPECT_NE(0u, counts[i]) << "no case brought about: " << kSituations[i];
}

// The case that aims at a situation.
unsigned aimingAt(const std::string& situation) {
    return static_cast<unsigned>(std::find(kSituations, std::end(kSituations), situation) - kSituations) + 1;
}

// Two cases of seed 79 that together call every registry function the wizard
// calls, in every role: their aims give the probes and two moves at start
// (and, when Host Redirector's write is refused, the order of the probes) and
// the editor path over 256 bytes; as drawn, they also read a shorter path,
// the outdated entries' contexts, and commit an upgrade, an addition,
// removals and the source viewer's removal. Each runs once as drawn, then
// once for every call it made with that call refused.
constexpr unsigned kFaultSeed = 79;
const unsigned kFaultCases[] = {aimingAt("a move could not remove the older entry"),
                                aimingAt("an editor path of 257 characters or more")};

void runLogged(Case& drawn, std::vector<RegistryCall>& calls, size_t failing = SIZE_MAX) {
    RegistryFaults faults;
    faults.failing = failing;
    faults.error = failing % 2 ? ERROR_ACCESS_DENIED : ERROR_NO_SYSTEM_RESOURCES;
    drawn.run(&faults);
    calls = faults.calls;
}

bool writes(const RegistryCall& call) {
    return call.function == "RegCreateKeyExA" || call.function == "RegSetValueExA" || call.function == "RegDeleteKeyA";
}

// Each case's calls are shared out in four parts, every fourth call to one,
// so that the shards share the runs out evenly.
constexpr size_t kParts = 4;
class FaultTest : public testing::TestWithParam<std::tuple<unsigned, size_t>> {};

TEST_P(FaultTest, EveryRegistryCallRefusedInTurn) {
    const auto [number, part] = GetParam();
    std::unique_ptr<Case> plain = drawCase(kFaultSeed, number);
    std::vector<RegistryCall> calls, refusedRun;
    runLogged(*plain, calls);
    const unsigned attempt = plain->attempt;
    plain.reset();  // one host at a time: each records the boxes through the same slots
    std::map<std::string, int> refused;
    for (size_t k = part; k < calls.size(); k += kParts) {
        const RegistryCall& call = calls[k];
        SCOPED_TRACE("call " + std::to_string(k) + " refused: " + call.function + " " + call.key + " " + call.detail);
        Case faulty(kFaultSeed, number, attempt, &call);
        runLogged(faulty, refusedRun, k);
        ASSERT_GT(refusedRun.size(), k) << "the call to refuse never came";
        ASSERT_EQ(call, refusedRun[k]);
        ++refused[call.function];
        // The registry holds exactly what the case worked out: no entry left
        // without its address or contexts, nothing else changed. After a
        // refused write or delete of the commit nothing is written, but for
        // the removal of the key the refused registration made.
        const bool stops = k >= faulty.openingCalls && (writes(call) || call.function == "RegEnumKeyExA");
        for (size_t later = k + 1; stops && later < refusedRun.size(); ++later) {
            const RegistryCall& next = refusedRun[later];
            EXPECT_TRUE(!writes(next) || (next.function == "RegDeleteKeyA" && next.key == call.key &&
                                          call.function == "RegSetValueExA")) << next.function << " " << next.key;
        }
    }
    std::printf("fault case %u, part %zu of its %zu calls: %zu runs, refused:", number, part, calls.size(),
                (calls.size() - part + kParts - 1) / kParts);
    for (const auto& [function, count] : refused) std::printf(" %s %d", function.c_str(), count);
    std::printf("\n");
}

INSTANTIATE_TEST_SUITE_P(Case, FaultTest,
                         testing::Combine(testing::ValuesIn(kFaultCases), testing::Range(size_t{0}, kParts)),
                         [](const auto& info) {
                             return std::to_string(std::get<0>(info.param)) + "_" +
                                    std::to_string(std::get<1>(info.param));
                         });

}  // namespace
