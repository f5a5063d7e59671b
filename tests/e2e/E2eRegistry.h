#pragma once

#include <windows.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

// The test program and setup.exe share the Wine prefix's real registry, so
// every state a test needs is written there and wiped again afterwards.
namespace e2e {

inline constexpr char kMenuExtPath[] = "Software\\Microsoft\\Internet Explorer\\MenuExt";  // per user
inline constexpr char kSourceViewerPath[] = "SOFTWARE\\Microsoft\\Internet Explorer\\View Source Editor";
inline constexpr char kPalimoPath[] = "Software\\Quorvin\\Palimo\\HTML Editor";
inline constexpr char kMakerPath[] = "Software\\Quorvin";

// Deletes everything setup.exe reads or writes, and the Wine settings that a
// test may give it.
void clearWizardState();

std::string menuEntryPath(const std::string& caption);

// A context-menu entry as the wizard writes one: the Shift-JIS caption as
// key name, the script address as default value, one byte of contexts.
LONG addMenuEntry(const std::string& caption, const std::string& address, unsigned char contexts);
LONG setSourceViewer(const std::string& programPath);
LONG addPalimoKey();

// The system version setup.exe is told, from Wine's per-program setting:
// "win31" gives platform id 0, "win98" 1, "winxp" 2.
LONG setWindowsVersion(const std::string& version);

// Every key below a path, by its name relative to the path ("" for the key
// itself), with each value's type and bytes; equal snapshots mean nothing
// there changed.
using RegistryValues = std::map<std::string, std::pair<DWORD, std::vector<unsigned char>>>;
using RegistrySnapshot = std::map<std::string, RegistryValues>;
RegistrySnapshot snapshot(HKEY root, const std::string& path);

// One line per key or value that was added, removed or changed, so that a
// failing comparison names what differs instead of printing both trees.
std::vector<std::string> differences(const RegistrySnapshot& before, const RegistrySnapshot& after);

}  // namespace e2e
