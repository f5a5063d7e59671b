// Random registry states and random users, against what the wizard must do
// worked out here from the program's own tables: what it finds at start,
// what it moves, which boxes come up and what the registry holds at the end;
// and on the way the ticks as the dialog opens, the category list, the pages
// there and back and the state a commit leaves. What the tables hold, and
// what each page and category shows, is approved once (SnapshotTest). The
// first difference in a case is reported with the case's number.
//
// A case draws everything before the wizard opens, and works out what must
// happen, so RandomCoverage counts the situations each case brings about
// without running them and prints the table. The first cases of every run
// each aim at one situation, in the table's order: the first draw of the
// case's own that brings it about, and a case that finds none fails. Draws
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

#include "app/WizardTexts.h"
#include "catalog/DetectionOrder.h"
#include "registry/RegistryLocations.h"
#include "tests/support/RegistryFaults.h"
#include "tests/support/WizardHost.h"

namespace {

using Boxes = std::vector<std::string>;
const std::string kPalimo = "SOFTWARE\\Quorvin\\Palimo\\HTML Editor";
const auto rows = FeatureCatalog::rows();
const FeatureEntry& xdrive = FeatureCatalog::row(FeatureRow::XdriveCourier);
const int kXdrive = xdrive.checkBoxId, kIdrive = FeatureCatalog::row(FeatureRow::IdriveCourier).checkBoxId,
          kMarkup = FeatureCatalog::row(FeatureRow::MarkupReaderSwap).checkBoxId;
// The features whose entries can be upgraded.
const FeatureEntry* const kOffered[] = {&FeatureCatalog::row(kUpgradeRows[0]), &FeatureCatalog::row(kUpgradeRows[1])};

unsigned setting(const char* name, unsigned fallback) {
    const char* value = std::getenv(name);
    return value != nullptr ? static_cast<unsigned>(std::strtoul(value, nullptr, 10)) : fallback;
}
const unsigned kSeed = setting("KELVARA_RANDOM_SEED", 1), kOnly = setting("KELVARA_RANDOM_CASE", 0);
const unsigned kFirst = kOnly != 0 ? kOnly : 1, kLast = kOnly != 0 ? kOnly : setting("KELVARA_RANDOM_CASES", 40);

// The situations a run must bring about, in the order the first cases aim at them.
const char* const kSituations[] = {
    "a key kept for its subkeys", "an entry moved at start", "a move could not remove the older entry",
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
    // Keys the wizard cannot delete come in four strengths. fault names the
    // registry call that is refused when the case runs, whose effects the
    // case works out.
    Case(unsigned seed, unsigned number, unsigned attempt, const RegistryCall* fault = nullptr)
        : attempt(attempt), random(engine(seed, number, attempt)), heat(pick(4)), fault(fault) {
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
        return {keptForSubkeys, moved, std::count(startBoxes.begin(), startBoxes.end(), kUnsetFailed) > 0,
                outdated[0] && !outdated[1], outdated[1] && !outdated[0],
                outdated[0] && outdated[1], back && upgradePage, onlyUpgraded, upgradedThenRemoved, couriers, refused,
                tickedAgain, olderXdriveRemoved, palimo, editorPath.size() >= 257, pathBox == kEditorPathMissing,
                pathBox == kEditorNotFound, viewerRemoved, viewerRemoved && parentKept, outcome == kNothingChanged,
                failed && writes == 0, failed && writes != 0};
    }

    const unsigned attempt;

private:
    unsigned pick(unsigned count) { return random() % count; }
    bool chance(unsigned percent) { return pick(100) < percent; }
    bool trouble(unsigned percent) { return chance(percent * heat); }

    // Ours, now and then with odd values, or a subkey that keeps it from
    // being deleted.
    void drawEntry(const MenuEntry& entry, unsigned odd) {
        reg::Values& values = reg::add(user, reg::menuKey(entry.caption));
        const reg::Value contexts[] = {{REG_DWORD, {'0', 0, 0, 0}}, {REG_BINARY, {'0', 0}}, {REG_NONE, "0"},
                                       reg::byte(entry.contexts ^ 0x20), reg::byte(entry.contexts)};
        values[kContextsValueName] = contexts[chance(odd) ? pick(4) : 4];
        if (!chance(odd)) values[""] = reg::text(std::string(kScriptBaseAddress) + (entry.script ? entry.script : ""));
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
        for (const FeatureEntry& feature : rows) {
            const unsigned kind = pick(100);  // absent, whole or in part
            const char* const older = movedCaption(feature);
            if (twoMoves && (feature.number == FeatureRow::HostRedirector || feature.number == FeatureRow::UriGrabber)) {
                drawEntry({older, "old.html", 0x30}, 0);
                if (feature.number == FeatureRow::UriGrabber) reg::add(user, reg::menuKey(older) + "\\Child");
                continue;
            }
            for (const MenuEntry& entry : feature.entries)
                if (kind >= 45 && (kind < 85 || chance(50))) drawEntry(entry, feature.upgrade != nullptr ? 60 : 10);
            if (older == nullptr || !chance(45)) continue;
            drawEntry({older, "old.html", 0x30}, 10);
            if (trouble(5)) reg::add(user, reg::menuKey(older) + "\\Child");
        }
        for (const LegacyCaption& older : xdrive.legacyCaptions)
            if (chance(30)) drawEntry({older.oldCaption, "old.html", 0x20}, 10);
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
            const reg::Value bytes = {REG_BINARY, path};
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
    // that cannot be read may hold anything and stays; and a key that cannot
    // be looked into for subkeys, opened or enumerated, stays as one with
    // subkeys.
    bool fails(const char* function, HKEY root, const std::string& key, const std::string& detail = "") const {
        const std::string name = (root == HKEY_CURRENT_USER ? "HKCU\\" : "HKLM\\") + key;
        return fault != nullptr && *fault == RegistryCall{function, name, detail};
    }
    bool failsOpen(HKEY root, const std::string& key, REGSAM access) const {
        return fails("RegOpenKeyExA", root, key, std::to_string(access));
    }

    bool taken(const FeatureEntry& feature) const {
        return (&feature == kOffered[0] && upgrade[0]) || (&feature == kOffered[1] && upgrade[1]);
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
    bool add(const MenuEntry& entry) {
        const std::string key = reg::menuKey(entry.caption);
        const bool existed = present(entry.caption);
        if (fails("RegCreateKeyExA", HKEY_CURRENT_USER, key)) return false;
        const reg::Value address = reg::text(kScriptBaseAddress + std::string(entry.script));
        for (const auto& [name, value] : {std::pair("", address), std::pair(kContextsValueName, reg::byte(entry.contexts))}) {
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
        if (found == tree.end() || failsOpen(root, key, KEY_ENUMERATE_SUB_KEYS)) return false;
        if (hasSubkeys(tree, found)) return !(keptForSubkeys = true);
        if (fails("RegEnumKeyExA", root, key) || fails("RegDeleteKeyA", root, key)) return false;
        tree.erase(found);
        return ++writes;
    }

    void detect() {
        for (FeatureRow number : kDetectionOrder) {
            const FeatureEntry& feature = FeatureCatalog::row(number);
            const int id = feature.checkBoxId;
            const char* const older = movedCaption(feature);
            if (id == kXdrive) {
                olderXdrive = probe(xdrive.legacyCaptions[0].oldCaption) | probe(xdrive.legacyCaptions[1].oldCaption);
                installed[id] = olderXdrive | probe(feature.entries[0].caption) | probe(feature.entries[1].caption);
            } else if (probe(feature.entries[0].caption)) {
                installed[id] = true;
            } else if (older != nullptr && probe(older)) {
                installed[id] = true;
                if (!add(feature.entries[0])) startBoxes.push_back(kSetFailed);
                else if (!remove(user, reg::menuKey(older))) startBoxes.push_back(kUnsetFailed);
                else moved = true;
            }
        }
        for (int offer : {0, 1}) {
            const std::string caption = kOffered[offer]->entries[0].caption, key = reg::menuKey(caption);
            const auto found = user.find(key);
            const reg::Value expected = reg::byte(kOffered[offer]->upgrade->expectedContexts);
            outdated[offer] = probe(caption) && (failsOpen(HKEY_CURRENT_USER, key, KEY_QUERY_VALUE) ||
                                                 fails("RegQueryValueExA", HKEY_CURRENT_USER, key, kContextsValueName) ||
                                                 !found->second.count(kContextsValueName) || found->second.at(kContextsValueName) != expected);
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
            const std::string& bytes = editor->second.at("").second;
            editorPath = bytes.substr(0, bytes.find('\0'));
        }
    }

    // An offer taken, and Xdrive under its older captions, draw their
    // feature's click more often than the others.
    void planUser() {
        ticked = installed;
        const unsigned rate = pick(4) == 0 ? 0 : pick(50);
        for (int offer : {0, 1}) upgrade[offer] = outdated[offer] && chance(50);
        for (const FeatureEntry& feature : rows) {
            const int id = feature.checkBoxId;
            // The viewer's box is made only when found, the couriers' category listed only then.
            const bool offered = id == kMarkup ? installed[kMarkup] : feature.category != FeatureCategory::FreeServices || couriers;
            const unsigned odds = taken(feature) || (id == kXdrive && olderXdrive) ? 50 : rate;
            const int times = !offered || !chance(odds) ? 0 : chance(feature.refusalMessage ? 30 : 15) ? 2 : 1;
            for (int time = 0; time < times; ++time) {
                const bool refusal = feature.refusalMessage != nullptr && !ticked[id];
                toggles.push_back({id, refusal});
                refused |= refusal;
                tickedAgain |= refusal && installed[id];
                ticked[id] = ticked[id] != !refusal;
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
            pathBox = editorPath.empty() ? kEditorPathMissing : kEditorNotFound;
            ticked[kMarkup] = false;  // which the user then does
        }
        writes = 0;
        for (int offer : {0, 1})
            for (const MenuEntry& entry : kOffered[offer]->entries)
                if (upgrade[offer] && !add(entry)) return kSetFailed;
        const int upgrades = writes;
        for (const FeatureEntry& feature : rows) {
            const int id = feature.checkBoxId;
            if (id == kMarkup || ticked[id] == installed[id]) continue;
            const bool older = id == kXdrive && olderXdrive;
            for (int i = 0; i < feature.entries.count; ++i) {
                if (ticked[id] && !add(feature.entries[i])) return kSetFailed;
                const char* caption = older ? xdrive.legacyCaptions[i].oldCaption : feature.entries[i].caption;
                if (!ticked[id] && !remove(user, reg::menuKey(caption))) return kUnsetFailed;
            }
            olderXdriveRemoved |= older;
            upgradedThenRemoved |= taken(feature);
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
        return writes != 0 ? kSetupComplete : kNothingChanged;
    }

    std::mt19937 random;
    const unsigned heat;
    const RegistryCall* const fault;
    reg::Tree start[2], user, machine;  // as drawn, and what the registry must hold
    std::map<int, bool> installed, ticked;
    bool outdated[2] = {}, upgrade[2] = {}, olderXdrive = false, upgradePage = false, back = false, couriers = false;
    bool moved = false, palimo = false, refused = false, tickedAgain = false, upgradedThenRemoved = false;
    bool olderXdriveRemoved = false, viewerRemoved = false, parentKept = false, onlyUpgraded = false;
    bool keptForSubkeys = false;
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
        drawn.reset(new Case(seed, number, attempt));
        if (number > kAims || drawn->situations()[number - 1]) return drawn;
    }
    ADD_FAILURE() << "no draw brings about: " << kSituations[number - 1];
    return drawn;
}

void Case::run(RegistryFaults* faults) {
    WizardHost host;
    for (const HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        for (const auto& [key, values] : start[root == HKEY_LOCAL_MACHINE]) {
            ASSERT_EQ(ERROR_SUCCESS, reg::create(root, key));
            for (const auto& [name, value] : values) ASSERT_EQ(ERROR_SUCCESS, reg::set(root, key, name, value));
        }
    if (faults != nullptr) faults->counting = true;
    host.open();
    ASSERT_EQ(startBoxes, host.takeBoxes());
    // How the dialog opens is approved once (SnapshotTest); here, what this
    // case's registry decides: which boxes exist and start ticked, the path.
    for (const FeatureEntry& feature : rows) {
        const int id = feature.checkBoxId;
        ASSERT_EQ(id != kMarkup || installed[kMarkup], host.item(id) != nullptr) << feature.caption;
        if (host.item(id) != nullptr) EXPECT_EQ(installed[id], host.ticked(id)) << feature.caption;
    }
    if (installed[kMarkup]) EXPECT_EQ(editorPath, host.text(kEditorPathEditId));
    // The free services are listed only with a courier found.
    EXPECT_EQ(couriers ? 5 : 4, host.listed());
    // The upgrade page holds the offers found, and only then comes.
    ASSERT_TRUE(host.click(kNextButtonId));
    for (int offer : {0, 1}) {
        EXPECT_EQ(outdated[offer], host.shown(kOffered[offer]->upgrade->checkBoxId));
        if (upgrade[offer]) ASSERT_TRUE(host.click(kOffered[offer]->upgrade->checkBoxId));
    }
    if (upgradePage) ASSERT_TRUE(host.click(kNextButtonId));
    for (const auto& [id, refusal] : toggles) {  // each in its category's view
        ASSERT_TRUE(host.toggle(id)) << feature(id).caption;
        ASSERT_EQ(refusal ? Boxes{feature(id).refusalMessage} : Boxes{}, host.takeBoxes());
    }
    if (back) {  // back to the first page and on again: the choices stay
        for (int page = upgradePage ? 2 : 1; page > 0; --page) ASSERT_TRUE(host.click(kBackButtonId));
        for (int page = upgradePage ? 2 : 1; page > 0; --page) ASSERT_TRUE(host.click(kNextButtonId));
    }
    ASSERT_TRUE(host.click(kNextButtonId));
    if (pathBox != nullptr) {  // the page it leaves in view is approved once (SnapshotTest)
        ASSERT_EQ(Boxes{pathBox}, host.takeBoxes());
        ASSERT_TRUE(host.toggle(kMarkup));
        ASSERT_TRUE(host.click(kNextButtonId));
    }
    ASSERT_EQ(Boxes{outcome}, host.takeBoxes());
    // Nothing to change leaves the user on the page, to choose again.
    if (outcome == kNothingChanged) ASSERT_TRUE(host.click(kNextButtonId) && host.takeBoxes() == Boxes{outcome});
    if (faults != nullptr) faults->counting = false;
    EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
    EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
    // A failed write leaves only Cancel.
    EXPECT_EQ(outcome != kSetFailed && outcome != kUnsetFailed, host.enabled(kNextButtonId));
    EXPECT_EQ(outcome == kNothingChanged, host.enabled(kBackButtonId));
    ASSERT_TRUE(host.click(outcome == kSetupComplete ? kNextButtonId : kCancelButtonId));
    EXPECT_EQ((std::vector<INT_PTR>{outcome == kSetupComplete ? 1 : 2}), host.calls.endings);
}

// One test per case, named by its number.
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
    // Every row counts at least the case that aims at it.
    for (size_t i = 0; i < kAims; ++i) {
        std::printf("%6u  %s\n", counts[i], kSituations[i]);
        if (kFirst <= i + 1 && i + 1 <= kLast) EXPECT_NE(0u, counts[i]) << "never reached: " << kSituations[i];
    }
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

// The calls a run made, the one numbered failing refused.
std::vector<RegistryCall> runLogged(Case& drawn, size_t failing = SIZE_MAX) {
    RegistryFaults faults;
    faults.failing = failing;
    faults.error = failing % 2 ? ERROR_ACCESS_DENIED : ERROR_NO_SYSTEM_RESOURCES;
    drawn.run(&faults);
    return faults.calls;
}

class FaultTest : public testing::TestWithParam<unsigned> {};

TEST_P(FaultTest, EveryRegistryCallRefusedInTurn) {
    const unsigned number = GetParam();
    // Where the system's own delete takes subkeys along (the 95 family, which
    // ctest has Wine play for app_tests_win98), only a refused look for them
    // (the key opened for it, or enumerated) can end otherwise than on the NT
    // family, so only those are refused.
    OSVERSIONINFOA version = {sizeof version};
    const bool subtrees = GetVersionExA(&version) && version.dwPlatformId == VER_PLATFORM_WIN32_WINDOWS;
    if (const char* played = std::getenv("KELVARA_PLATFORM")) ASSERT_EQ(played, std::to_string(version.dwPlatformId));
    const std::unique_ptr<Case> plain = drawCase(kFaultSeed, number);
    const std::vector<RegistryCall> calls = runLogged(*plain);
    int runs = 0;
    for (size_t k = 0; k < calls.size(); ++k) {
        const RegistryCall& call = calls[k];
        const bool looks = call.function == "RegEnumKeyExA" || call.detail == std::to_string(KEY_ENUMERATE_SUB_KEYS);
        if (subtrees && !looks) continue;
        ++runs;
        SCOPED_TRACE("call " + std::to_string(k) + " refused: " + call.function + " " + call.key + " " + call.detail);
        Case faulty(kFaultSeed, number, plain->attempt, &call);
        const std::vector<RegistryCall> refusedRun = runLogged(faulty, k);
        ASSERT_GT(refusedRun.size(), k) << "the call to refuse never came";
        ASSERT_EQ(call, refusedRun[k]);
    }
    std::printf("fault case %u, %zu calls: %d runs\n", number, calls.size(), runs);
    EXPECT_NE(0, runs) << "no call was refused";
}

INSTANTIATE_TEST_SUITE_P(Case, FaultTest, testing::ValuesIn(kFaultCases));

}  // namespace
