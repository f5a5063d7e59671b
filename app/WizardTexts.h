#pragma once

// Texts of the wizard itself; the features' own texts are in the catalog.
// Each text is a pointer to its literal rather than an array: the compiler
// aligns a named array of 32 bytes or more to 32 and pads it, a literal not.

inline constexpr const char* kPlatformRefusal = "「IE Kelvara」は 32ビット Windows専用です。\nセットアップを終了します。\n";
// In ASCII, the one text that every code page shows as written: this refusal
// comes where Shift-JIS would be garbage.
inline constexpr const char* kCodePageCaption = "IE Kelvara Setup";
// Each says what to change: Windows 10 and 11 give code page 65001 where the
// UTF-8 option is ticked, whatever the language, and Windows 95, 98 and Me
// have no such setting at all, only editions.
inline constexpr const char* kCodePageRefusal =
    "IE Kelvara Setup needs Japanese as Windows' language for non-Unicode programs.\n"
    "Set it to Japanese, restart Windows and run Setup again.\n\n"
    "Setup has changed nothing.";
inline constexpr const char* kUtf8Refusal =
    "Setup cannot run with UTF-8 for non-Unicode programs.\n"
    "In those settings keep Japanese, untick \"Beta: Use Unicode UTF-8 for worldwide language support\", "
    "restart Windows and run Setup again.\n\n"
    "Setup has changed nothing.";
inline constexpr const char* kEditionRefusal =
    "Setup needs a Japanese edition of Windows.\n\n"
    "Setup has changed nothing.";

// Buttons.
inline constexpr const char* kBackLabel = "< 戻る(&P)";
inline constexpr const char* kNextLabel = "次へ(&N) >";
inline constexpr const char* kFinishLabel = "完了(&D)";
inline constexpr const char* kCloseLabel = "閉じる(&X)";
inline constexpr const char* kCancelLabel = "中止(&C)";
inline constexpr const char* kBrowseLabel = "参照(&B) ...";

// Pages.
inline constexpr const char* kWelcomeText1 = "　この度は 「 IEKelvara for Win32 」 をご利用頂き有り難うございます。";
inline constexpr const char* kWelcomeText2 =
    "　このプログラムはご使用の Internet Explorerを拡張してインターネットでの作業を便利にする機能を追加し、"
    "右クリックメニュー ( コンテキストメニュー ) から呼び出せる様にします。";
inline constexpr const char* kWelcomeText3 = "　「次へ >」ボタンを押すと、セットアップの詳細画面になります。";
inline constexpr const char* kFeaturesText1 = "　追加する機能のチェックを ONにして、「完了」ボタンを押してください。";
inline constexpr const char* kFeaturesText2 =
    "※ 既に追加済みの機能は始めからチェックが ONになっています。チェックを OFFにするとその機能を削除します。";
inline constexpr const char* kUpgradeHeading = "現在インストールされている以下の機能をアップグレードできます。\n";

// Messages.
inline constexpr const char* kEditorPathMissing =
    "メモ帳の代わりに HTMLソースを表示する\nアプリケーションを指定してください。";
inline constexpr const char* kEditorNotFound =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";
inline constexpr const char* kSetupComplete =
    "　セットアップが完了しました。\n\n　IEが起動済みの時は、IEを再起動後に\nセットアップ内容が反映されます。";
inline constexpr const char* kNothingChanged = "セットアップ内容が元と同じです。";
inline constexpr const char* kSetFailed = "設定に失敗しました。";
inline constexpr const char* kUnsetFailed = "設定解除に失敗しました。";
