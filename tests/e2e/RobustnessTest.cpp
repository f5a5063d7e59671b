// Random registry states and random users against the real setup.exe: each
// case writes a state, drives the wizard with inputs drawn from a seeded
// generator, and compares every message box, the page in view, the exit code
// and the registry afterwards with RobustnessModel, and after every input the
// controls in view. Prints "N passed, M failed".
//
//   KELVARA_ROBUST_CASES  number of cases (default 40)
//   KELVARA_ROBUST_SEED   seed of the whole run (default 180)
//   KELVARA_ROBUST_CASE   run only this case of the seed, to replay a failure
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "tests/e2e/E2eRegistry.h"
#include "tests/e2e/RobustnessModel.h"
#include "tests/e2e/WizardProcess.h"
#include "tests/support/RegistrySandbox.h"

using namespace e2e;
using namespace robust;

namespace {

constexpr char kBrowserPath[] = "SOFTWARE\\Microsoft\\Internet Explorer";
constexpr int kMostInputs = 40;
constexpr int kChecks[] = {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050, 1011, 1021,
                           1015, 1019, 1040, 1046, 1048, 1027, 1036, kLexiconUpgrade, kLexiconPlusUpgrade};
constexpr int kFeaturesText = 1005, kEditorPath = 1029, kEditorBrowse = 1030;
// The second is listed only when a courier feature was found.
constexpr const char* kCategoryNames[] = {
    "インターネット上の情報を効率よく入手する機能", "インターネット上の無料サービスを活用する機能",
    "コンピューターのリソース消費を抑える機能", "セキュリティやプライバシーの保護を支援する機能", "その他の機能"};

// Ends the case; the first difference found is the one reported.
void fail(const std::string& what) { throw what; }

// Wine keeps settings of its own in the user's hive and adds to them when it
// likes; they are no part of what the wizard may touch.
RegistrySnapshot userHive() {
    RegistrySnapshot hive = snapshot(HKEY_CURRENT_USER, "Software");
    auto key = hive.lower_bound("Wine");
    while (key != hive.end() && key->first.rfind("Wine", 0) == 0) key = hive.erase(key);
    return hive;
}

class Case {
public:
    Case(unsigned seed, unsigned number) {
        std::seed_seq sequence{seed, number};
        random.seed(sequence);
    }

    std::string log;  // the inputs given, for the report

    void run() {
        HANDLE mutex = OpenMutexA(SYNCHRONIZE, FALSE, kMutexName);
        if (mutex != nullptr) CloseHandle(mutex), fail("another setup.exe is running");
        clearWizardState();
        writeState();
        const RegistrySnapshot maker = snapshot(HKEY_LOCAL_MACHINE, kMakerPath);
        WizardModel model(userHive(), snapshot(HKEY_LOCAL_MACHINE, kBrowserPath),
                          reg::keyExists(HKEY_LOCAL_MACHINE, kPalimoPath), menuSealed);
        {
            WizardProcess setup;
            for (const std::string& text : model.startupBoxes) handleBox(setup, text);
            if (setup.waitForWizard() == nullptr) fail("the wizard did not come up");
            handleBox(setup, "");
            checkScreen(setup, model);
            for (int step = 0; step < kMostInputs && model.mode() != Mode::Ended; ++step) input(setup, model);
            if (model.mode() != Mode::Ended) {
                log += "| ";
                const int id = model.mode() == Mode::Done ? kNext : kCancel;
                if (!model.click(id) || !setup.click(id)) fail("the wizard refused the last input");
            }
            const ExitStatus status = setup.waitForExit();
            std::ostringstream text;
            if (!(status == ExitStatus::exited(1))) text << "the program " << status, fail(text.str());
        }
        std::vector<std::string> lines = differences(model.user, userHive());
        for (const std::string& line : differences(model.browser, snapshot(HKEY_LOCAL_MACHINE, kBrowserPath)))
            lines.push_back("HKLM " + line);
        for (const std::string& line : differences(maker, snapshot(HKEY_LOCAL_MACHINE, kMakerPath)))
            lines.push_back("HKLM maker " + line);
        std::string what = "the registry differs from the expected one:";
        for (const std::string& line : lines) what += "\n    " + line;
        if (!lines.empty()) fail(what);
    }

private:
    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    bool chance(int percent) { return pick(100) < percent; }

