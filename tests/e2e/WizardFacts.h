#pragma once

// What setup.exe shows to the outside world. Written down here on their own,
// not taken from the program's sources, so that a wrong text in the program
// fails a test instead of being compared with itself.
namespace e2e {

inline constexpr char kSetupProgram[] = "setup.exe";
inline constexpr char kWizardTitle[] = "IE Kelvara for Win32 Version 1.80 セットアップ";
inline constexpr char kMessageCaption[] = "IE Kelvara セットアップ";
inline constexpr char kMutexName[] = "IE_Kelvara";
inline constexpr char kPlatformRefusal[] = "「IE Kelvara」は 32ビット Windows専用です。\nセットアップを終了します。\n";

// The pages are laid out up to x 460 and y 322, so the client area must be
// at least this large for the buttons and the separator line to fit.
inline constexpr int kMinClientWidth = 468;
inline constexpr int kMinClientHeight = 324;

}  // namespace e2e
