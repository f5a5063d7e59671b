#pragma once

#include <windows.h>

// The platform id of the running system; 0 when the system will not say.
DWORD currentPlatformId();

// The wizard runs on the two 32-bit Windows families only.
inline bool isSupportedPlatform(DWORD platformId) {
    return platformId == VER_PLATFORM_WIN32_WINDOWS || platformId == VER_PLATFORM_WIN32_NT;
}

// The menu captions are Shift-JIS, and the narrow registry calls convert them
// with the system's ANSI code page: under any other, a trail byte 0x5C turns
// into a path separator and the keys written are garbage that reports success.
inline bool isSupportedCodePage(UINT codePage) { return codePage == 932; }
