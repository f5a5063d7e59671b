"""What setup.exe may import: the functions that Windows 98 and Windows NT 4.0
both export, per DLL, written from the documentation of those systems rather
than from any build's import table. A call that only later Windows has fails
the release check here instead of on a user's machine.

Left out on purpose, though a DLL of that name exports them somewhere: what
only one of the two systems really implements (the 95 family exports many NT
calls as stubs that fail, for example the security and service calls of
ADVAPI32), and every wide-character call of USER32 and GDI32, which the 95
family mostly lacks.
"""

# The Win32 API reference of the Platform SDK (1998 to 2001 editions), whose
# "Requirements" name Windows 95 and Windows NT 3.1 or 3.5 for every call of
# this group. Left out as later: GetTickCount64 (Vista), GetFileSizeEx,
# GetModuleHandleExA and the job objects (2000, XP), TryEnterCriticalSection
# (NT 4.0 only: a stub on the 95 family), the toolhelp snapshot calls (95
# family only until 2000).
KERNEL32 = """
    AreFileApisANSI Beep CloseHandle CompareFileTime CompareStringA CopyFileA
    CreateDirectoryA CreateEventA CreateFileA CreateFileMappingA CreateMutexA
    CreateProcessA CreateSemaphoreA CreateThread DeleteCriticalSection
    DeleteFileA DosDateTimeToFileTime DuplicateHandle EnterCriticalSection
    ExitProcess ExitThread ExpandEnvironmentStringsA FileTimeToLocalFileTime
    FileTimeToSystemTime FindClose FindFirstFileA FindNextFileA FindResourceA
    FlushFileBuffers FormatMessageA FreeEnvironmentStringsA FreeLibrary
    GetACP GetCommandLineA GetCPInfo GetCurrentDirectoryA GetCurrentProcess
    GetCurrentProcessId GetCurrentThread GetCurrentThreadId
    GetDiskFreeSpaceA GetDriveTypeA GetEnvironmentStrings
    GetEnvironmentVariableA GetExitCodeProcess GetExitCodeThread
    GetFileAttributesA GetFileSize GetFileTime GetFileType GetFullPathNameA
    GetLastError GetLocalTime GetLocaleInfoA GetLogicalDrives
    GetModuleFileNameA GetModuleHandleA GetOEMCP GetPrivateProfileStringA
    GetProcAddress GetProcessHeap GetShortPathNameA GetStartupInfoA
    GetStdHandle GetSystemDirectoryA GetSystemInfo GetSystemTime
    GetSystemTimeAsFileTime GetTempFileNameA GetTempPathA GetTickCount
    GetTimeZoneInformation GetUserDefaultLCID GetVersion GetVersionExA
    GetVolumeInformationA GetWindowsDirectoryA GlobalAlloc GlobalFree
    GlobalLock GlobalMemoryStatus GlobalUnlock HeapAlloc HeapCreate
    HeapDestroy HeapFree HeapReAlloc HeapSize InitializeCriticalSection
    InterlockedDecrement InterlockedExchange InterlockedIncrement
    IsBadReadPtr IsBadWritePtr IsDBCSLeadByte IsDBCSLeadByteEx LCMapStringA
    LeaveCriticalSection LoadLibraryA LoadLibraryExA LoadResource LocalAlloc
    LocalFileTimeToFileTime LocalFree LockResource MapViewOfFile MoveFileA
    MulDiv MultiByteToWideChar OpenEventA OpenMutexA OpenProcess
    OutputDebugStringA QueryPerformanceCounter QueryPerformanceFrequency
    RaiseException ReadFile ReleaseMutex ReleaseSemaphore RemoveDirectoryA
    ResetEvent ResumeThread RtlUnwind SetConsoleCtrlHandler
    SetCurrentDirectoryA SetEndOfFile SetEnvironmentVariableA SetErrorMode
    SetEvent SetFileAttributesA SetFilePointer SetFileTime SetHandleCount
    SetLastError SetStdHandle SetUnhandledExceptionFilter SizeofResource
    Sleep SystemTimeToFileTime TerminateProcess TlsAlloc TlsFree TlsGetValue
    TlsSetValue UnhandledExceptionFilter UnmapViewOfFile VirtualAlloc
    VirtualFree VirtualProtect VirtualQuery WaitForMultipleObjects
    WaitForSingleObject WideCharToMultiByte WritePrivateProfileStringA
    WriteFile lstrcatA lstrcmpA lstrcmpiA lstrcpyA lstrcpynA lstrlenA
"""

