#include "tests/e2e/RobustnessModel.h"

#include <windows.h>

#include <algorithm>

namespace robust {

namespace {

constexpr char kSetFailed[] = "設定に失敗しました。";
constexpr char kUnsetFailed[] = "設定解除に失敗しました。";
constexpr char kNothingChanged[] = "セットアップ内容が元と同じです。";
constexpr char kComplete[] =
    "　セットアップが完了しました。\n\n　IEが起動済みの時は、IEを再起動後に\nセットアップ内容が反映されます。";
constexpr char kPathMissing[] = "メモ帳の代わりに HTMLソースを表示する\nアプリケーションを指定してください。";
constexpr char kProgramNotFound[] =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";

// The order of the probes at start, which is also the order of the
// migrations and so of their failure reports.
constexpr int kDetectionOrder[] = {0, 1, 2, 3, 5, 6, 7, 4, 8, 9, 10, 11, 12, 13, 14, 16};
constexpr int kLastFirstRow = 4;  // eight rows, four in view

bool hasSubkeys(const e2e::RegistrySnapshot& tree, const std::string& key) {
    const auto next = tree.lower_bound(key + "\\");
    return next != tree.end() && next->first.compare(0, key.size() + 1, key + "\\") == 0;
}

// Creating a key creates the missing keys above it, as the registry does.
// Many captions hold a Shift-JIS character whose second byte is a backslash.
e2e::RegistryValues& createKey(e2e::RegistrySnapshot& tree, const std::string& key) {
    for (size_t at = 0; at < key.size(); ++at) {
        if (IsDBCSLeadByteEx(932, static_cast<BYTE>(key[at]))) ++at;
        else if (key[at] == '\\') tree[key.substr(0, at)];
    }
    return tree[key];
}

// A key with subkeys cannot be deleted, and neither can one that is not there.
bool deleteKey(e2e::RegistrySnapshot& tree, const std::string& key) {
    if (tree.count(key) == 0 || hasSubkeys(tree, key)) return false;
    tree.erase(key);
    return true;
}

bool fileExists(const std::string& path) {
    const DWORD attributes = GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

}  // namespace

const std::vector<Feature>& features() {
    using C = Category;
    static const std::vector<Feature> table = {
        {1009, C::Information, false, {{"リンク先の画像をまとめて表示する(&G)", "picturegatherer.html", 0x01}},
         "リンク先の画像をまとめて表示(&G)", nullptr},
        {1013, C::Information, false, {{"gooの英和/和英辞典で調べる(&D)", "portallexicon.html", 0x30}}, nullptr, nullptr},
        {1025, C::Information, false,
         {{"gooの各種辞典で調べる(&D)", "portallexiconplus.html", 0x30},
          {"gooの英和辞典で調べる(&E)", "portallexiconplus.html?Dic=1", 0x30},
          {"gooの和英辞典で調べる(&J)", "portallexiconplus.html?Dic=2", 0x30},
          {"gooの国語辞典で調べる(&K)", "portallexiconplus.html?Dic=3", 0x30},
          {"gooの新語辞典で調べる(&N)", "portallexiconplus.html?Dic=4", 0x30}},
         nullptr, nullptr},
        {1017, C::Information, false, {{"オンラインソフトを検索する(&O)", "freewarefinder.html", 0x11}}, nullptr, nullptr},
        {1023, C::Information, false, {{"リンク先のドメインを確認して表示する(&C)", "hostredirector.html", 0x22}},
         "リンク先のドメインを確認して表示(&C)", nullptr},
        {1038, C::Information, false, {{"様々なサイトで一気に調べる(&M)", "omniquery.html", 0x31}}, nullptr, nullptr},
        {1044, C::Information, false, {{"文字列からアドレスを取得する(&P)", "urigrabber.html", 0x10}},
         "文字列からアドレスを取得(&P)", nullptr},
        {1050, C::Information, false,
         {{"このページを翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x01},
          {"このページを翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x01},
          {"リンク先を翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x22},
          {"リンク先を翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x22}},
         nullptr, nullptr},
        {1011, C::FreeServices, true, {{"Xdriveに転送(&X)", "", 0}, {"一覧から選んで Xdriveに転送(&A)", "", 0}}, nullptr,
         "　Xdrive Courier は、Xdrive サービスの有料化に伴ない、\n機能の提供を終了致しました。"},
        {1021, C::FreeServices, true, {{"一覧から選んで i-driveに転送(&A)", "", 0}}, nullptr,
         "　i-drive Courier は、i-drive サービスの終了に伴ない、\n機能の提供を終了致しました。"},
        {1015, C::ResourceSaving, false, {{"リンク先をこのウィンドウに表示する(&R)", "hereopener.html", 0x22}},
         "リンク先をこのウィンドウに表示(&R)", nullptr},
        {1019, C::SecurityPrivacy, false, {{"送信データを確認する(&P)", "formsentinel.html", 0x04}}, nullptr, nullptr},
        {1040, C::SecurityPrivacy, false, {{"ページ内のリンク先を確認する(&L)", "targetrevealer.html", 0x01}}, nullptr,
         nullptr},
        {1046, C::SecurityPrivacy, false,
         {{"リンク先のソースを表示する(&V)", "remotemarkuppeek.html", 0x22},
          {"指定アドレスのソースを表示する(&V)", "remotemarkuppeek.html", 0x01}},
         nullptr, nullptr},
        {1048, C::SecurityPrivacy, false, {{"このページの Cookie 情報を確認する(&C)", "crumbviewer.html", 0x01}}, nullptr,
         nullptr},
        {1027, C::Other, true, {}, nullptr,
         "　Markup Reader Swap は、より高機能の 「 Palimo for IE 」\nというソフトウェアとして独立した為、機能の提供を終了致しました。"},
        {1036, C::Other, false, {{"このページをフレーム解除して表示する(&F)", "paneunwrapper.html", 0x01}},
         "このページをフレーム解除して表示(&F)", nullptr},
    };
    return table;
}

std::string menuKey(const std::string& caption) { return "Microsoft\\Internet Explorer\\MenuExt\\" + caption; }

// Below a sealed (volatile) MenuExt key no lasting key can be made, while
// the keys already there can still be opened and written.
bool WizardModel::registerEntry(const Entry& entry) {
    if (menuSealed && user.count(menuKey(entry.caption)) == 0) return false;
    e2e::RegistryValues& values = createKey(user, menuKey(entry.caption));
    const std::string address = std::string(kScriptBase) + entry.script;
    values[""] = {REG_SZ, std::vector<unsigned char>(address.c_str(), address.c_str() + address.size() + 1)};
    values["contexts"] = {REG_BINARY, {entry.contexts}};
    return true;
}

WizardModel::WizardModel(e2e::RegistrySnapshot userTree, e2e::RegistrySnapshot browserTree, bool palimoKey,
                         bool menuSealed)
    : user(std::move(userTree)), browser(std::move(browserTree)), menuSealed(menuSealed), installed(features().size()) {
    const auto present = [&](const std::string& caption) { return user.count(menuKey(caption)) != 0; };
    for (int i : kDetectionOrder) {
        const Feature& feature = features()[i];
        if (i == kXdriveCourier) {
            for (const char* older : kXdriveOlderCaptions) xdriveOlder = xdriveOlder || present(older);
            installed[i] = xdriveOlder || present(feature.entries[0].caption) || present(feature.entries[1].caption);
        } else if (present(feature.entries[0].caption)) {
            installed[i] = 1;
        } else if (feature.olderCaption != nullptr && present(feature.olderCaption)) {
            installed[i] = 1;
            if (!registerEntry(feature.entries[0])) startupBoxes.push_back(kSetFailed);
            else if (!deleteKey(user, menuKey(feature.olderCaption))) startupBoxes.push_back(kUnsetFailed);
        }
    }
    for (int dictionary : {1, 2}) {
        if (!installed[dictionary]) continue;
        const auto& values = user.at(menuKey(features()[dictionary].entries[0].caption));
        const auto contexts = values.find("contexts");
        const std::pair<DWORD, std::vector<unsigned char>> current = {REG_BINARY, {0x30}};
        outdated[dictionary - 1] = contexts == values.end() || contexts->second != current;
    }
    const auto editor = browser.find(kEditorKey);
    installed[kMarkupReaderSwap] = editor != browser.end() && !palimoKey;
    if (installed[kMarkupReaderSwap] && editor->second.count("") != 0) {
        const std::vector<unsigned char>& bytes = editor->second.at("").second;
        editorPath.assign(bytes.begin(), std::find(bytes.begin(), bytes.end(), 0));
    }
    hasUpgradePage = outdated[0] || outdated[1];
    freeServicesListed = installed[kXdriveCourier] || installed[kXdriveCourier + 1];
    ticked = installed;
}

Page WizardModel::page() const {
    if (counter == 0) return Page::Welcome;
    return counter - hasUpgradePage == 0 ? Page::Upgrade : Page::Features;
}

std::string WizardModel::nextLabel() const {
    if (state == Mode::Done) return "閉じる(&X)";
    return page() == Page::Features ? "完了(&D)" : "次へ(&N) >";
}

int WizardModel::featureOf(int checkId) const {
    for (size_t i = 0; i < features().size(); ++i)
        if (features()[i].checkId == checkId) return static_cast<int>(i);
    return -1;
}

bool WizardModel::visible(int id) const {
    if (state == Mode::Ended) return false;
    if (id == kNext || id == kCancel || id == kBack) return true;
    if (page() == Page::Upgrade)
        return (id == kLexiconUpgrade && outdated[0]) || (id == kLexiconPlusUpgrade && outdated[1]);
    if (page() != Page::Features) return false;
    if (id == kCombo) return true;
    if (id == kScrollBar) return category == Category::Information;
    const int feature = featureOf(id);
    if (feature < 0 || features()[feature].category != category) return false;
    if (category == Category::Information) return feature >= first && feature < first + 4;
    if (feature == kMarkupReaderSwap) return installed[feature] == 1;  // made only when found at start
    return !(category == Category::Other && paneHidden);
}

bool WizardModel::usable(int id) const {
    if (!visible(id)) return false;
    switch (id) {
    case kBack: return state == Mode::Running && page() != Page::Welcome;
    case kNext: return state != Mode::Failed;
    case kCancel: return state != Mode::Done;
    case kScrollBar: return true;
    default: break;
    }
    const int feature = featureOf(id);
    if (feature >= 0 && features()[feature].category == Category::Information)
        return frozenFirst < 0 || feature < frozenFirst || feature >= frozenFirst + 4;
    return page() == Page::Upgrade || state != Mode::Done;
}

bool WizardModel::click(int id) {
    box.clear();
    if (!usable(id)) return false;
    if (id == kNext) {
        if (++counter >= 3 + hasUpgradePage) state = Mode::Ended;
        else showPage();
    } else if (id == kBack) {
        --counter;
        showPage();
    } else if (id == kCancel) {
        state = Mode::Ended;
    } else if (id == kLexiconUpgrade || id == kLexiconPlusUpgrade) {
        upgradeTicked[id == kLexiconPlusUpgrade] ^= true;
    } else {
        const int feature = featureOf(id);
        if (features()[feature].discontinued && !ticked[feature]) box = features()[feature].refusal;
        else ticked[feature] ^= 1;
    }
    return true;
}

bool WizardModel::choose(int index) {
    box.clear();
    if (!usable(kCombo) || index >= (freeServicesListed ? 5 : 4)) return false;
    category = static_cast<Category>(index > 0 && !freeServicesListed ? index + 1 : index);
    paneHidden = false;
    if (category == Category::Information) first = 0;
    return true;
}

bool WizardModel::scroll(int request, int position) {
    box.clear();
    if (!usable(kScrollBar)) return false;
    switch (request) {
    case SB_LINEUP: if (first >= 1) --first; break;
    case SB_LINEDOWN: if (first < kLastFirstRow) ++first; break;
    case SB_PAGEUP: first = std::max(first - 4, 0); break;
    case SB_PAGEDOWN: first = std::min(first + 4, kLastFirstRow); break;
    case SB_THUMBPOSITION: first = std::min(position, kLastFirstRow); break;
    default: break;  // the rows follow the thumb only when it is let go
    }
    return true;
}

void WizardModel::showPage() {
    if (page() != Page::Features) return;
    if (counter - hasUpgradePage == 2) return finish();
    category = Category::Information;
    paneHidden = false;
    first = 0;
}

void WizardModel::finish() {
    if (installed[kMarkupReaderSwap] && ticked[kMarkupReaderSwap] &&
        (editorPath.empty() || !fileExists(editorPath))) {
        box = editorPath.empty() ? kPathMissing : kProgramNotFound;
        --counter;
        category = Category::Other;
        paneHidden = editorPath.empty();
        return;
    }
    bool changed = false;
    if (!commit(changed)) {
        box = failure;
        --counter;
        state = Mode::Failed;
    } else if (!changed) {
        box = kNothingChanged;
        --counter;
    } else {
        box = kComplete;
        state = Mode::Done;
        frozenFirst = first;
    }
}

// The first write or removal that fails ends the commit; a removal fails
// on a missing key or one with subkeys.
bool WizardModel::commit(bool& changed) {
    for (int offer : {0, 1}) {
        if (!outdated[offer] || !upgradeTicked[offer]) continue;
        if (!add(features()[offer + 1].entries)) return false;
        changed = true;
    }
    for (size_t i = 0; i < features().size(); ++i) {
        if (static_cast<int>(i) == kMarkupReaderSwap || ticked[i] == installed[i]) continue;
        if (!(ticked[i] ? add(features()[i].entries) : remove(features()[i], static_cast<int>(i)))) return false;
        changed = true;
    }
    failure = kUnsetFailed;
    if (installed[kMarkupReaderSwap] && !ticked[kMarkupReaderSwap]) {
        if (!deleteKey(browser, kEditorKey) || !deleteKey(browser, kViewSourceKey)) return false;
        changed = true;
    }
    return true;
}

bool WizardModel::add(const std::vector<Entry>& entries) {
    failure = kSetFailed;
    return std::all_of(entries.begin(), entries.end(), [&](const Entry& entry) { return registerEntry(entry); });
}

bool WizardModel::remove(const Feature& feature, int index) {
    failure = kUnsetFailed;
    for (size_t e = 0; e < feature.entries.size(); ++e) {
        const bool older = index == kXdriveCourier && xdriveOlder;
        const char* caption = older ? kXdriveOlderCaptions[e] : feature.entries[e].caption;
        if (!deleteKey(user, menuKey(caption))) return false;
    }
    return true;
}

}  // namespace robust
