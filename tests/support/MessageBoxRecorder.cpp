#include "tests/support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

MessageBoxRecorder* recorder = nullptr;
MessageBoxFunction realMessageBox = nullptr;
HHOOK hook = nullptr;
HWND box = nullptr;

// The import slot through which this program calls MessageBoxA.
MessageBoxFunction* findImportSlot() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const auto& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* import = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress); import->Name;
         ++import) {
        if (_stricmp(reinterpret_cast<char*>(base + import->Name), "user32.dll") != 0) continue;
        auto* names = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->OriginalFirstThunk);
        auto* slots = reinterpret_cast<IMAGE_THUNK_DATA*>(base + import->FirstThunk);
        for (; names->u1.AddressOfData; ++names, ++slots) {
            if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal)) continue;
            auto* byName = reinterpret_cast<IMAGE_IMPORT_BY_NAME*>(base + names->u1.AddressOfData);
            if (std::strcmp(reinterpret_cast<char*>(byName->Name), "MessageBoxA") == 0)
                return reinterpret_cast<MessageBoxFunction*>(&slots->u1.Function);
        }
    }
    return nullptr;
}

void patch(MessageBoxFunction* slot, MessageBoxFunction function) {
    DWORD old = 0;
    VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &old);
    *slot = function;
    VirtualProtect(slot, sizeof *slot, old, &old);
}

BOOL CALLBACK findIcon(HWND child, LPARAM found) {
    if ((GetWindowLongA(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && SendMessageA(child, STM_GETICON, 0, 0))
        *reinterpret_cast<bool*>(found) = true;
    return TRUE;
}

// Runs inside the box's own modal loop, once it is active.
void CALLBACK readAndAnswer(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    RecordedMessageBox& last = recorder->boxes.back();
    char text[2048];
    GetWindowTextA(box, text, sizeof text);
    last.shownCaption = text;
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    last.shownText = text;
    EnumChildWindows(box, findIcon, reinterpret_cast<LPARAM>(&last.hadIcon));
    PostMessageA(box, WM_COMMAND, recorder->reply, 0);
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    char className[32];
    if (code == HCBT_CREATEWND && box == nullptr && GetClassNameA(reinterpret_cast<HWND>(wParam), className, 32) &&
        std::strcmp(className, "#32770") == 0)
        box = reinterpret_cast<HWND>(wParam);
    else if (code == HCBT_ACTIVATE && reinterpret_cast<HWND>(wParam) == box)
        SetTimer(nullptr, 0, 0, readAndAnswer);
    return CallNextHookEx(hook, code, wParam, lParam);
}

int WINAPI recordingMessageBox(HWND owner, LPCSTR text, LPCSTR caption, UINT type) {
    RecordedMessageBox entry;
    entry.owner = owner;
    entry.text = text != nullptr ? text : "";
    entry.caption = caption != nullptr ? caption : "";
    entry.type = type;
    recorder->boxes.push_back(entry);
    box = nullptr;
    hook = SetWindowsHookExA(WH_CBT, watch, nullptr, GetCurrentThreadId());
    const int result = realMessageBox(owner, text, caption, type);
    UnhookWindowsHookEx(hook);
    hook = nullptr;
    return result;
}

}  // namespace

MessageBoxRecorder::MessageBoxRecorder() {
    MessageBoxFunction* slot = findImportSlot();
    EXPECT_NE(nullptr, slot) << "MessageBoxA is not imported";
    if (slot == nullptr) return;
    recorder = this;
    realMessageBox = *slot;
    patch(slot, recordingMessageBox);
}

MessageBoxRecorder::~MessageBoxRecorder() {
    if (recorder != this) return;
    patch(findImportSlot(), realMessageBox);
    recorder = nullptr;
}
