// Random registry states and random users, against what the wizard must do
// worked out here from the transcribed table: what it finds at start, what
// it moves, which boxes come up and what the registry holds at the end; and
// on the way every control as the dialog opens, each category's view, the
// pages there and back and the finished or failed state. The first difference
// in a case is reported with the case's number.
//
// A case draws everything before the wizard opens, so RandomCoverage counts
// the situations worth reaching over all the cases of a run without running
// them, prints the table, and fails a run of the default length or longer that
// left one unreached. Draws take the engine's raw output, which is the same
// with every standard library.
//
//   KELVARA_RANDOM_CASES  cases in the run (default 60)
//   KELVARA_RANDOM_SEED   the run's seed (default 1)
//   KELVARA_RANDOM_CASE   only this case of the run, to replay it
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <set>

#include "tests/support/WizardHost.h"

namespace {

using namespace expected;
using Boxes = std::vector<std::string>;
using Situations = std::vector<std::pair<const char*, bool>>;

// The order of the probes at start, and so of the moves and their reports,
// which differs from the catalog's for Host Redirector and URI Grabber.
const int kDetectionOrder[] = {1009, 1013, 1025, 1017, 1038, 1044, 1050, 1023,
                               1011, 1021, 1015, 1019, 1040, 1046, 1048, 1036};

unsigned setting(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}
const unsigned kSeed = setting("KELVARA_RANDOM_SEED", 1), kOnly = setting("KELVARA_RANDOM_CASE", 0);
const unsigned kFirst = kOnly != 0 ? kOnly : 1, kLast = kOnly != 0 ? kOnly : setting("KELVARA_RANDOM_CASES", 60);

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

class Case {
public:
    // Keys the wizard cannot change come in four strengths, by the case's
    // number, and every eighth case walks the panel's bar through its steps.
    Case(unsigned seed, unsigned number)
        : random(seed * 1000003u + number), heat(number % 4), scrolls(number % 8 == 1) {
        writeState();
        user = reg::read(HKEY_CURRENT_USER), machine = reg::read(HKEY_LOCAL_MACHINE);
        detect();
        planUser();
        outcome = commit();
    }
    ~Case() { for (const auto& [root, key] : locked) reg::protect(root, key, reg::Unlocked); }

    void run();

    // The situations worth reaching, and whether this case reaches each.
    Situations situations() const {
        const auto atStart = [&](const char* box) { return std::count(startBoxes.begin(), startBoxes.end(), box) > 0; };
        const bool failed = outcome == kSetFailed || outcome == kUnsetFailed;
        return {{"an entry moved at start", moved}, {"a move could not write", atStart(kSetFailed)},
                {"a move could not remove the older entry", atStart(kUnsetFailed)},
                {"MenuExt volatile", options == REG_OPTION_VOLATILE},
                {"Portal Lexicon's offer alone", outdated[0] && !outdated[1]},
                {"Portal Lexicon Plus's offer alone", outdated[1] && !outdated[0]},
                {"both offers", outdated[0] && outdated[1]}, {"Back to the upgrade page", back && upgradePage},
                {"an offer taken, its feature removed", upgradedThenRemoved}, {"five categories listed", couriers},
                {"a discontinued feature refused", refused}, {"one unticked, then ticked again", tickedAgain},
                {"Xdrive removed under X:drive", olderXdriveRemoved}, {"the source viewer claimed by Palimo", palimo},
                {"an editor path over 257 bytes", editorPath.size() >= 257},
                {"the source viewer kept without a path", pathBox == kPathMissing},
                {"the source viewer's program missing", pathBox == kProgramNotFound},
                {"the source viewer removed", viewerRemoved}, {"nothing to change", outcome == kNothingChanged},
                {"the commit failed on its first write", failed && writes == 0},
                {"the commit failed after writes", failed && writes != 0}, {"the bar's every step", scrolls}};
    }

private:
    unsigned pick(unsigned count) { return random() % count; }
    bool chance(unsigned percent) { return pick(100) < percent; }
    bool trouble(unsigned percent) { return chance(percent * heat); }

    void lock(HKEY root, const std::string& key, reg::Access access) {
        if (reg::protect(root, key, access) == ERROR_SUCCESS) locked.insert({root, key});
    }