    // Keys below a volatile key must be volatile too.
    void makeKey(const std::string& path) {
        if (menuSealed) reg::createVolatileKey(HKEY_CURRENT_USER, path);
        else reg::createKey(HKEY_CURRENT_USER, path);
    }

    // Ours (current, older and discontinued captions), now and then with odd
    // values or a subkey; a subkey makes the key impossible to delete.
    void writeEntry(const std::string& caption, const std::string& address, unsigned char contexts, int oddPercent) {
        const std::string key = menuEntryPath(caption);
        const DWORD number = 0x30;
        const unsigned char pair[] = {0x30, 0};
        makeKey(key);
        switch (chance(oddPercent) ? pick(6) : 6) {
        case 0: reg::setValue(HKEY_CURRENT_USER, key, "contexts", REG_DWORD, &number, sizeof number); break;
        case 1: reg::setValue(HKEY_CURRENT_USER, key, "contexts", REG_BINARY, pair, sizeof pair); break;
        case 2: reg::setValue(HKEY_CURRENT_USER, key, "contexts", REG_NONE, pair, 1); break;  // the right byte, untyped
        case 3: reg::setByte(HKEY_CURRENT_USER, key, "contexts", contexts ^ 0x20); break;
        case 4: reg::setValue(HKEY_CURRENT_USER, key, "", REG_DWORD, &number, sizeof number); break;
        case 5: break;  // no values at all
        default: addMenuEntry(caption, address, contexts); break;
        }
        if (chance(10)) reg::setString(HKEY_CURRENT_USER, key, "Note", "not the wizard's");
        if (chance(6)) makeKey(key + "\\Child"), reg::setString(HKEY_CURRENT_USER, key + "\\Child", "", "below");
    }

    void writeSourceViewer() {
        const std::string editor = std::string(kSourceViewerPath) + "\\Editor Name";
        const std::string notepad = "C:\\windows\\notepad.exe";
        const DWORD one = 1;
        reg::createKey(HKEY_LOCAL_MACHINE, editor);
        switch (pick(9)) {
        case 0: case 1: case 2: setSourceViewer(notepad); break;
        case 3: setSourceViewer("C:\\windows\\nowhere\\viewer.exe"); break;
        case 4: setSourceViewer(chance(50) ? "C:\\windows" : ""); break;
        case 5: reg::setValue(HKEY_LOCAL_MACHINE, editor, "", REG_BINARY, notepad.data(), notepad.size()); break;
        case 6: reg::setValue(HKEY_LOCAL_MACHINE, editor, "", REG_DWORD, &one, sizeof one); break;
        case 7: setSourceViewer("C:\\" + std::string(300, 'v') + ".exe"); break;  // longer than the first buffer
        default: break;  // no program named at all
        }
        if (chance(20)) reg::setString(HKEY_LOCAL_MACHINE, kSourceViewerPath, "Foreign", "goes with the key");
        if (chance(8)) reg::createKey(HKEY_LOCAL_MACHINE, std::string(kSourceViewerPath) + "\\Other Editor");
        if (chance(5)) reg::createKey(HKEY_LOCAL_MACHINE, editor + "\\Child");
    }

    void writeState() {
        const std::string oldSite = "http://old.example/kelvara/";
        menuSealed = chance(6);
        if (menuSealed) reg::createVolatileKey(HKEY_CURRENT_USER, kMenuExtPath);
        for (size_t i = 0; i < features().size(); ++i) {
            const Feature& feature = features()[i];
            const int kind = pick(100);  // absent, complete or partial
            for (const Entry& entry : feature.entries) {
                if (kind < 45 || (kind >= 85 && chance(50))) continue;
                const std::string site = feature.discontinued ? oldSite : kScriptBase;
                writeEntry(entry.caption, site + entry.script, entry.contexts, i == 1 || i == 2 ? 40 : 12);
            }
            if (feature.olderCaption != nullptr && chance(20)) writeEntry(feature.olderCaption, oldSite, 0x30, 12);
        }
        for (const char* older : kXdriveOlderCaptions)
            if (chance(12)) writeEntry(older, oldSite + "xdrive.html", 0x20, 12);
        // Other programs' entries, some with names close to ours.
        for (const char* caption : {"他社の検索(&Z)", "リンク先の画像をまとめて表示(&H)", "gooの英和辞典で調べる(&W)",
                                    "E&xport to Spreadsheet", "Xdriveに転送(&X) 2"}) {
            if (!chance(25)) continue;
            makeKey(menuEntryPath(caption));
            addMenuEntry(caption, "http://example.invalid/other.html", static_cast<unsigned char>(pick(256)));
            if (chance(30)) makeKey(menuEntryPath(caption) + "\\Sub"),
                reg::setString(HKEY_CURRENT_USER, menuEntryPath(caption) + "\\Sub", "Value", "theirs");
        }
        if (chance(20)) reg::setString(HKEY_CURRENT_USER, kMenuExtPath, "Foreign", "on the MenuExt key itself");
        if (chance(50)) writeSourceViewer();
        if (chance(25)) addPalimoKey();
        if (chance(10)) reg::setString(HKEY_LOCAL_MACHINE, std::string(kMakerPath) + "\\Other Product", "", "theirs");
    }

