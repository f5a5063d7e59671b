// Brings Wine's desktop process up for a test run, says so once it is up, and
// holds it up until the run ends it. Every test program opens windows: the
// first of them would otherwise start the desktop process itself, which then
// keeps that program's output open for as long as it runs, and ctest waits
// for the end of that output. Held, it also spares each test program the
// wait for a new one.
#include <cstdio>

#include "tools/driver/DesktopHold.h"

int main() {
    // The window exists only once the desktop does.
    const driver::DesktopHold hold;
    std::puts("desktop up");
    std::fflush(stdout);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
    return 0;
}
