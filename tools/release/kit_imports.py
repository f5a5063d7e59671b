"""What the test kit's programs may import: the functions that Windows XP
with Service Pack 3 exports, per DLL, written from the documentation rather
than from any build's import table. The kit needs XP SP3 or later (see the
README), so a call that only later Windows has fails scripts/test here
instead of on a tester's machine.

XP, of the NT family, still exports everything that setup.exe may import
(allowed_imports.py: what both Windows 98 and NT 4.0 export), so each list
below adds to that one.
"""

from allowed_imports import ALLOWED

# Microsoft's Win32 reference (learn.microsoft.com), whose "Requirements"
# give "Minimum supported client" as Windows 2000 Professional or Windows XP
# for every call of this group (for example RegOverridePredefKey: 2000;
# AddVectoredExceptionHandler, OpenThread, TryEnterCriticalSection and
# ConvertStringSecurityDescriptorToSecurityDescriptorA: XP); then the calls
# that came with a service pack of XP, as the same pages give them:
# GetProcessHandleCount, GetSystemTimes and SetDllDirectoryA (SP1),
# IsWow64Process (SP2),
# GetLogicalProcessorInformation (SP3). Left out as later, "Windows Vista"
# there: GetTickCount64, RegDeleteTreeA, RegGetValueA, RegDeleteKeyExA and
# RegCopyTreeA (XP x64 aside, a system of its own), the condition variables,
# slim reader/writer locks and one-time initialisation, FlsAlloc,
# GetFileInformationByHandleEx, CreateSymbolicLinkA,
# QueryFullProcessImageNameA, GetErrorMode and GetCurrentProcessorNumber.
KERNEL32 = """
    AddVectoredExceptionHandler CreatePipe DebugBreak GetCommandLineW
    GetFileAttributesExA GetFileSizeEx GetHandleInformation
    GetModuleFileNameW GetModuleHandleExA GetModuleHandleW GetNativeSystemInfo
    GetProcessAffinityMask GetProcessTimes GetSystemTimeAdjustment
    GetThreadContext GetThreadPriority GetThreadTimes GetVersionExW
    InitializeCriticalSectionAndSpinCount InterlockedCompareExchange
    IsDebuggerPresent LoadLibraryW OpenThread RemoveVectoredExceptionHandler
    SetFilePointerEx SetHandleInformation SetProcessAffinityMask SetSystemTime
    SetThreadContext SetThreadPriority SignalObjectAndWait SleepEx
    SuspendThread SwitchToThread TerminateThread TryEnterCriticalSection
    WaitForSingleObjectEx

    GetProcessHandleCount GetSystemTimes SetDllDirectoryA IsWow64Process
    GetLogicalProcessorInformation
"""

USER32 = """
    AllowSetForegroundWindow GetAncestor GetWindowInfo MonitorFromWindow
    SetLayeredWindowAttributes
"""

GDI32 = """
    AddFontResourceExA GdiAlphaBlend GetDCBrushColor GetObjectType
    SetDCBrushColor
"""

ADVAPI32 = """
    ConvertSecurityDescriptorToStringSecurityDescriptorA
    ConvertStringSecurityDescriptorToSecurityDescriptorA RegGetKeySecurity
    RegOpenCurrentUser RegOverridePredefKey RegSetKeySecurity
"""

# First the run-time library reference of Visual C++ 6.0, whose msvcrt.dll
# Windows 2000 and XP carry as a part of the system, with every export kept
# (the wide-character and low-level I/O routines, and the internal entry
# points _lock, _unlock and _setjmp3 that its sources define). Then the
# reference of Visual C++ .NET 2002 (7.0), whose run-time XP's msvcrt.dll
# (file version 7.0) is: the __time64_t functions, __iob_func,
# ___lc_codepage_func, _vscprintf and the aligned allocations. Left out as
# later: the "secure" _s functions, _fseeki64 and _ftelli64 (Vista's
# msvcrt.dll), and _fstat64i32 and the like, which no msvcrt.dll exports.
MSVCRT = """
    _beginthread _beginthreadex _close _creat _dup _dup2 _endthread
    _endthreadex _fdopen _filelength _filelengthi64 _fstat _fstati64
    _get_osfhandle _getcwd _isatty _itoa _lock _lseek _lseeki64 _ltoa _mkdir
    _nextafter _open _open_osfhandle _read _rmdir _set_error_mode _setjmp3
    _stat _stati64 _ultoa _unlock _wcsdup _wcsicmp _wcsnicmp _wfopen _write
    fgetwc fputwc getwc iswalpha iswctype iswdigit iswspace putwc towlower
    towupper ungetwc wcscat wcschr wcscmp wcscoll wcscpy wcsftime wcslen
    wcsncmp wcsstr wcstol wcsxfrm

    _ctime64 _fstat64 _gmtime64 _localtime64 _mktime64 _stat64 _time64
    _wstat64 ___lc_codepage_func __iob_func _aligned_free _aligned_malloc
    _vscprintf
"""

ADDED = {
    "kernel32.dll": KERNEL32,
    "user32.dll": USER32,
    "gdi32.dll": GDI32,
    "advapi32.dll": ADVAPI32,
    "msvcrt.dll": MSVCRT,
}

# By the name the import table gives each DLL, compared without case.
EXPORTED = {dll: ALLOWED[dll] | frozenset(added.split()) for dll, added in ADDED.items()}