# The same reference, window management and dialogs, every call of which it
# gives as present since Windows 95 and Windows NT 3.1 or 3.51. Left out as
# later: AllowSetForegroundWindow (98 and 2000, not NT 4.0),
# MonitorFromWindow and the other multi-monitor calls (98 and 2000),
# SetLayeredWindowAttributes (2000). SetClassLongPtrA and its kin are no
# exports of the 32-bit USER32 at all: the headers map them to SetClassLongA.
USER32 = """
    AdjustWindowRectEx AppendMenuA BeginPaint BringWindowToTop
    CallNextHookEx CallWindowProcA CharLowerA CharNextA CharPrevA CharUpperA
    CheckDlgButton CheckRadioButton ClientToScreen CopyRect CreateDialogParamA
    CreateIconFromResource CreateMenu CreatePopupMenu CreateWindowExA
    DefDlgProcA DefWindowProcA DestroyIcon DestroyMenu DestroyWindow
    DialogBoxParamA DispatchMessageA DrawFocusRect DrawIcon DrawTextA
    EnableMenuItem EnableWindow EndDialog EndPaint EnumChildWindows
    EnumWindows FillRect FindWindowA FindWindowExA GetActiveWindow
    GetClassLongA GetClassNameA GetClientRect GetCursorPos GetDC
    GetDesktopWindow GetDlgCtrlID GetDlgItem GetDlgItemInt GetDlgItemTextA
    GetFocus GetForegroundWindow GetKeyState GetMessageA GetNextDlgTabItem
    GetParent GetScrollInfo GetScrollPos GetScrollRange GetSysColor
    GetSysColorBrush GetSystemMetrics GetWindow GetWindowDC GetWindowLongA
    GetWindowRect GetWindowTextA GetWindowTextLengthA
    GetWindowThreadProcessId InflateRect InvalidateRect IsChild
    IsDialogMessageA IsDlgButtonChecked IsIconic IsWindow IsWindowEnabled
    IsWindowVisible KillTimer LoadBitmapA LoadCursorA LoadIconA LoadImageA
    LoadStringA MapDialogRect MapWindowPoints MessageBeep MessageBoxA
    MoveWindow OffsetRect PeekMessageA PostMessageA PostQuitMessage PtInRect
    RedrawWindow RegisterClassA RegisterClassExA RegisterWindowMessageA
    ReleaseCapture ReleaseDC ScreenToClient ScrollWindowEx
    SendDlgItemMessageA SendMessageA SetActiveWindow SetCapture
    SetClassLongA SetCursor SetDlgItemInt SetDlgItemTextA SetFocus
    SetForegroundWindow SetRect SetScrollInfo SetScrollPos SetScrollRange
    SetTimer SetWindowLongA SetWindowPos SetWindowTextA SetWindowsHookExA
    ShowWindow SystemParametersInfoA TrackPopupMenu TranslateMessage
    UnhookWindowsHookEx UnregisterClassA UpdateWindow WaitForInputIdle
    WindowFromPoint wsprintfA wvsprintfA
"""

# The same reference, fonts and drawing, all present since Windows 95 and
# Windows NT 3.1. Left out as later: GetDCBrushColor and SetDCBrushColor
# (2000), AddFontResourceExA (2000), GdiAlphaBlend (XP).
GDI32 = """
    BitBlt CreateBrushIndirect CreateCompatibleBitmap CreateCompatibleDC
    CreateDIBSection CreateFontA CreateFontIndirectA CreatePen
    CreateRectRgn CreateSolidBrush DeleteDC DeleteObject
    EnumFontFamiliesExA ExtTextOutA GetCurrentObject GetDeviceCaps GetDIBits
    GetObjectA GetPixel GetStockObject GetTextColor GetTextExtentPoint32A
    GetTextFaceA GetTextMetricsA IntersectClipRect LineTo MoveToEx PatBlt
    Rectangle RestoreDC SaveDC SelectClipRgn SelectObject SetBkColor
    SetBkMode SetDIBits SetMapMode SetPixel SetTextAlign SetTextColor
    StretchBlt TextOutA
"""

