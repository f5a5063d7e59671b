// Random registry states and random users, against what the wizard must do
// worked out here from the transcribed table: what it finds at start, what
// it moves, which boxes come up and what the registry holds at the end. The
// first difference in a case is reported with the case's number.
//
//   KELVARA_RANDOM_CASES  cases in the run (default 60)
//   KELVARA_RANDOM_SEED   the run's seed (default 1)
//   KELVARA_RANDOM_CASE   only this case of the run, to replay it
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <random>

#include "tests/support/WizardHost.h"

namespace {

using namespace expected;
using Boxes = std::vector<std::string>;

// The order of the probes at start, and so of the moves and their reports.
const int kDetectionOrder[] = {1009, 1013, 1025, 1017, 1038, 1044, 1050, 1023, 1011, 1021, 1015, 1019, 1040, 1046, 1048, 1036};

unsigned setting(const char* name, unsigned fallback) {
    return std::getenv(name) != nullptr ? static_cast<unsigned>(std::strtoul(std::getenv(name), nullptr, 10)) : fallback;
}

class Case {
public:
    Case(unsigned seed, unsigned number) : random(seed * 1000003u + number) {}
    ~Case() { for (const auto& [root, key] : locked) reg::unlock(root, key); }

    void run() {
        writeState();
        user = reg::read(HKEY_CURRENT_USER), machine = reg::read(HKEY_LOCAL_MACHINE);
        const Boxes atStart = detect();
        host.open();
        ASSERT_EQ(atStart, host.takeBoxes());
        ASSERT_EQ(user, reg::read(HKEY_CURRENT_USER));
        for (const Feature& feature : features())
            if (host.item(feature.id) != nullptr) ASSERT_EQ(installed[feature.id], host.ticked(feature.id)) << feature.caption;
        if (installed[kMarkup]) EXPECT_EQ(editorPath, host.text(1029));
        ASSERT_TRUE(host.click(1));
        const bool upgradePage = outdated[0] || outdated[1];
        for (int offer : {0, 1})
            if ((upgrade[offer] = outdated[offer] && chance(50))) ASSERT_TRUE(host.click(kOffers[offer].id));
        if (upgradePage) ASSERT_TRUE(host.click(1));
        std::map<int, bool> ticked = installed;
        const int rate = pick(50);
        for (const Feature& feature : features()) {
            // The viewer's box is made only when found, the couriers' category listed only then.
            const bool offered = feature.id == kMarkup ? installed[kMarkup] : feature.category != 1 || installed[kXdrive] || installed[kIdrive];
            for (int times = !offered || !chance(rate) ? 0 : chance(15) ? 2 : 1; times > 0; --times) {
                ASSERT_TRUE(host.toggle(feature.id)) << feature.caption;
                const bool refused = feature.refusal != nullptr && !ticked[feature.id];
                ASSERT_EQ(refused ? Boxes{feature.refusal} : Boxes{}, host.takeBoxes());
                ticked[feature.id] = ticked[feature.id] != !refused;
            }
        }
        if (chance(20)) {  // back to the first page and on again: the choices stay
            ASSERT_TRUE(host.click(3));
            if (upgradePage) {
                std::vector<int> view = {1001, 3, 1, 2, 1031};
                for (int offer : {0, 1})
                    if (outdated[offer]) view.insert(view.end(), {kOffers[offer].id, kOffers[offer].id + 1});
                ASSERT_EQ(view, host.inView());
                ASSERT_EQ(kNext, host.text(1));
                ASSERT_TRUE(host.click(3));
            }
            ASSERT_EQ((std::vector<int>{1001, 3, 1, 2, 1002, 1003, 1004}), host.inView());
            for (int page = upgradePage ? 2 : 1; page > 0; --page) ASSERT_TRUE(host.click(1));
        }
        ASSERT_TRUE(host.click(1));
        if (installed[kMarkup] && ticked[kMarkup] && !programExists()) {
            ASSERT_EQ(Boxes{editorPath.empty() ? kPathMissing : kProgramNotFound}, host.takeBoxes());
            // The field is shown in its category; with no path at all the
            // other feature there makes way.
            EXPECT_EQ(installed[kXdrive] || installed[kIdrive] ? 4 : 3, host.selection());
            std::vector<int> view = {1001, 3, 1, 2, 1005, 1006, 1007, 1008, 1027, 1028, 1029, 1030};
            if (!editorPath.empty()) view.insert(view.end(), {1036, 1037});
            EXPECT_EQ(view, host.inView());
            ASSERT_TRUE(host.toggle(kMarkup));
            ticked[kMarkup] = false;
            ASSERT_TRUE(host.click(1));
        }
        const char* outcome = commit(ticked);
        ASSERT_EQ(Boxes{outcome}, host.takeBoxes());
        // Nothing to change leaves the user on the page, to choose again.
        if (outcome == kNothingChanged) {
            ASSERT_TRUE(host.click(1));
            ASSERT_EQ(Boxes{outcome}, host.takeBoxes());
        }
        EXPECT_EQ(user, reg::read(HKEY_CURRENT_USER));
        EXPECT_EQ(machine, reg::read(HKEY_LOCAL_MACHINE));
        EXPECT_EQ(outcome != kSetFailed && outcome != kUnsetFailed, host.enabled(1));
        ASSERT_TRUE(host.click(outcome == kComplete ? 1 : 2));
        EXPECT_EQ((std::vector<INT_PTR>{outcome == kComplete ? 1 : 2}), host.calls.endings);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool chance(int percent) { return pick(100) < percent; }

    // Ours, now and then with odd values or a subkey, which makes it impossible to delete.
    void writeEntry(const std::string& caption, const std::string& address, unsigned char contexts, int odd) {
        const std::string key = reg::menuKey(caption);
        reg::create(HKEY_CURRENT_USER, key, options);
        const std::vector<reg::Value> values = {{REG_DWORD, {0x30, 0, 0, 0}}, {REG_BINARY, {0x30, 0}}, {REG_NONE, {0x30}},
                                                reg::byte(contexts ^ 0x20), reg::byte(contexts)};
        reg::set(HKEY_CURRENT_USER, key, "contexts", values[chance(odd) ? pick(4) : 4]);
        if (!chance(odd)) reg::set(HKEY_CURRENT_USER, key, "", reg::text(address));
        if (chance(10)) reg::set(HKEY_CURRENT_USER, key, "Note", reg::text("not ours"));
        if (chance(6)) reg::create(HKEY_CURRENT_USER, key + "\\Child", options);
    }

    void writeState() {
        if (chance(8)) options = REG_OPTION_VOLATILE;
        reg::create(HKEY_CURRENT_USER, reg::kMenuExt, options);
        for (const Feature& feature : features()) {
            const int kind = pick(100);  // absent, whole or in part
            for (const Entry& entry : feature.entries)
                if (kind >= 45 && (kind < 85 || chance(50)))
                    writeEntry(entry.caption, std::string(reg::kScriptBase) + entry.script, entry.contexts,
                               feature.id == kLexicon || feature.id == kLexiconPlus ? 40 : 10);
            if (feature.olderCaption != nullptr && chance(20)) writeEntry(feature.olderCaption, "http://old.example/", 0x30, 10);
        }
        for (const char* older : kXdriveOlder)
            if (chance(15)) writeEntry(older, "http://old.example/x.html", 0x20, 10);
        for (const char* caption : {"他社の検索(&Z)", "リンク先の画像をまとめて表示(&H)", "Xdriveに転送(&X) 2"})
            if (chance(25)) writeEntry(caption, "http://example.invalid/", 0x11, 50);
        if (chance(50)) {
            // A wildcard could let another program pass for the one named.
            const std::string paths[] = {"C:\\windows\\notepad.exe", "C:\\windows\\nowhere.exe", "C:\\windows", "",
                                         "C:\\windows\\*.exe", "C:\\windows\\notepad.ex?", "C:\\" + std::string(300, 'v') + ".exe"};
            reg::create(HKEY_LOCAL_MACHINE, reg::kEditorName);
            if (chance(85)) reg::set(HKEY_LOCAL_MACHINE, reg::kEditorName, "", reg::text(paths[pick(7)]));
            if (chance(10)) reg::create(HKEY_LOCAL_MACHINE, std::string(reg::kViewSource) + "\\Other Editor");
            if (chance(10)) reg::create(HKEY_LOCAL_MACHINE, std::string(reg::kEditorName) + "\\Child");
        }
        if (chance(25)) reg::create(HKEY_LOCAL_MACHINE, reg::kPalimo);
        // Now and then a key the user may neither write nor delete.
        const std::vector<Entry>& entries = features()[pick(17)].entries;
        const std::pair<HKEY, std::string> keys[] = {
            {HKEY_CURRENT_USER, entries.empty() ? "" : reg::menuKey(entries[pick(static_cast<int>(entries.size()))].caption)},
            {HKEY_LOCAL_MACHINE, reg::kEditorName}};
        for (const auto& [root, key] : keys)
            if (!key.empty() && chance(5) && reg::lock(root, key) == ERROR_SUCCESS) locked.push_back({root, key});
    }

    bool present(const std::string& caption) const { return user.count(reg::menuKey(caption)) != 0; }
    // Below the key, as far as the tree's order tells.
    bool hasSubkeys(const reg::Tree& tree, const std::string& key) const {
        const auto below = tree.lower_bound(key + "\\");
        return below != tree.end() && below->first.rfind(key + "\\", 0) == 0;
    }
    bool programExists() const {
        const DWORD attributes = GetFileAttributesA(editorPath.c_str());
        return editorPath.find_first_of("*?") == std::string::npos && attributes != INVALID_FILE_ATTRIBUTES &&
               !(attributes & FILE_ATTRIBUTE_DIRECTORY);
    }
    bool isLocked(HKEY root, const std::string& key) const { return std::count(locked.begin(), locked.end(), std::make_pair(root, key)); }

    // Below a volatile MenuExt only keys already there can be written.
    bool add(const Entry& entry) {
        if ((options == REG_OPTION_VOLATILE && !present(entry.caption)) || isLocked(HKEY_CURRENT_USER, reg::menuKey(entry.caption)))
            return false;
        write(user, entry);
        return true;
    }
    bool remove(reg::Tree& tree, const std::string& key) {
        const HKEY root = &tree == &user ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
        if (tree.count(key) == 0 || hasSubkeys(tree, key) || isLocked(root, key)) return false;
        return tree.erase(key) == 1;
    }

    Boxes detect() {
        Boxes boxes;
        for (int id : kDetectionOrder) {
            const Feature& feature = expected::feature(id);
            if (id == kXdrive) {
                olderXdrive = present(kXdriveOlder[0]) || present(kXdriveOlder[1]);
                installed[id] = olderXdrive || present(feature.entries[0].caption) || present(feature.entries[1].caption);
            } else if (present(feature.entries[0].caption)) {
                installed[id] = true;
            } else if (feature.olderCaption != nullptr && present(feature.olderCaption)) {
                installed[id] = true;
                if (!add(feature.entries[0])) boxes.push_back(kSetFailed);
                else if (!remove(user, reg::menuKey(feature.olderCaption))) boxes.push_back(kUnsetFailed);
            }
        }
        for (int offer : {0, 1}) {
            const auto key = user.find(reg::menuKey(feature(kOffers[offer].feature).entries[0].caption));
            outdated[offer] = key != user.end() && (!key->second.count("contexts") || !(key->second.at("contexts") == reg::byte(0x30)));
        }
        const auto editor = machine.find(reg::kEditorName);
        installed[kMarkup] = editor != machine.end() && reg::read(HKEY_LOCAL_MACHINE, reg::kPalimo).empty();
        if (installed[kMarkup] && editor->second.count("")) {
            const std::vector<unsigned char>& bytes = editor->second.at("").data;
            editorPath.assign(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
        }
        return boxes;
    }

    // Offers first, then every feature in catalog order, then the source viewer.
    const char* commit(std::map<int, bool>& ticked) {
        bool changed = false;
        for (int offer : {0, 1}) {
            if (!upgrade[offer]) continue;
            for (const Entry& entry : feature(kOffers[offer].feature).entries) if (!add(entry)) return kSetFailed;
            changed = true;
        }
        for (const Feature& feature : features()) {
            if (feature.id == kMarkup || ticked[feature.id] == installed[feature.id]) continue;
            for (size_t i = 0; i < feature.entries.size(); ++i) {
                const char* caption = feature.id == kXdrive && olderXdrive ? kXdriveOlder[i] : feature.entries[i].caption;
                if (ticked[feature.id] && !add(feature.entries[i])) return kSetFailed;
                if (!ticked[feature.id] && !remove(user, reg::menuKey(caption))) return kUnsetFailed;
            }
            changed = true;
        }
        if (installed[kMarkup] && !ticked[kMarkup]) {
            if (!remove(machine, reg::kEditorName) || !remove(machine, reg::kViewSource)) return kUnsetFailed;
            changed = true;
        }
        return changed ? kComplete : kNothingChanged;
    }

    std::mt19937 random;
    WizardHost host;
    DWORD options = REG_OPTION_NON_VOLATILE;
    reg::Tree user, machine;  // what the registry must hold
    std::map<int, bool> installed;
    bool outdated[2] = {}, upgrade[2] = {}, olderXdrive = false;
    std::string editorPath;
    std::vector<std::pair<HKEY, std::string>> locked;
};

// One test per case, named by its number, so that the shards share them out.
class RandomTest : public testing::TestWithParam<unsigned> {};

TEST_P(RandomTest, RegistryStatesAndUsers) {
    const unsigned seed = setting("KELVARA_RANDOM_SEED", 1);
    SCOPED_TRACE("replay: KELVARA_RANDOM_SEED=" + std::to_string(seed) + " KELVARA_RANDOM_CASE=" + std::to_string(GetParam()));
    Case(seed, GetParam()).run();
}

const unsigned only = setting("KELVARA_RANDOM_CASE", 0), last = only != 0 ? only : setting("KELVARA_RANDOM_CASES", 60);
INSTANTIATE_TEST_SUITE_P(Case, RandomTest, testing::Range(only != 0 ? only : 1u, last + 1),
                         [](const testing::TestParamInfo<unsigned>& info) { return std::to_string(info.param); });

}  // namespace