    void handleBox(WizardProcess& setup, const std::string& expected) {
        const MessageBoxView box = setup.waitForMessageBox(expected.empty() ? 0 : kPatience);
        if (box.window == nullptr && expected.empty()) return;
        if (box.window == nullptr) fail("no message box; expected \"" + expected + "\"");
        if (box.text != expected) fail("message box \"" + box.text + "\"; expected \"" + expected + "\"");
        // Before the wizard is shown there is no owner to compare.
        if (box.caption != kMessageCaption || box.buttons != std::vector<int>{IDOK} || !box.hasIcon ||
            (setup.wizard() != nullptr && box.owner != setup.wizard()))
            fail("message box \"" + box.text + "\" with the caption \"" + box.caption +
                 "\", other buttons, no icon or another owner");
        const int way = pick(10);
        log += way < 7 ? "ok " : way < 9 ? "Enter " : "Esc ";
        if (way < 7) {
            if (!setup.answer(box, IDOK)) fail("the message box did not take OK");
        } else {
            // The box's own message loop turns the keys into its commands.
            const UINT key = way < 9 ? VK_RETURN : VK_ESCAPE;
            PostMessageA(box.window, WM_KEYDOWN, key, 1);
            PostMessageA(box.window, WM_KEYUP, key, 1 | (3UL << 30));
            if (!waitUntil([&] { return !IsWindow(box.window) || !IsWindowVisible(box.window); }))
                fail("the message box did not go on a key");
        }
        if (setup.wizard() != nullptr) waitUntil([&] { return IsWindowEnabled(setup.wizard()) != FALSE; });
    }

    // All the model tells of the screen: the page, Next's label, which controls
    // are shown (a check box with its description, the source viewer's with
    // its path field and button) and usable, the category list, the panel's
    // thumb and the source viewer's path. "" when all agree.
    static std::string screenDifference(const WizardProcess& setup, const WizardModel& model) {
        std::ostringstream out;
        const Page page = model.page();
        const std::pair<int, bool> texts[] = {
            {kWelcomeText, page == Page::Welcome}, {kUpgradeText, page == Page::Upgrade},
            {kFeaturesText, page == Page::Features}};
        for (const auto& [text, shown] : texts)
            if ((IsWindowVisible(setup.control(text)) != FALSE) != shown) out << "page text " << text << " shown " << !shown << "; ";
        if (setup.read(kNext).text != model.nextLabel()) out << "Next reads " << setup.read(kNext).text << "; ";
        std::vector<int> ids = {kNext, kBack, kCancel, kCombo, kScrollBar};
        ids.insert(ids.end(), std::begin(kChecks), std::end(kChecks));
        for (int id : ids) {
            std::vector<int> parts = {id};
            if (id > kCombo) parts.push_back(id + 1);
            if (id == 1027) parts.insert(parts.end(), {kEditorPath, kEditorBrowse});
            for (int part : parts) {
                const HWND control = setup.control(part);
                const bool shown = IsWindowVisible(control) != FALSE;
                if (shown != model.visible(id)) out << "control " << part << " shown " << shown << "; ";
                else if (shown && part <= id + 1 && (IsWindowEnabled(control) != FALSE) != model.usable(id))
                    out << "control " << part << " enabled " << !model.usable(id) << "; ";
            }
        }
        if (page != Page::Features) return out.str();
        std::vector<std::string> list(std::begin(kCategoryNames), std::end(kCategoryNames));
        if (!model.listsFreeServices()) list.erase(list.begin() + 1);
        const ControlState combo = setup.read(kCombo);
        if (combo.items != list || combo.selection != model.listIndex()) out << "entry " << combo.selection << " of another list; ";
        const int thumb = setup.read(kScrollBar).scrollPos;
        if (model.visible(kScrollBar) && thumb != model.firstRow()) out << "the thumb at " << thumb << "; ";
        const std::string path = setup.read(kEditorPath).text;
        if (model.visible(1027) && path != model.sourceViewerPath()) out << "the path field reads " << path << "; ";
        return out.str();
    }

