#pragma once

#include "tests/e2e/WizardFacts.h"

// What the wizard's pages, messages and menu entries look like from outside,
// written down on their own like WizardFacts.h, for the tests that walk
// through the pages and for the screenshots.
namespace e2e {

// Control ids.
namespace id {
inline constexpr int kNext = 1, kCancel = 2, kBack = 3;
inline constexpr int kPanelScrollBar = 106;
inline constexpr int kWelcomeText = 1002, kFeaturesText = 1005;
inline constexpr int kCategoryCombo = 1008;
inline constexpr int kUpgradeText = 1031;
// Every check box has its description one id up. The upgrade offers:
inline constexpr int kLexiconUpgradeCheck = 1032, kLexiconPlusUpgradeCheck = 1034;
// The panel's rows, in list order:
inline constexpr int kPanelRows[] = {1009, 1013, 1025, 1017, 1023, 1038, 1044, 1050};
inline constexpr int kPictureGatherer = 1009, kPortalLexicon = 1013, kPortalLexiconPlus = 1025,
                     kFreewareFinder = 1017, kPolyglotRelay = 1050;
// The other categories' check boxes; Markup Reader Swap has its path field and
// browse button besides.
inline constexpr int kXdriveCourier = 1011, kIdriveCourier = 1021, kHereOpener = 1015, kFormSentinel = 1019,
                     kTargetRevealer = 1040, kRemoteMarkupPeek = 1046, kCrumbViewer = 1048, kPaneUnwrapper = 1036;
inline constexpr int kMarkupReaderSwap = 1027, kEditorPath = 1029, kEditorBrowse = 1030;
}  // namespace id

inline constexpr char kNextLabel[] = "次へ(&N) >";
inline constexpr char kFinishLabel[] = "完了(&D)";
inline constexpr char kCloseLabel[] = "閉じる(&X)";

// The category list with every entry; the second is listed only when a
// courier feature was found.
inline constexpr const char* kCategories[] = {
    "インターネット上の情報を効率よく入手する機能", "インターネット上の無料サービスを活用する機能",
    "コンピューターのリソース消費を抑える機能", "セキュリティやプライバシーの保護を支援する機能", "その他の機能"};

// Every message box the wizard can show, as the user reads it, and the style
// it is asked for: one OK button, on top of every other window, and the icon
// that tells an error, a warning and a notice apart.
inline constexpr unsigned kErrorBox = 0x40010;    // MB_OK | MB_ICONERROR | MB_TOPMOST
inline constexpr unsigned kWarningBox = 0x40030;  // MB_OK | MB_ICONWARNING | MB_TOPMOST
inline constexpr unsigned kNoticeBox = 0x40040;   // MB_OK | MB_ICONINFORMATION | MB_TOPMOST

inline constexpr char kSetFailed[] = "設定に失敗しました。";
inline constexpr char kUnsetFailed[] = "設定解除に失敗しました。";
inline constexpr char kNothingChanged[] = "セットアップ内容が元と同じです。";
inline constexpr char kSetupComplete[] =
    "　セットアップが完了しました。\n\n　IEが起動済みの時は、IEを再起動後に\nセットアップ内容が反映されます。";
inline constexpr char kEditorPathMissing[] =
    "メモ帳の代わりに HTMLソースを表示する\nアプリケーションを指定してください。";
inline constexpr char kEditorNotFound[] =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";
inline constexpr char kXdriveRefusal[] =
    "　Xdrive Courier は、Xdrive サービスの有料化に伴ない、\n機能の提供を終了致しました。";
inline constexpr char kIdriveRefusal[] =
    "　i-drive Courier は、i-drive サービスの終了に伴ない、\n機能の提供を終了致しました。";
inline constexpr char kSourceViewerRefusal[] =
    "　Markup Reader Swap は、より高機能の 「 Palimo for IE 」\nというソフトウェアとして独立した為、機能の提供を終了致しました。";

// The folder on the maker's site that every entry's script address starts with.
inline constexpr char kScriptBase[] = "http://www.example.com/iekelvara/";

struct MenuEntryFact {
    const char* caption;
    const char* script;
    unsigned char contexts;
};
inline constexpr MenuEntryFact kPictureGathererEntry = {"リンク先の画像をまとめて表示する(&G)", "picturegatherer.html", 0x01};
inline constexpr MenuEntryFact kPortalLexiconEntry = {"gooの英和/和英辞典で調べる(&D)", "portallexicon.html", 0x30};
inline constexpr MenuEntryFact kPortalLexiconPlusEntries[] = {
    {"gooの各種辞典で調べる(&D)", "portallexiconplus.html", 0x30},
    {"gooの英和辞典で調べる(&E)", "portallexiconplus.html?Dic=1", 0x30},
    {"gooの和英辞典で調べる(&J)", "portallexiconplus.html?Dic=2", 0x30},
    {"gooの国語辞典で調べる(&K)", "portallexiconplus.html?Dic=3", 0x30},
    {"gooの新語辞典で調べる(&N)", "portallexiconplus.html?Dic=4", 0x30}};
inline constexpr MenuEntryFact kHereOpenerEntry = {"リンク先をこのウィンドウに表示する(&R)", "hereopener.html", 0x22};
inline constexpr MenuEntryFact kPolyglotRelayEntry = {"このページを翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x01};
inline constexpr const char* kXdriveCaptions[] = {"Xdriveに転送(&X)", "一覧から選んで Xdriveに転送(&A)"};
inline constexpr const char* kXdriveOldCaptions[] = {"X:driveに転送(&X)", "一覧から選んで X:driveに転送(&A)"};
inline constexpr char kIdriveCaption[] = "一覧から選んで i-driveに転送(&A)";

}  // namespace e2e
