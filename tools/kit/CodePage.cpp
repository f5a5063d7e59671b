// The test kit's first step: the wizard's texts and key names are Shift-JIS,
// so its tests mean something only where the ANSI code page is 932. Prints
// the code page and exits with 0 there, 1 anywhere else.
#include <windows.h>

#include <cstdio>

int main() {
    const UINT codePage = GetACP();
    std::printf("ANSI code page: %u\n", codePage);
    return codePage == 932 ? 0 : 1;
}
