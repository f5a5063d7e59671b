#pragma once

// Every registry place the wizard touches, spelled exactly as the browser and
// earlier versions wrote them: the upper-case "SOFTWARE" and the trailing
// backslashes are deliberate.
// Pointers to literals rather than arrays, which the compiler would align to
// 32 bytes and pad.

// One subkey per context-menu item; the caption is appended as the key name.
inline constexpr const char* kMenuExtPath = "Software\\Microsoft\\Internet Explorer\\MenuExt\\";
// Below the menu item's key: the item's contexts mask, one REG_BINARY byte.
inline constexpr const char* kContextsValueName = "contexts";

// Machine-wide; the default value names the program that shows page source.
inline constexpr const char* kEditorNamePath = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\Editor Name";
// Removed after its "Editor Name" subkey, which must go first.
inline constexpr const char* kViewSourceEditorPath = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor\\";
// Machine-wide; when present, the source-viewer setting belongs to Palimo.
inline constexpr const char* kPalimoEditorPath = "Software\\Quorvin\\Palimo\\HTML Editor\\";

// The site directory that holds the scripts; each entry's script is appended
// without a separator, so the trailing slash matters.
inline constexpr const char* kScriptBaseAddress = "http://www.example.com/iekelvara/";
