#include "tests/support/MessageBoxRecorder.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using MessageBoxFunction = int(WINAPI*)(HWND, LPCSTR, LPCSTR, UINT);

MessageBoxRecorder* recorder = nullptr;
MessageBoxFunction realMessageBox = nullptr;

// The import slot through which this program calls MessageBoxA.
MessageBoxFunction* findImportSlot() {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + reinterpret_cast<IMAGE_DOS_HEADER*>(base)->e_lfanew);
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

int WINAPI recordingMessageBox(HWND owner, LPCSTR text, LPCSTR, UINT type) {
    recorder->boxes.push_back({owner, text != nullptr ? text : "", type});
    return IDOK;
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
