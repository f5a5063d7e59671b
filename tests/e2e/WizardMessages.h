#pragma once

#include "tests/e2e/WizardFacts.h"

// Every message box setup.exe can show, as the user reads it, and the style
// it is asked for: one OK button, on top of every other window, and the icon
// that tells an error, a warning and a notice apart. Written down here on
// their own, like the other facts.
namespace e2e {

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

}  // namespace e2e
