#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "tests/support/Registry.h"

// What the wizard shows and writes, transcribed once more for the tests so that
// a changed character anywhere in the program's tables shows up.
namespace expected {

// A menu entry: its caption, the script ("" for discontinued features, which
// are never written) and its contexts mask.
struct Entry { const char *caption, *script; unsigned char contexts; };

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

// In catalog order, which is the order of the panel and of the commit.
inline const std::vector<Feature> kFeatures = {
    {1009, "P&icture Gatherer", 0, "　写真やイラストを閲覧できるギャラリーページなどで、リンクを辿らないと閲覧できない画像ファイルをまとめて表示します。",
     {{"リンク先の画像をまとめて表示する(&G)", "picturegatherer.html", 0x01}}, "リンク先の画像をまとめて表示(&G)", nullptr},
    {1013, "Portal &Lexicon", 0, "　ポータルサイト 「 goo 」 の英和/和英辞典検索サービスを利用して、ページ上の単語を調べます。",
     {{"gooの英和/和英辞典で調べる(&D)", "portallexicon.html", 0x30}}, nullptr, nullptr},
    {1025, "Portal Lexicon Pl&us", 0, "　ポータルサイト 「 goo 」 の各種の辞典 ( 英和、和英、国語、新語 ) 検索サービスを利用して、ページ上の単語を調べます。",
     {{"gooの各種辞典で調べる(&D)", "portallexiconplus.html", 0x30},
      {"gooの英和辞典で調べる(&E)", "portallexiconplus.html?Dic=1", 0x30},
      {"gooの和英辞典で調べる(&J)", "portallexiconplus.html?Dic=2", 0x30},
      {"gooの国語辞典で調べる(&K)", "portallexiconplus.html?Dic=3", 0x30},
      {"gooの新語辞典で調べる(&N)", "portallexiconplus.html?Dic=4", 0x30}}, nullptr, nullptr},
    {1017, "&Freeware Finder", 0, "　主要ポータルサイト及び、ソフトウェアライブラリサイトのオンラインソフトウェア検索サービスを利用して、指定キーワードによりオンラインソフトを検索します。",
     {{"オンラインソフトを検索する(&O)", "freewarefinder.html", 0x11}}, nullptr, nullptr},
    {1023, "Host &Redirector", 0, "　リンク先のドメイン名を確認し、変更されている時は新しいドメイン名に変換してから、今のウィンドウに表示します。",
     {{"リンク先のドメインを確認して表示する(&C)", "hostredirector.html", 0x22}}, "リンク先のドメインを確認して表示(&C)", nullptr},
    {1038, "Omni &Query", 0, "　指定キーワードを様々な検索サイトで一気に調べます ( 「 goo 」 の各種辞典検索 と オンラインソフトウェア検索の機能を含んでいます) 。",
     {{"様々なサイトで一気に調べる(&M)", "omniquery.html", 0x31}}, nullptr, nullptr},
    {1044, "URI Gr&abber", 0, "　選択された文字列をアドレス ( URI ) とみなしてページを表示します。複数のアドレス ( URI ) を検出した場合は一覧表示します。",
     {{"文字列からアドレスを取得する(&P)", "urigrabber.html", 0x10}}, "文字列からアドレスを取得(&P)", nullptr},
    {1050, "P&olyglot Relay", 0, "　複数の無料翻訳サービスを利用して、現在のページ又はリンク先のページを日本語に翻訳 （英 → 日 又は 韓 → 日） します。",
     {{"このページを翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x01},
      {"このページを翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x01},
      {"リンク先を翻訳する（英 -> 日）(&T)", "polyglotrelay.html", 0x22},
      {"リンク先を翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", 0x22}}, nullptr, nullptr},
    {1011, "Xdrive Courier", 1, "　Xdrive に対応していないサイトから直接 Xdriveにファイルをダウンロード（転送） します。　　※※ 本機能の提供は終了しました。削除のみ出来ます。※※",
     {{"Xdriveに転送(&X)", "", 0x00}, {"一覧から選んで Xdriveに転送(&A)", "", 0x00}}, nullptr,
     "　Xdrive Courier は、Xdrive サービスの有料化に伴ない、\n機能の提供を終了致しました。"},
    {1021, "i-drive Courier", 1,
     "　i-drive に対応していないサイトから直接 i-driveにファイルをダウンロード（転送） します。　　※※ 本機能の提供は終了しました。削除のみ出来ます。※※",
     {{"一覧から選んで i-driveに転送(&A)", "", 0x00}}, nullptr, "　i-drive Courier は、i-drive サービスの終了に伴ない、\n機能の提供を終了致しました。"},
    {1015, "&Here Opener", 2, "　リンク先のページを強制的に今のウィンドウに表示して新しいウィンドウが開くのを防ぎ、メモリー消費を抑えます。",
     {{"リンク先をこのウィンドウに表示する(&R)", "hereopener.html", 0x22}}, "リンク先をこのウィンドウに表示(&R)", nullptr},
    {1019, "Form &Sentinel", 3, "　アンケート等の送信ページで、データの送信先や送信データの詳細を表示し、本人の意図しない個人情報等が送信されないかチェック出来る様にします。",
     {{"送信データを確認する(&P)", "formsentinel.html", 0x04}}, nullptr, nullptr},
    {1040, "&Target Revealer", 3, "　ステータスバーでリンク先のアドレス ( URI ) を正しく確認できない場合などに、リンク先を確認できる様にします。",
     {{"ページ内のリンク先を確認する(&L)", "targetrevealer.html", 0x01}}, nullptr, nullptr},
    {1046, "Remote &Markup Peek", 3, "　リンク先のページを表示することなくその HTMLソースを表示し、システムに被害をもたらす可能性のあるスクリプトが存在しないか確認できる様にします。",
     {{"リンク先のソースを表示する(&V)", "remotemarkuppeek.html", 0x22}, {"指定アドレスのソースを表示する(&V)", "remotemarkuppeek.html", 0x01}},
     nullptr, nullptr},
    {1048, "Crumb &Viewer", 3, "　現在のページで保存された Cookie 情報を表示し、プライバシー上問題のある情報が含まれていないか確認できる様にします。",
     {{"このページの Cookie 情報を確認する(&C)", "crumbviewer.html", 0x01}}, nullptr, nullptr},
    {1027, "&Markup Reader Swap", 4,
     "　表示中のページの HTMLソースを表示するのに、「メモ帳」以外の任意のアプリケーションを使用する様にします。※ IE標準の機能をカスタマイズします。\n※※ 本機能は、より機能アップした「Palimo for IE」"
     "というソフトウェアとして独立しました。詳しくは Readme.txt をご参照ください。※※", {}, nullptr,
     "　Markup Reader Swap は、より高機能の 「 Palimo for IE 」\nというソフトウェアとして独立した為、機能の提供を終了致しました。"},
    {1036, "Pane &Unwrapper", 4, "　フレーム内のページをフレーム解除して再表示します。",
     {{"このページをフレーム解除して表示する(&F)", "paneunwrapper.html", 0x01}}, "このページをフレーム解除して表示(&F)", nullptr},
};

inline const Feature& feature(int checkId) {
    return *std::find_if(kFeatures.begin(), kFeatures.end(), [&](const Feature& row) { return row.id == checkId; });
}

using Ids = std::vector<int>;
inline Ids join(Ids ids, const Ids& more) { return ids.insert(ids.end(), more.begin(), more.end()), ids; }

// The panel's rows by their check boxes, in catalog order.
inline Ids panelIds() {
    Ids ids;
    for (const Feature& row : kFeatures)
        if (row.category == 0) ids.push_back(row.id);
    return ids;
}
// What the two pages show, in the order the controls were made.
inline const Ids kWelcomePage = {1001, 3, 1, 2, 1002, 1003, 1004};
inline const Ids kFeaturesPage = {1001, 3, 1, 2, 1005, 1006, 1007, 1008};

inline constexpr int kXdrive = 1011, kIdrive = 1021, kMarkup = 1027, kLexicon = 1013, kLexiconPlus = 1025;
// Xdrive Courier's earlier spelling, left where it is and removed instead.
inline constexpr const char* kXdriveOlder[] = {"X:driveに転送(&X)", "一覧から選んで X:driveに転送(&A)"};

inline constexpr const char* kCategories[] = {
    "インターネット上の情報を効率よく入手する機能", "インターネット上の無料サービスを活用する機能",
    "コンピューターのリソース消費を抑える機能", "セキュリティやプライバシーの保護を支援する機能", "その他の機能"};

// An upgrade offer: its check box (the description's id is one more), the
// feature it upgrades, its caption and its description.
struct Offer { int id, feature; const char *caption, *description; };
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
