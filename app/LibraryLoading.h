#pragma once

#include <windows.h>

// Once windows exist, the system loads libraries the program never imports
// (the theme library above all) by name, and the program's own folder, often
// a downloads folder anyone can write to, comes first in that search. The
// entry calls this before anything else: from then on those loads find only
// the system's own copies, as far as each Windows allows. Returns whether
// every step this kernel offers worked and the theme library a window would
// load is the system's: false on Windows 95 to 2000, which have neither a
// theme library nor a way to keep the program's folder out of the search.
bool restrictLibraryLoading(HMODULE kernel = GetModuleHandleA("kernel32.dll"));
