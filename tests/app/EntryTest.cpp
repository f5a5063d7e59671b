#include <gtest/gtest.h>
#include <windows.h>
DWORD currentPlatformId() { return 0; }