    // Waited for, since keys take effect only after they are posted.
    void checkScreen(const WizardProcess& setup, const WizardModel& model) {
        std::string difference;
        if (!waitUntil([&] { return (difference = screenDifference(setup, model)).empty(); }, 3000))
            fail("on page " + std::to_string(static_cast<int>(model.page())) + " (welcome, upgrade, features): " +
                 difference);
    }

    void input(WizardProcess& setup, WizardModel& model) {
        const int kind = pick(100);
        bool expected = false, accepted = false;
        if (kind < 14 || (kind < 20 && model.mode() != Mode::Running)) {
            log += "Next ";
            expected = model.click(kNext);
            accepted = setup.click(kNext);
        } else if (kind < 20) {
            // Enter is the dialog's default command, Next, whatever has the focus.
            log += "[Enter] ";
            expected = accepted = model.click(kNext);
            setup.pressEnter();
        } else if (kind < 26) {
            log += "Back ";
            expected = model.click(kBack);
            accepted = setup.click(kBack);
        } else if (kind < 29) {
            // Escape and the close box only while Cancel can be pressed.
            const int way = pick(3);
            log += way == 0 ? "Cancel " : way == 1 ? "[Esc] " : "[x] ";
            expected = accepted = model.click(kCancel);
            if (way == 0) accepted = setup.click(kCancel);
            else if (expected && way == 1) setup.pressEscape();
            else if (expected) accepted = setup.closeBox();
        } else if (kind < 43) {
            const int index = pick(5);
            log += "combo" + std::to_string(index) + " ";
            expected = model.choose(index);
            accepted = setup.chooseComboEntry(kCombo, index);
        } else if (kind < 55) {
            const int request = pick(9), position = pick(8);
            log += "scroll" + std::to_string(request) + "/" + std::to_string(position) + " ";
            expected = model.scroll(request, position);
            accepted = setup.scroll(kScrollBar, request, position);
        } else {
            // Mostly a check box in view, now and then any of them.
            std::vector<int> candidates;
            for (int id : kChecks)
                if (model.usable(id) || chance(5)) candidates.push_back(id);
            if (candidates.empty()) candidates.assign(std::begin(kChecks), std::end(kChecks));
            const int id = candidates[pick(static_cast<int>(candidates.size()))];
            log += "tick" + std::to_string(id) + " ";
            expected = model.click(id);
            accepted = setup.click(id);
        }
        if (accepted != expected) fail(expected ? "the wizard refused the input" : "the wizard took a refused input");
        if (model.mode() == Mode::Ended) return;
        handleBox(setup, model.box);
        checkScreen(setup, model);
    }

    std::mt19937 random;
    bool menuSealed = false;  // MenuExt is volatile: no new entry can be made below it
};

unsigned setting(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

}  // namespace

int main() {
    const unsigned seed = setting("KELVARA_ROBUST_SEED", 180);
    const bool replay = std::getenv("KELVARA_ROBUST_CASE") != nullptr;
    const unsigned begin = replay ? setting("KELVARA_ROBUST_CASE", 0) : 0;
    const unsigned end = replay ? begin + 1 : setting("KELVARA_ROBUST_CASES", 40);
    int passed = 0, failed = 0;
    for (unsigned number = begin; number < end; ++number) {
        Case one(seed, number);
        try {
            one.run();
            ++passed;
        } catch (const std::string& what) {
            ++failed;
            std::printf("FAILED seed %u case %u (replay: KELVARA_ROBUST_SEED=%u KELVARA_ROBUST_CASE=%u): %s\n"
                        "  inputs: %s\n", seed, number, seed, number, what.c_str(), one.log.c_str());
        }
        clearWizardState();
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
