#pragma once

#include <windows.h>

// Once windows exist, the system loads libraries the program never imports
// (the theme library above all) by name, and the program's own folder, often
// a downloads folder anyone can write to, comes first in that search. The
// entry calls this before anything else: from then on those loads find only
// the system's own copies, wherever kernel offers a way to say so; Windows
// 95, 98, Me and NT 4.0 offer none. Returns whether it did.
bool restrictLibraryLoading(HMODULE kernel = GetModuleHandleA("kernel32.dll"));