    // Ours, now and then with odd values, or a subkey or a lock that keeps it
    // from being deleted.
    void writeEntry(const Entry& entry, unsigned odd) {
        const std::string key = reg::menuKey(entry.caption);
        reg::create(HKEY_CURRENT_USER, key, options);
        const reg::Value values[] = {{REG_DWORD, {0x30, 0, 0, 0}}, {REG_BINARY, {0x30, 0}}, {REG_NONE, {0x30}},
                                     reg::byte(entry.contexts ^ 0x20), reg::byte(entry.contexts)};
        reg::set(HKEY_CURRENT_USER, key, "contexts", values[chance(odd) ? pick(4) : 4]);
        if (!chance(odd)) reg::set(HKEY_CURRENT_USER, key, "", reg::text(std::string(reg::kScriptBase) + entry.script));
        if (chance(10)) reg::set(HKEY_CURRENT_USER, key, "Note", reg::text("not ours"));
        if (trouble(2)) reg::create(HKEY_CURRENT_USER, key + "\\Child", options);
        if (trouble(2)) lock(HKEY_CURRENT_USER, key, chance(50) ? reg::ReadOnly : reg::Hidden);
    }

    void writeState() {
        if (trouble(8)) options = REG_OPTION_VOLATILE;
        reg::create(HKEY_CURRENT_USER, driver::kMenuExtPath, options);
        for (const Feature& feature : kFeatures) {
            const unsigned kind = pick(100);  // absent, whole or in part
            for (const Entry& entry : feature.entries)
                if (kind >= 45 && (kind < 85 || chance(50)))
                    writeEntry(entry, feature.id == kLexicon || feature.id == kLexiconPlus ? 60 : 10);
            if (feature.olderCaption == nullptr || !chance(45)) continue;
            writeEntry({feature.olderCaption, "old.html", 0x30}, 10);
            if (trouble(5)) reg::create(HKEY_CURRENT_USER, reg::menuKey(feature.olderCaption) + "\\Child", options);
        }
        for (const char* older : kXdriveOlder)
            if (chance(30)) writeEntry({older, "old.html", 0x20}, 10);
        for (const char* caption : {"他社の検索(&Z)", "リンク先の画像をまとめて表示(&H)", "Xdriveに転送(&X) 2"})
            if (chance(25)) writeEntry({caption, "theirs.html", 0x11}, 50);
        if (chance(60)) {
            // A wildcard could let another program pass for the one named;
            // the path has room for 256 bytes and its end.
            const std::string paths[] = {"C:\\windows\\notepad.exe", "C:\\windows\\nowhere.exe", "C:\\windows", "",
                                         "C:\\windows\\*.exe", "C:\\windows\\notepad.ex?",
                                         "C:\\" + std::string(252, 'v') + ".exe", std::string(300, 'v')};
            reg::create(HKEY_LOCAL_MACHINE, driver::kEditorNamePath);
            if (chance(85)) reg::set(HKEY_LOCAL_MACHINE, driver::kEditorNamePath, "", reg::text(paths[pick(8)]));
            if (trouble(4)) reg::create(HKEY_LOCAL_MACHINE, std::string(driver::kSourceViewerPath) + "\\Other Editor");
            if (trouble(4)) reg::create(HKEY_LOCAL_MACHINE, std::string(driver::kEditorNamePath) + "\\Child");
            if (trouble(3)) lock(HKEY_LOCAL_MACHINE, driver::kEditorNamePath, reg::ReadOnly);
        }
        if (chance(20)) reg::create(HKEY_LOCAL_MACHINE, driver::kPalimoPath);
    }

    bool present(const std::string& caption) const { return user.count(reg::menuKey(caption)) != 0; }

    // Below a volatile MenuExt only keys already there can be written.
    bool add(const Entry& entry) {
        const bool room = options != REG_OPTION_VOLATILE || present(entry.caption);
        if (!room || locked.count({HKEY_CURRENT_USER, reg::menuKey(entry.caption)})) return false;
        reg::Values& values = user[reg::menuKey(entry.caption)];
        values[""] = reg::text(reg::kScriptBase + std::string(entry.script));
        values["contexts"] = reg::byte(entry.contexts);
        return ++writes;
    }
    // A key with subkeys comes right before them in the tree's order.
    bool remove(reg::Tree& tree, const std::string& key) {
        const auto found = tree.find(key);
        const HKEY root = &tree == &user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        if (found == tree.end() || locked.count({root, key})) return false;
        if (std::next(found) != tree.end() && std::next(found)->first.rfind(key + "\\", 0) == 0) return false;
        tree.erase(found);
        return ++writes;
    }

