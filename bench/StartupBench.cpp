// Times setup.exe from process start until its welcome page is painted and
// waiting for input, against two programs of the same toolchain: the bare
// dialog, and the floor of the design (the same dialog and child windows,
// no logic). The three take turns, so that all see the same machine. Prints
// the medians and setup.exe's ratio to each baseline. The budget is against
// the floor: the wizard's own work, the detection above all, may add little
// to what its windows cost. First it checks that the floor's child windows
// are the wizard's, so that the floor stays one.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/driver/DesktopHold.h"
#include "tools/driver/WizardFacts.h"
#include "tools/driver/WizardState.h"

namespace {

struct Program {
    const char* file;
    const char* title;
    const char* name;
};

const Program kPrograms[] = {
    {driver::kSetupProgram, driver::kWizardTitle, "setup.exe"},
    {"floor.exe", "IE Kelvara design floor", "design floor"},
    {"bare.exe", "IE Kelvara bare dialog", "bare dialog"},
};
constexpr int kProgramCount = sizeof kPrograms / sizeof kPrograms[0];
constexpr double kFloorBudget = 1.15;

// One start of a program, up to the first idle moment of its modal loop,
// which comes only after its dialog has been shown and painted.
class Start {
public:
    explicit Start(const Program& program) {
        char commandLine[MAX_PATH];
        lstrcpynA(commandLine, program.file, MAX_PATH);
        STARTUPINFOA startup = {};
        startup.cb = sizeof startup;
        LARGE_INTEGER frequency, begin, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&begin);
        if (!CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
            return;
        const DWORD idle = WaitForInputIdle(process.hProcess, 10000);
        QueryPerformanceCounter(&end);
        dialog = FindWindowA("#32770", program.title);
        if (idle == 0 && dialog != nullptr && IsWindowVisible(dialog))
            ms = 1000.0 * (end.QuadPart - begin.QuadPart) / frequency.QuadPart;
    }

    ~Start() {
        if (process.hProcess == nullptr) return;
        if (dialog != nullptr) PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 3);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }

    Start(const Start&) = delete;
    Start& operator=(const Start&) = delete;

    PROCESS_INFORMATION process = {};
    HWND dialog = nullptr;
    double ms = -1;  // negative when the dialog did not come up
};

// One line per child window, in the order the system keeps them: class,
// style, extended style, place in the dialog, id, text, and the entries of a
// list or the range of a bar. Fonts are left out: their handles mean nothing
// outside the process that made them.
BOOL CALLBACK describeChild(HWND window, LPARAM lines) {
    char windowClass[64] = "", text[512] = "";
    GetClassNameA(window, windowClass, sizeof windowClass);
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    RECT place;
    GetWindowRect(window, &place);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&place), 2);
    int low = 0, high = 0;
    if (lstrcmpiA(windowClass, "ScrollBar") == 0) GetScrollRange(window, SB_CTL, &low, &high);
    if (lstrcmpiA(windowClass, "ComboBox") == 0) high = static_cast<int>(SendMessageA(window, CB_GETCOUNT, 0, 0));
    char line[1024];
    std::snprintf(line, sizeof line, "%s %08lx %08lx %ld,%ld,%ld,%ld id %d [%s] %d..%d", windowClass,
                  static_cast<unsigned long>(GetWindowLongA(window, GWL_STYLE)),
                  static_cast<unsigned long>(GetWindowLongA(window, GWL_EXSTYLE)), place.left, place.top,
                  place.right, place.bottom, GetDlgCtrlID(window), text, low, high);
    reinterpret_cast<std::vector<std::string>*>(lines)->push_back(line);
    return TRUE;
}

std::vector<std::string> children(HWND dialog) {
    std::vector<std::string> lines;
    EnumChildWindows(dialog, describeChild, reinterpret_cast<LPARAM>(&lines));
    return lines;
}

bool floorIsTheWizards() {
    const Start wizard(kPrograms[0]), designFloor(kPrograms[1]);
    if (wizard.ms < 0 || designFloor.ms < 0) {
        std::printf("startup: %s did not come up\n", wizard.ms < 0 ? "setup.exe" : "floor.exe");
        return false;
    }
    const std::vector<std::string> wizardChildren = children(wizard.dialog);
    const std::vector<std::string> floorChildren = children(designFloor.dialog);
    if (wizardChildren == floorChildren) {
        std::printf("design floor: the same %d child windows as setup.exe's welcome page, made the same way\n",
                    static_cast<int>(floorChildren.size()));
        return true;
    }
    std::printf("design floor: its child windows are not setup.exe's:\n");
    for (size_t i = 0; i < std::max(wizardChildren.size(), floorChildren.size()); ++i) {
        const std::string none = "(none)";
        const std::string& ours = i < floorChildren.size() ? floorChildren[i] : none;
        const std::string& theirs = i < wizardChildren.size() ? wizardChildren[i] : none;
        if (ours != theirs) std::printf("  setup.exe: %s\n  floor:     %s\n", theirs.c_str(), ours.c_str());
    }
    return false;
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
    // Also the first start of each program, which loads more than the rest.
    if (!floorIsTheWizards()) return 1;
    if (Start(kPrograms[2]).ms < 0) {
        std::printf("startup: bare.exe did not come up\n");
        return 1;
    }
    std::vector<double> times[kProgramCount];
    for (int round = 0; round < rounds; ++round) {
        for (int turn = 0; turn < kProgramCount; ++turn) {
            // Each program goes first, second and third in turn.
            const int index = (round + turn) % kProgramCount;
            const double ms = Start(kPrograms[index]).ms;
            if (ms < 0) {
                std::printf("startup: %s did not come up\n", kPrograms[index].file);
                return 1;
            }
            times[index].push_back(ms);
        }
    }
    const double wizard = median(times[0]), designFloor = median(times[1]), bare = median(times[2]);
    std::printf("start-up to the painted welcome page, median of %d rounds in turns: setup.exe %.1f ms, "
                "design floor %.1f ms, bare dialog %.1f ms\n",
                rounds, wizard, designFloor, bare);
    const bool met = wizard <= kFloorBudget * designFloor;
    std::printf("start-up ratios: setup.exe / bare dialog %.3f, setup.exe / design floor %.3f (budget %.2f: %s)\n",
                wizard / bare, wizard / designFloor, kFloorBudget, met ? "met" : "NOT MET");
    return met ? 0 : 2;
}
