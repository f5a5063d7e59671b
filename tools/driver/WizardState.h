#pragma once

#include <windows.h>

#include <string>

// The tools and setup.exe share the Wine prefix's registry: each run of the
// wizard starts from a state written there, and the state is wiped again
// afterwards.
namespace driver {

// Deletes everything setup.exe reads or writes, and the Wine setting that
// setWindowsVersion gives it.
void clearWizardState();

// A context-menu entry as the wizard writes one: the Shift-JIS caption as
// key name, the script address as default value, one byte of contexts.
LONG addMenuEntry(const std::string& caption, const std::string& address, unsigned char contexts);
LONG setSourceViewer(const std::string& programPath);

// The system version setup.exe is told, from Wine's per-program setting:
// "win31" gives platform id 0, "win98" 1, "winxp" 2.
LONG setWindowsVersion(const std::string& version);

}  // namespace driver