    void detect() {
        for (int id : kDetectionOrder) {
            const Feature& feature = expected::feature(id);
            if (id == kXdrive) {
                olderXdrive = present(kXdriveOlder[0]) || present(kXdriveOlder[1]);
                installed[id] =
                    olderXdrive || present(feature.entries[0].caption) || present(feature.entries[1].caption);
            } else if (present(feature.entries[0].caption)) {
                installed[id] = true;
            } else if (feature.olderCaption != nullptr && present(feature.olderCaption)) {
                installed[id] = true;
                if (!add(feature.entries[0])) startBoxes.push_back(kSetFailed);
                else if (!remove(user, reg::menuKey(feature.olderCaption))) startBoxes.push_back(kUnsetFailed);
                else moved = true;
            }
        }
        for (int offer : {0, 1}) {
            const auto key = user.find(reg::menuKey(feature(kOffers[offer].feature).entries[0].caption));
            outdated[offer] = key != user.end() &&
                              (!key->second.count("contexts") || !(key->second.at("contexts") == reg::byte(0x30)));
        }
        upgradePage = outdated[0] || outdated[1];
        couriers = installed[kXdrive] || installed[kIdrive];
        // Key names are compared without case, as the system does.
        const auto editor = machine.find(driver::kEditorNamePath);
        palimo = editor != machine.end() && !reg::read(HKEY_LOCAL_MACHINE, driver::kPalimoPath).empty();
        installed[kMarkup] = editor != machine.end() && !palimo;
        if (installed[kMarkup] && editor->second.count("")) {
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
            upgradedThenRemoved |= taken && !ticked[feature.id];
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
        for (const Feature& feature : kFeatures) {
            if (feature.id == kMarkup || ticked[feature.id] == installed[feature.id]) continue;
            const bool older = feature.id == kXdrive && olderXdrive;
            olderXdriveRemoved |= older;
            for (size_t i = 0; i < feature.entries.size(); ++i) {
                if (ticked[feature.id] && !add(feature.entries[i])) return kSetFailed;
                const char* caption = older ? kXdriveOlder[i] : feature.entries[i].caption;
                if (!ticked[feature.id] && !remove(user, reg::menuKey(caption))) return kUnsetFailed;
            }
        }
        if (installed[kMarkup] && !ticked[kMarkup]) {
            if (!remove(machine, driver::kEditorNamePath) || !remove(machine, driver::kSourceViewerPath))
                return kUnsetFailed;
            viewerRemoved = true;
        }
        return writes != 0 ? kComplete : kNothingChanged;
    }

    std::mt19937 random;
    const unsigned heat;
    const bool scrolls;
    WizardHost host;
    DWORD options = REG_OPTION_NON_VOLATILE;
    reg::Tree user, machine;  // what the registry must hold
    std::set<std::pair<HKEY, std::string>> locked;
    std::map<int, bool> installed, ticked;
    bool outdated[2] = {}, upgrade[2] = {}, olderXdrive = false, upgradePage = false, back = false, couriers = false;
    bool moved = false, palimo = false, refused = false, tickedAgain = false, upgradedThenRemoved = false;
    bool olderXdriveRemoved = false, viewerRemoved = false;
    std::string editorPath;
    Boxes startBoxes;
    std::vector<std::pair<int, bool>> toggles;  // the features clicked in turn, and whether refused
    const char *pathBox = nullptr, *outcome = nullptr;
    int writes = 0;  // made by the commit, each success counted
};

void Case::run() {
    host.open();
    ASSERT_EQ(startBoxes, host.takeBoxes());
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
    Case(kSeed, GetParam()).run();
}

INSTANTIATE_TEST_SUITE_P(Case, RandomTest, testing::Range(kFirst, kLast + 1),
                         [](const testing::TestParamInfo<unsigned>& info) { return std::to_string(info.param); });

TEST(RandomCoverage, EverySituationReached) {
    Situations situations;
    std::vector<unsigned> counts;
    for (unsigned number = kFirst; number <= kLast; ++number) {
        situations = Case(kSeed, number).situations();
        counts.resize(situations.size());
        for (size_t i = 0; i < situations.size(); ++i) counts[i] += situations[i].second;
    }
    std::printf("random cases %u to %u of seed %u, by the situations they reach:\n", kFirst, kLast, kSeed);
    for (size_t i = 0; i < counts.size(); ++i) std::printf("%6u  %s\n", counts[i], situations[i].first);
    if (kOnly != 0 || kLast < 60) return;  // a replay, or a run too short to reach them all
    for (size_t i = 0; i < counts.size(); ++i) EXPECT_NE(0u, counts[i]) << "no case reached: " << situations[i].first;
}

}  // namespace
