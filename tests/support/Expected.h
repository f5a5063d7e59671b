#pragma once

#include <vector>

#include "tests/support/Registry.h"

// What the wizard shows and writes, transcribed once more for the tests so that
// a changed character anywhere in the program's tables shows up.
namespace expected {

// A menu entry: its caption, the script ("" for discontinued features, which
// are never written) and its contexts mask.
struct Entry {
    const char *caption, *script;
    unsigned char contexts;
};

struct Feature {
    int id;  // the check box; its description is id + 1
    const char* caption;
    int category;  // into kCategories
    const char* description;
    std::vector<Entry> entries;
    // The caption moved to the first entry at start, and a discontinued
    // feature's refusal.
    const char *olderCaption, *refusal;
};

const std::vector<Feature>& features();
const Feature& feature(int checkId);
// An entry as the wizard writes it: into the registry, or into what a tree
// read from it must hold.
void write(const Entry& entry);
void write(reg::Tree& tree, const Entry& entry);

inline constexpr int kXdrive = 1011, kIdrive = 1021, kMarkup = 1027, kLexicon = 1013, kLexiconPlus = 1025;
// Xdrive Courier's earlier spelling, left where it is and removed instead.
inline constexpr const char* kXdriveOlder[] = {"X:driveに転送(&X)", "一覧から選んで X:driveに転送(&A)"};

inline constexpr const char* kCategories[] = {
    "インターネット上の情報を効率よく入手する機能", "インターネット上の無料サービスを活用する機能",
    "コンピューターのリソース消費を抑える機能", "セキュリティやプライバシーの保護を支援する機能", "その他の機能"};

struct Offer {
    int id, feature;
    const char *caption, *description;
};
inline constexpr Offer kOffers[] = {
    {1032, kLexicon, "Portal Lexicon", "　リンクが張ってある単語に対しても検索できる様にします。"},
    {1034, kLexiconPlus, "Portal Lexicon Plus", "　辞典を直接指定して呼び出すメニュー項目を追加します。"},
};

inline constexpr char kCaption[] = "IE Kelvara セットアップ";
inline constexpr char kBack[] = "< 戻る(&P)", kNext[] = "次へ(&N) >", kFinish[] = "完了(&D)", kClose[] = "閉じる(&X)",
                      kCancel[] = "中止(&C)", kBrowse[] = "参照(&B) ...";
inline constexpr const char* kWelcome[] = {
    "　この度は 「 IEKelvara for Win32 」 をご利用頂き有り難うございます。",
    "　このプログラムはご使用の Internet Explorerを拡張してインターネットでの作業を便利にする機能を追加し、"
    "右クリックメニュー ( コンテキストメニュー ) から呼び出せる様にします。",
    "　「次へ >」ボタンを押すと、セットアップの詳細画面になります。"};
inline constexpr const char* kFeaturesTexts[] = {
    "　追加する機能のチェックを ONにして、「完了」ボタンを押してください。",
    "※ 既に追加済みの機能は始めからチェックが ONになっています。チェックを OFFにするとその機能を削除します。"};
inline constexpr char kUpgradeHeading[] = "現在インストールされている以下の機能をアップグレードできます。\n";

inline constexpr char kPathMissing[] = "メモ帳の代わりに HTMLソースを表示する\nアプリケーションを指定してください。";
inline constexpr char kProgramNotFound[] =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";
inline constexpr char kComplete[] =
    "　セットアップが完了しました。\n\n　IEが起動済みの時は、IEを再起動後に\nセットアップ内容が反映されます。";
inline constexpr char kNothingChanged[] = "セットアップ内容が元と同じです。";
inline constexpr char kSetFailed[] = "設定に失敗しました。";
inline constexpr char kUnsetFailed[] = "設定解除に失敗しました。";
inline constexpr char kPlatformRefusal[] = "「IE Kelvara」は 32ビット Windows専用です。\nセットアップを終了します。\n";

inline constexpr unsigned kWarning = 0x40030, kNotice = 0x40040, kError = 0x40010;

}  // namespace expected
