// Times setup.exe from process start until its welcome page is painted and
// waiting for input, against the bare dialog of the same toolchain, taking
// the two in turns so that both see the same machine. Prints both medians
// and their ratio.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tools/driver/DesktopHold.h"
#include "tools/driver/WizardFacts.h"
#include "tools/driver/WizardState.h"

namespace {

constexpr char kBareTitle[] = "IE Kelvara bare dialog";

// Milliseconds to the first idle moment of the program's modal loop, which
// comes only after its dialog has been shown and painted; negative on failure.
double timeStart(const char* program, const char* title) {
    char commandLine[MAX_PATH];
    lstrcpynA(commandLine, program, MAX_PATH);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    LARGE_INTEGER frequency, begin, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&begin);
    if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
        return -1;
    const DWORD idle = WaitForInputIdle(process.hProcess, 10000);
    QueryPerformanceCounter(&end);
    HWND dialog = FindWindowA("#32770", title);
    const bool shown = idle == 0 && dialog != nullptr && IsWindowVisible(dialog);
    if (dialog != nullptr) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 3);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return shown ? 1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart : -1;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int main(int argc, char** argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 21;
    const driver::DesktopHold desktop;
    driver::clearWizardState();
    timeStart("bare.exe", kBareTitle);  // the first start of any program loads more
    timeStart(driver::kSetupProgram, driver::kWizardTitle);
    std::vector<double> wizard, bare;
    for (int round = 0; round < rounds; ++round) {
        const bool wizardFirst = round % 2 == 0;
        for (int turn = 0; turn < 2; ++turn) {
            const bool isWizard = (turn == 0) == wizardFirst;
            const double ms = isWizard ? timeStart(driver::kSetupProgram, driver::kWizardTitle) : timeStart("bare.exe", kBareTitle);
            if (ms < 0) {
                std::printf("startup: %s did not come up\n", isWizard ? "setup.exe" : "bare.exe");
                return 1;
            }
            (isWizard ? wizard : bare).push_back(ms);
        }
    }
    const double wizardMedian = median(wizard), bareMedian = median(bare);
    std::printf("start-up to the painted welcome page, median of %d: setup.exe %.1f ms, bare dialog %.1f ms, "
                "ratio %.3f (budget 1.15)\n",
                rounds, wizardMedian, bareMedian, wizardMedian / bareMedian);
    return wizardMedian <= 1.15 * bareMedian ? 0 : 2;
}
