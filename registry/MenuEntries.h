#pragma once

class RegKey;

// Gives the key the path of the context-menu entry named caption, below the
// key's root.
void setMenuEntryPath(RegKey& key, const char* caption);
