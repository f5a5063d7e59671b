@echo off
rem The IE Kelvara test kit for Windows. Runs each test program in turn and
rem ends with a one-line verdict: exit code 0 when every program passed, 1
rem otherwise. The programs run the wizard inside their own process, with the
rem registry roots redirected to scratch keys under
rem HKEY_CURRENT_USER\Software\KelvaraTests that they make and remove again;
rem nothing else in the registry changes.
setlocal
cd /d "%~dp0"

rem The wizard's texts and key names are Shift-JIS: under any other ANSI code
rem page the tests would only compare mangled text.
codepage.exe
if errorlevel 1 goto wrongCodePage

rem The programs make their scratch keys under this key and remove them, but
rem not the key itself: it goes again when this run made it.
set scratchRoot=HKCU\Software\KelvaraTests
set madeScratchRoot=yes
reg query %scratchRoot% >nul 2>&1
if not errorlevel 1 set madeScratchRoot=

set programs=0
set failed=
call :run platform_tests
call :run app_tests
if defined madeScratchRoot reg delete %scratchRoot% /f >nul 2>&1
if defined failed goto failed
echo IE Kelvara tests: all %programs% programs passed
exit /b 0

:run
set /a programs+=1
echo.
echo === %1.exe
rem GoogleTest writes its report only once every test has run: without it the
rem program died on the way, whatever its exit code says.
set report=%TEMP%\%1-report.xml
if exist "%report%" del "%report%"
%1.exe --gtest_brief=1 --gtest_output=xml:"%report%"
if errorlevel 1 (set failed=%failed% %1.exe) else if not exist "%report%" set failed=%failed% %1.exe
if exist "%report%" del "%report%"
goto :eof

:failed
echo IE Kelvara tests: FAILED:%failed%
exit /b 1

:wrongCodePage
echo IE Kelvara tests: NOT RUN: the ANSI code page is not 932; set the language for non-Unicode programs to Japanese and restart Windows
exit /b 1
