#pragma once

// Texts of the wizard itself; the features' own texts are in the catalog.

inline constexpr char kPlatformRefusal[] = "「IE Kelvara」は 32ビット Windows専用です。\nセットアップを終了します。\n";

// Buttons.
inline constexpr char kBackLabel[] = "< 戻る(&P)";
inline constexpr char kNextLabel[] = "次へ(&N) >";
inline constexpr char kFinishLabel[] = "完了(&D)";
inline constexpr char kCloseLabel[] = "閉じる(&X)";
inline constexpr char kCancelLabel[] = "中止(&C)";
inline constexpr char kBrowseLabel[] = "参照(&B) ...";

// Pages.
inline constexpr char kWelcomeText1[] = "　この度は 「 IEKelvara for Win32 」 をご利用頂き有り難うございます。";
inline constexpr char kWelcomeText2[] =
    "　このプログラムはご使用の Internet Explorerを拡張してインターネットでの作業を便利にする機能を追加し、"
    "右クリックメニュー ( コンテキストメニュー ) から呼び出せる様にします。";
inline constexpr char kWelcomeText3[] = "　「次へ >」ボタンを押すと、セットアップの詳細画面になります。";
inline constexpr char kFeaturesText1[] = "　追加する機能のチェックを ONにして、「完了」ボタンを押してください。";
inline constexpr char kFeaturesText2[] =
    "※ 既に追加済みの機能は始めからチェックが ONになっています。チェックを OFFにするとその機能を削除します。";
inline constexpr char kUpgradeHeading[] = "現在インストールされている以下の機能をアップグレードできます。\n";

// Messages.
inline constexpr char kEditorPathMissing[] =
    "メモ帳の代わりに HTMLソースを表示する\nアプリケーションを指定してください。";
inline constexpr char kEditorNotFound[] =
    "指定されたアプリケーションが見つかりません。\n\nメモ帳の代わりに HTMLソースを表示するアプリケーションの\n"
    "ファイル名又はパスを確認してください。";
inline constexpr char kSetupComplete[] =
    "　セットアップが完了しました。\n\n　IEが起動済みの時は、IEを再起動後に\nセットアップ内容が反映されます。";
inline constexpr char kNothingChanged[] = "セットアップ内容が元と同じです。";
inline constexpr char kSetFailed[] = "設定に失敗しました。";
inline constexpr char kUnsetFailed[] = "設定解除に失敗しました。";
