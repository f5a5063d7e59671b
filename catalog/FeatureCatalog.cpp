#include "catalog/FeatureCatalog.h"

#include <cstddef>

namespace {

template <typename T, std::size_t N>
constexpr TableRange<T> all(const T (&items)[N]) {
    return {items, static_cast<int>(N)};
}

// Internet Explorer's context bits.
constexpr unsigned char kDefault = 0x01;
constexpr unsigned char kImages = 0x02;
constexpr unsigned char kControls = 0x04;
constexpr unsigned char kTextSelection = 0x10;
constexpr unsigned char kAnchor = 0x20;

constexpr MenuEntry kPictureGathererEntries[] = {
    {"リンク先の画像をまとめて表示する(&G)", "picturegatherer.html", kDefault},
};
// Versions before this one wrote the captions without the final "する".
constexpr LegacyCaption kPictureGathererLegacy[] = {
    {&kPictureGathererEntries[0], "リンク先の画像をまとめて表示(&G)", LegacyMode::Migrate},
};

constexpr MenuEntry kPortalLexiconEntries[] = {
    {"gooの英和/和英辞典で調べる(&D)", "portallexicon.html", kTextSelection | kAnchor},
};
// Older versions wrote the dictionary entries with another contexts mask.
// An offer: caption, check box and description ids, description, the contexts
// expected, how many of the entries it registers again.
constexpr UpgradeOffer kPortalLexiconUpgrade = {
    "Portal Lexicon", 1032, 1033, "　リンクが張ってある単語に対しても検索できる様にします。", kTextSelection | kAnchor, 1};

constexpr MenuEntry kPortalLexiconPlusEntries[] = {
    {"gooの各種辞典で調べる(&D)", "portallexiconplus.html", kTextSelection | kAnchor},
    {"gooの英和辞典で調べる(&E)", "portallexiconplus.html?Dic=1", kTextSelection | kAnchor},
    {"gooの和英辞典で調べる(&J)", "portallexiconplus.html?Dic=2", kTextSelection | kAnchor},
    {"gooの国語辞典で調べる(&K)", "portallexiconplus.html?Dic=3", kTextSelection | kAnchor},
    {"gooの新語辞典で調べる(&N)", "portallexiconplus.html?Dic=4", kTextSelection | kAnchor},
};
// The entries that name one dictionary came later; the upgrade adds them.
constexpr UpgradeOffer kPortalLexiconPlusUpgrade = {
    "Portal Lexicon Plus", 1034, 1035, "　辞典を直接指定して呼び出すメニュー項目を追加します。", kTextSelection | kAnchor, 5};

constexpr MenuEntry kFreewareFinderEntries[] = {
    {"オンラインソフトを検索する(&O)", "freewarefinder.html", kDefault | kTextSelection},
};

constexpr MenuEntry kHostRedirectorEntries[] = {
    {"リンク先のドメインを確認して表示する(&C)", "hostredirector.html", kImages | kAnchor},
};
constexpr LegacyCaption kHostRedirectorLegacy[] = {
    {&kHostRedirectorEntries[0], "リンク先のドメインを確認して表示(&C)", LegacyMode::Migrate},
};

constexpr MenuEntry kOmniQueryEntries[] = {
    {"様々なサイトで一気に調べる(&M)", "omniquery.html", kDefault | kTextSelection | kAnchor},
};

constexpr MenuEntry kUriGrabberEntries[] = {
    {"文字列からアドレスを取得する(&P)", "urigrabber.html", kTextSelection},
};
constexpr LegacyCaption kUriGrabberLegacy[] = {
    {&kUriGrabberEntries[0], "文字列からアドレスを取得(&P)", LegacyMode::Migrate},
};

constexpr MenuEntry kPolyglotRelayEntries[] = {
    {"このページを翻訳する（英 -> 日）(&T)", "polyglotrelay.html", kDefault},
    {"このページを翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", kDefault},
    {"リンク先を翻訳する（英 -> 日）(&T)", "polyglotrelay.html", kImages | kAnchor},
    {"リンク先を翻訳する（韓 -> 日）(&K)", "polyglotrelay.html?SrcLang=Kr", kImages | kAnchor},
};

// Discontinued: the captions are kept only so that old entries can be found
// and removed; they are never registered, hence no script.
constexpr MenuEntry kXdriveCourierEntries[] = {
    {"Xdriveに転送(&X)", nullptr, 0},
    {"一覧から選んで Xdriveに転送(&A)", nullptr, 0},
};
// The service's earlier spelling; such entries stay where they are.
constexpr LegacyCaption kXdriveCourierLegacy[] = {
    {&kXdriveCourierEntries[0], "X:driveに転送(&X)", LegacyMode::RemoveInstead},
    {&kXdriveCourierEntries[1], "一覧から選んで X:driveに転送(&A)", LegacyMode::RemoveInstead},
};

constexpr MenuEntry kIdriveCourierEntries[] = {
    {"一覧から選んで i-driveに転送(&A)", nullptr, 0},
};

constexpr MenuEntry kHereOpenerEntries[] = {
    {"リンク先をこのウィンドウに表示する(&R)", "hereopener.html", kImages | kAnchor},
};
constexpr LegacyCaption kHereOpenerLegacy[] = {
    {&kHereOpenerEntries[0], "リンク先をこのウィンドウに表示(&R)", LegacyMode::Migrate},
};

constexpr MenuEntry kFormSentinelEntries[] = {
    {"送信データを確認する(&P)", "formsentinel.html", kControls},
};

constexpr MenuEntry kTargetRevealerEntries[] = {
    {"ページ内のリンク先を確認する(&L)", "targetrevealer.html", kDefault},
};

constexpr MenuEntry kRemoteMarkupPeekEntries[] = {
    {"リンク先のソースを表示する(&V)", "remotemarkuppeek.html", kImages | kAnchor},
    {"指定アドレスのソースを表示する(&V)", "remotemarkuppeek.html", kDefault},
};

constexpr MenuEntry kCrumbViewerEntries[] = {
    {"このページの Cookie 情報を確認する(&C)", "crumbviewer.html", kDefault},
};

constexpr MenuEntry kPaneUnwrapperEntries[] = {
    {"このページをフレーム解除して表示する(&F)", "paneunwrapper.html", kDefault},
};
constexpr LegacyCaption kPaneUnwrapperLegacy[] = {
    {&kPaneUnwrapperEntries[0], "このページをフレーム解除して表示(&F)", LegacyMode::Migrate},
};

// The row of a feature that is its menu entries, added and removed at will.
constexpr FeatureEntry menuFeature(FeatureRow number, const char* caption, FeatureCategory category, ControlIds ids,
                                   const char* description, TableRange<MenuEntry> entries) {
    FeatureEntry row = {};
    row.number = number;
    row.category = category;
    row.kind = FeatureKind::MenuExtension;
    row.checkBoxId = ids.checkBox;
    row.descriptionId = ids.description;
    row.caption = caption;
    row.description = description;
    row.entries = entries;
    return row;
}

// Discontinued: the entries can only be removed, and a tick is refused with
// the message.
constexpr FeatureEntry discontinuedFeature(FeatureRow number, const char* caption, FeatureCategory category,
                                           ControlIds ids, const char* description, TableRange<MenuEntry> entries,
                                           const char* refusalMessage) {
    FeatureEntry row = menuFeature(number, caption, category, ids, description, entries);
    row.discontinued = true;
    row.refusalMessage = refusalMessage;
    return row;
}

// Internet Explorer's source-viewer setting instead of menu entries;
// discontinued as well.
constexpr FeatureEntry sourceViewerFeature(FeatureRow number, const char* caption, FeatureCategory category,
                                           ControlIds ids, const char* description, const char* refusalMessage) {
    FeatureEntry row = discontinuedFeature(number, caption, category, ids, description, {}, refusalMessage);
    row.kind = FeatureKind::SourceViewerSetting;
    return row;
}

// Captions that earlier versions wrote for the row's entries.
constexpr FeatureEntry withLegacy(FeatureEntry row, TableRange<LegacyCaption> legacyCaptions) {
    row.legacyCaptions = legacyCaptions;
    return row;
}

constexpr FeatureEntry withUpgrade(FeatureEntry row, const UpgradeOffer* upgrade) {
    row.upgrade = upgrade;
    return row;
}

constexpr FeatureEntry kRows[] = {
    withLegacy(menuFeature(FeatureRow::PictureGatherer, "P&icture Gatherer", FeatureCategory::Information, {1009, 1010},
                           "　写真やイラストを閲覧できるギャラリーページなどで、リンクを辿らないと閲覧できない画像ファイルをまとめて表示します。",
                           all(kPictureGathererEntries)),
               all(kPictureGathererLegacy)),
    withUpgrade(menuFeature(FeatureRow::PortalLexicon, "Portal &Lexicon", FeatureCategory::Information, {1013, 1014},
                            "　ポータルサイト 「 goo 」 の英和/和英辞典検索サービスを利用して、ページ上の単語を調べます。",
                            all(kPortalLexiconEntries)),
                &kPortalLexiconUpgrade),
    withUpgrade(menuFeature(FeatureRow::PortalLexiconPlus, "Portal Lexicon Pl&us", FeatureCategory::Information, {1025, 1026},
                            "　ポータルサイト 「 goo 」 の各種の辞典 ( 英和、和英、国語、新語 ) 検索サービスを利用して、ページ上の単語を調べます。",
                            all(kPortalLexiconPlusEntries)),
                &kPortalLexiconPlusUpgrade),
    menuFeature(FeatureRow::FreewareFinder, "&Freeware Finder", FeatureCategory::Information, {1017, 1018},
                "　主要ポータルサイト及び、ソフトウェアライブラリサイトのオンラインソフトウェア検索サービスを利用して、指定キーワードによりオンラインソフトを検索します。",
                all(kFreewareFinderEntries)),
    withLegacy(menuFeature(FeatureRow::HostRedirector, "Host &Redirector", FeatureCategory::Information, {1023, 1024},
                           "　リンク先のドメイン名を確認し、変更されている時は新しいドメイン名に変換してから、今のウィンドウに表示します。",
                           all(kHostRedirectorEntries)),
               all(kHostRedirectorLegacy)),
    menuFeature(FeatureRow::OmniQuery, "Omni &Query", FeatureCategory::Information, {1038, 1039},
                "　指定キーワードを様々な検索サイトで一気に調べます ( 「 goo 」 の各種辞典検索 と オンラインソフトウェア検索の機能を含んでいます) 。",
                all(kOmniQueryEntries)),
    withLegacy(menuFeature(FeatureRow::UriGrabber, "URI Gr&abber", FeatureCategory::Information, {1044, 1045},
                           "　選択された文字列をアドレス ( URI ) とみなしてページを表示します。複数のアドレス ( URI ) を検出した場合は一覧表示します。",
                           all(kUriGrabberEntries)),
               all(kUriGrabberLegacy)),
    menuFeature(FeatureRow::PolyglotRelay, "P&olyglot Relay", FeatureCategory::Information, {1050, 1051},
                "　複数の無料翻訳サービスを利用して、現在のページ又はリンク先のページを日本語に翻訳 （英 → 日 又は 韓 → 日） します。",
                all(kPolyglotRelayEntries)),
    withLegacy(discontinuedFeature(FeatureRow::XdriveCourier, "Xdrive Courier", FeatureCategory::FreeServices, {1011, 1012},
                                   "　Xdrive に対応していないサイトから直接 Xdriveにファイルをダウンロード（転送） します。　　※※ 本機能の提供は終了しました。削除のみ出来ます。※※",
                                   all(kXdriveCourierEntries),
                                   "　Xdrive Courier は、Xdrive サービスの有料化に伴ない、\n機能の提供を終了致しました。"),
               all(kXdriveCourierLegacy)),
    discontinuedFeature(FeatureRow::IdriveCourier, "i-drive Courier", FeatureCategory::FreeServices, {1021, 1022},
                        "　i-drive に対応していないサイトから直接 i-driveにファイルをダウンロード（転送） します。　　※※ 本機能の提供は終了しました。削除のみ出来ます。※※",
                        all(kIdriveCourierEntries),
                        "　i-drive Courier は、i-drive サービスの終了に伴ない、\n機能の提供を終了致しました。"),
    withLegacy(menuFeature(FeatureRow::HereOpener, "&Here Opener", FeatureCategory::ResourceSaving, {1015, 1016},
                           "　リンク先のページを強制的に今のウィンドウに表示して新しいウィンドウが開くのを防ぎ、メモリー消費を抑えます。",
                           all(kHereOpenerEntries)),
               all(kHereOpenerLegacy)),
    menuFeature(FeatureRow::FormSentinel, "Form &Sentinel", FeatureCategory::SecurityPrivacy, {1019, 1020},
                "　アンケート等の送信ページで、データの送信先や送信データの詳細を表示し、本人の意図しない個人情報等が送信されないかチェック出来る様にします。",
                all(kFormSentinelEntries)),
    menuFeature(FeatureRow::TargetRevealer, "&Target Revealer", FeatureCategory::SecurityPrivacy, {1040, 1041},
                "　ステータスバーでリンク先のアドレス ( URI ) を正しく確認できない場合などに、リンク先を確認できる様にします。",
                all(kTargetRevealerEntries)),
    menuFeature(FeatureRow::RemoteMarkupPeek, "Remote &Markup Peek", FeatureCategory::SecurityPrivacy, {1046, 1047},
                "　リンク先のページを表示することなくその HTMLソースを表示し、システムに被害をもたらす可能性のあるスクリプトが存在しないか確認できる様にします。",
                all(kRemoteMarkupPeekEntries)),
    menuFeature(FeatureRow::CrumbViewer, "Crumb &Viewer", FeatureCategory::SecurityPrivacy, {1048, 1049},
                "　現在のページで保存された Cookie 情報を表示し、プライバシー上問題のある情報が含まれていないか確認できる様にします。",
                all(kCrumbViewerEntries)),
    sourceViewerFeature(FeatureRow::MarkupReaderSwap, "&Markup Reader Swap", FeatureCategory::Other, {1027, 1028},
                        "　表示中のページの HTMLソースを表示するのに、「メモ帳」以外の任意のアプリケーションを使用する様にします。※ IE標準の機能をカスタマイズします。\n※※ 本機能は、より機能アップした「Palimo for IE」というソフトウェアとして独立しました。詳しくは Readme.txt をご参照ください。※※",
                        "　Markup Reader Swap は、より高機能の 「 Palimo for IE 」\nというソフトウェアとして独立した為、機能の提供を終了致しました。"),
    withLegacy(menuFeature(FeatureRow::PaneUnwrapper, "Pane &Unwrapper", FeatureCategory::Other, {1036, 1037},
                           "　フレーム内のページをフレーム解除して再表示します。",
                           all(kPaneUnwrapperEntries)),
               all(kPaneUnwrapperLegacy)),
};
static_assert(sizeof kRows / sizeof kRows[0] == FeatureCatalog::kRowCount, "one row per feature");

constexpr bool numberedInOrder() {
    for (int i = 0; i < FeatureCatalog::kRowCount; ++i)
        if (static_cast<int>(kRows[i].number) != i + 1) return false;
    return true;
}
static_assert(numberedInOrder(), "each row stands at its own number");

constexpr bool offersUpgrade(FeatureRow number) {
    for (FeatureRow row : kUpgradeRows)
        if (row == number) return true;
    return false;
}

constexpr bool upgradeRowsListed() {
    for (const FeatureEntry& row : kRows)
        if ((row.upgrade != nullptr) != offersUpgrade(row.number)) return false;
    return true;
}
static_assert(upgradeRowsListed(), "kUpgradeRows names exactly the rows with an offer");

// In the order of FeatureCategory.
constexpr const char* kCategoryTexts[] = {
    "インターネット上の情報を効率よく入手する機能",  // Information
    "インターネット上の無料サービスを活用する機能",  // FreeServices
    "コンピューターのリソース消費を抑える機能",  // ResourceSaving
    "セキュリティやプライバシーの保護を支援する機能",  // SecurityPrivacy
    "その他の機能",  // Other
};

}  // namespace

TableRange<FeatureEntry> FeatureCatalog::rows() { return all(kRows); }

const FeatureEntry& FeatureCatalog::row(FeatureRow number) { return kRows[static_cast<int>(number) - 1]; }

const FeatureEntry* FeatureCatalog::findByCheckBoxId(int checkBoxId) {
    for (const FeatureEntry& entry : kRows) {
        if (entry.checkBoxId == checkBoxId) return &entry;
    }
    return nullptr;
}

const char* FeatureCatalog::categoryText(FeatureCategory category) {
    return kCategoryTexts[static_cast<int>(category)];
}
