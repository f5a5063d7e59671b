#pragma once

#include <windows.h>

#include <memory>

// One registry key, named by a predefined root and a subkey path, with at most
// one open handle. Made for a single task and then destroyed. Every status is
// the registry's own: ERROR_SUCCESS and nothing else means success.
class RegKey {
public:
    RegKey();
    explicit RegKey(HKEY root);
    virtual ~RegKey();

    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    // Keeps its own copy; the caller still owns the argument.
    const char* setPath(const char* path);

    // Both close a handle already held first; on failure no handle is left.
    LONG openKey(bool writable);
    // Opens the key when it already exists; its values stay. created tells
    // which, so that a caller can take back a key it made.
    LONG createKey(bool& created);
    // Works on the path alone, open handle or not. A key with subkeys is not
    // deleted: ERROR_ACCESS_DENIED, as the NT family answers, on every system;
    // nor one that cannot be opened to look for them: the open's status.
    LONG deleteKey();

    // "" names the key's default value. type may be null. Sizes are in bytes
    // and count a string's terminating NUL as the registry stored it.
    LONG queryValueSize(const char* name, DWORD* type, DWORD* size);
    // size: in, the buffer's size; out, the stored size (also when the buffer
    // was too small and the status is ERROR_MORE_DATA).
    LONG queryValue(const char* name, DWORD* type, BYTE* data, DWORD* size);
    LONG setValue(const char* name, const DWORD* type, const BYTE* data, const DWORD* size);
    // True only for the same type, the same size and the same bytes. Values
    // over kCompareLimit bytes are never equal.
    bool valueEquals(const char* name, const DWORD* type, const BYTE* data, const DWORD* size);

    // Both open and close a handle of their own; the held handle is left alone.
    bool exists();
    // False also when the key cannot be read: then it may hold anything.
    bool isEmpty();

    static constexpr DWORD kCompareLimit = 260;

private:
    std::unique_ptr<char[]> path;
    HKEY handle;
    HKEY root;

    void close();
};
