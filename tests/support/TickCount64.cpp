// Only for the 32-bit build of the test programs. The threads library under
// GoogleTest (MinGW-w64's prebuilt winpthread) times its waits with
// GetTickCount64, which came with Vista: Windows XP would refuse to load the
// test kit's programs for that one import. The library calls it through its
// import slot, __imp__GetTickCount64@0, so a slot of that name defined here
// takes its place and the import goes. GetTickCount wraps after 49.7 days of
// uptime, which only a timed wait across that moment could notice; no test
// waits with a limit through that library (a slot that ended the process
// left every test passing).
#include <windows.h>

static ULONGLONG WINAPI tickCount64() { return GetTickCount(); }
extern "C" ULONGLONG(WINAPI* const tickCount64Slot)() __asm__("__imp__GetTickCount64@0") = tickCount64;
