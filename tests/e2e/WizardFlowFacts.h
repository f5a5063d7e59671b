#pragma once

#include "tests/e2e/WizardFacts.h"

// What the wizard's controls, messages and menu entries look like from
// outside, written down on their own like WizardFacts.h, for the tests that
// drive it through gtest and for the screenshots.
namespace e2e {

// Control ids.
namespace id {
inline constexpr int kNext = 1, kCancel = 2;
inline constexpr int kPanelScrollBar = 106, kCategoryCombo = 1008;
inline constexpr int kMarkupReaderSwap = 1027, kPaneUnwrapper = 1036;
}  // namespace id

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
inline constexpr char kEditorNotFound[] =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";
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
inline constexpr char kPortalLexiconPlusCaption[] = "gooの各種辞典で調べる(&D)";
inline constexpr MenuEntryFact kHereOpenerEntry = {"リンク先をこのウィンドウに表示する(&R)", "hereopener.html", 0x22};
inline constexpr MenuEntryFact kPolyglotRelayEntry = {"このページを翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x01};
inline constexpr char kIdriveCaption[] = "一覧から選んで i-driveに転送(&A)";

}  // namespace e2e
