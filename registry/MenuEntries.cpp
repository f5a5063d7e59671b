// The wizard's registry operations: one context-menu entry written, removed
// or looked for, the source viewer's setting read or removed, and the report
// of a failed write. Each operation uses a key object of its own.
#include <cstring>
#include <new>

#include "app/SetupWizard.h"
#include "app/WizardTexts.h"
#include "controls/PushButton.h"
#include "registry/JoinedText.h"
#include "registry/MenuEntries.h"
#include "registry/RegKey.h"
#include "registry/RegistryLocations.h"

namespace {

// Room for the editor path when its value is not longer.
constexpr DWORD kEditorPathSize = 257;

}  // namespace

void setMenuEntryPath(RegKey& key, const char* caption) {
    // The key copies the path; the joined text goes at the end of the scope.
    key.setPath(joinText(kMenuExtPath, caption).get());
}

bool SetupWizard::registerMenuEntry(const char* caption, const char* script, DWORD contexts) {
    RegKey key;
    setMenuEntryPath(key, caption);
    bool created = false;
    if (key.createKey(created) == ERROR_SUCCESS) {
        const std::unique_ptr<char[]> address = joinText(kScriptBaseAddress, script);
        const DWORD text = REG_SZ;
        const DWORD textSize = static_cast<DWORD>(std::strlen(address.get()) + 1);
        const DWORD binary = REG_BINARY;
        const DWORD maskSize = 1;
        const BYTE mask = static_cast<BYTE>(contexts & 0xFF);
        if (key.setValue("", &text, reinterpret_cast<const BYTE*>(address.get()), &textSize) == ERROR_SUCCESS &&
            key.setValue(kContextsValueName, &binary, &mask, &maskSize) == ERROR_SUCCESS)
            return true;
        // The browser would show a key without its address or contexts as an
        // item that does nothing. One made here goes again; one that was
        // there keeps what it had and what was written. Should that delete be
        // refused too, the failure is reported below all the same; the key
        // then shows as installed at the next start, where unticking removes it.
        if (created) key.deleteKey();
    }
    reportSetupFailure(false);
    return false;
}

bool SetupWizard::unregisterMenuEntry(const char* caption) {
    RegKey key;
    setMenuEntryPath(key, caption);
    if (key.deleteKey() != ERROR_SUCCESS) {
        reportSetupFailure(true);
        return false;
    }
    return true;
}

bool SetupWizard::isMenuEntryRegistered(const char* caption) {
    RegKey key;
    setMenuEntryPath(key, caption);
    return key.exists();
}

// A wildcard would let the first of several matches pass for the program.
bool SetupWizard::fileExists(const char* path) {
    if (std::strpbrk(path, "*?") != nullptr) return false;
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path, &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    return (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

// During the start-up migration the buttons do not exist yet; the wizard then
// still opens on its first page.
void SetupWizard::reportSetupFailure(bool removing) {
    messageBox(removing ? kUnsetFailed : kSetFailed, MB_ICONWARNING);
    if (backButton == nullptr || nextButton == nullptr) return;
    backButton->enable(false);
    nextButton->enable(false);
    stepBack();
}

void SetupWizard::readSourceViewerSetting() {
    editorPath.reset(new char[kEditorPathSize]);
    editorPath[0] = '\0';
    markupReaderSwapInstalled = 0;
    RegKey editor(HKEY_LOCAL_MACHINE);
    editor.setPath(kEditorNamePath);
    if (!editor.exists()) return;
    // Once the separate editor product has claimed the setting, it is not ours.
    RegKey palimo(HKEY_LOCAL_MACHINE);
    palimo.setPath(kPalimoEditorPath);
    if (palimo.exists()) return;
    markupReaderSwapInstalled = 1;

    DWORD size = 0;
    if (editor.openKey(false) != ERROR_SUCCESS || editor.queryValueSize("", nullptr, &size) != ERROR_SUCCESS) return;
    // One byte more than stored: the value need not end in a NUL.
    if (size >= kEditorPathSize) {
        std::unique_ptr<char[]> larger(new (std::nothrow) char[size + 1]);
        if (larger == nullptr) return;
        larger[0] = '\0';
        editorPath = std::move(larger);
    }
    // A value that grew since the size was asked for is not read at all
    // rather than cut; one that shrank is read whole.
    DWORD read = size;
    if (editor.queryValue("", nullptr, reinterpret_cast<BYTE*>(editorPath.get()), &read) != ERROR_SUCCESS) {
        editorPath[0] = '\0';
        return;
    }
    editorPath[read] = '\0';
}

// The parent key may hold other programs' settings: it goes only when
// nothing else is left in it, and the setting counts as removed either way.
bool SetupWizard::removeSourceViewerSetting() {
    RegKey key(HKEY_LOCAL_MACHINE);
    key.setPath(kEditorNamePath);
    LONG status = key.deleteKey();
    if (status == ERROR_SUCCESS) {
        key.setPath(kViewSourceEditorPath);
        if (key.isEmpty()) status = key.deleteKey();
    }
    if (status != ERROR_SUCCESS) {
        reportSetupFailure(true);
        return false;
    }
    return true;
}