# The same reference, registry: the ANSI registry calls present since
# Windows 95 and Windows NT 3.1, plus GetUserNameA. Left out as later:
# RegOverridePredefKey and RegOpenCurrentUser (2000), RegDeleteTreeA,
# RegGetValueA and RegDeleteKeyExA (Vista, XP x64); and the security calls,
# which the 95 family exports only as failing stubs.
ADVAPI32 = """
    GetUserNameA RegCloseKey RegConnectRegistryA RegCreateKeyA
    RegCreateKeyExA RegDeleteKeyA RegDeleteValueA RegEnumKeyA RegEnumKeyExA
    RegEnumValueA RegFlushKey RegLoadKeyA RegOpenKeyA RegOpenKeyExA
    RegQueryInfoKeyA RegQueryMultipleValuesA RegQueryValueA RegQueryValueExA
    RegSaveKeyA RegSetValueA RegSetValueExA RegUnLoadKeyA
"""

# The C run-time library reference of Visual C++ 4.2 to 6.0, whose shared
# runtime msvcrt.dll is the one Windows NT 4.0 carries (its msvcrt40.dll only
# forwards to it) and Windows 98 carries too (Knowledge Base Q156976; the
# first Windows 95 releases lack it, see the README's requirements). First
# the ISO C library of 1990, then the run-time's own entry points that the
# startup code of a program linked to that DLL calls, as the reference lists
# them among the internal CRT functions and globals. Left out as later:
# __iob_func and ___lc_codepage_func (msvcrt.dll of XP), _vscprintf and
# _aligned_malloc (XP), _fseeki64 and _set_invalid_parameter_handler (Vista),
# and the C99 additions (strtoull, llabs, ...), which none of these has.
MSVCRT = """
    abort abs asctime atexit atof atoi atol bsearch calloc clearerr clock
    ctime difftime div exit fclose feof ferror fflush fgetc fgetpos fgets
    fopen fprintf fputc fputs fread free freopen fscanf fseek fsetpos ftell
    fwrite getc getchar getenv gmtime isalnum isalpha iscntrl isdigit
    isgraph islower isprint ispunct isspace isupper isxdigit labs ldiv
    localeconv localtime longjmp malloc mblen mbstowcs mbtowc memchr memcmp
    memcpy memmove memset mktime perror printf putc putchar puts qsort raise
    rand realloc remove rename rewind scanf setbuf setlocale setvbuf signal
    sprintf srand sscanf strcat strchr strcmp strcoll strcpy strcspn
    strerror strftime strlen strncat strncmp strncpy strpbrk strrchr strspn
    strstr strtod strtok strtol strtoul strxfrm system time tmpfile tmpnam
    tolower toupper ungetc vfprintf vprintf vsprintf wcstombs wctomb

    _XcptFilter __getmainargs __initenv __mb_cur_max __p__acmdln
    __p__commode __p__fmode __set_app_type __setusermatherr _acmdln
    _amsg_exit _c_exit _cexit _commode _controlfp _environ _errno _exit
    _fileno _fmode _fpreset _initterm _iob _isctype _onexit _pctype
    _setjmp _setmode _snprintf _strdup _stricmp _strnicmp _vsnprintf
"""

# By the name the import table gives each DLL, compared without case.
ALLOWED = {
    "kernel32.dll": frozenset(KERNEL32.split()),
    "user32.dll": frozenset(USER32.split()),
    "gdi32.dll": frozenset(GDI32.split()),
    "advapi32.dll": frozenset(ADVAPI32.split()),
    "msvcrt.dll": frozenset(MSVCRT.split()),
}
