#pragma once

#include <windows.h>

// The platform id of the running system; 0 when the system will not say.
DWORD currentPlatformId();

// The wizard runs on the two 32-bit Windows families only.
inline bool isSupportedPlatform(DWORD platformId) {
    return platformId == VER_PLATFORM_WIN32_WINDOWS || platformId == VER_PLATFORM_WIN32_NT;
}
