#pragma once

// What setup.exe shows to the outside world, as far as the tools drive it:
// written down as a user sees it, like the ids a test driver would use.
namespace driver {

inline constexpr char kSetupProgram[] = "setup.exe";
inline constexpr char kWizardTitle[] = "IE Kelvara for Win32 Version 1.80 セットアップ";

// Control ids.
namespace id {
inline constexpr int kNext = 1;
inline constexpr int kPanelScrollBar = 106, kCategoryCombo = 1008;
inline constexpr int kMarkupReaderSwap = 1027, kPaneUnwrapper = 1036;
}  // namespace id

// Where it keeps what it finds and writes. Per user:
inline constexpr char kMenuExtPath[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";
// Machine-wide:
inline constexpr char kSourceViewerPath[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
inline constexpr char kEditorNamePath[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
inline constexpr char kPalimoPath[] = "Software\\Quorvin\\Palimo\\HTML Editor";

}  // namespace driver
