#pragma once

// Shared by the resource script and the program, so each text is written once.
#define KELVARA_WIZARD_TITLE "IE Kelvara for Win32 Version 1.80 セットアップ"
#define KELVARA_MESSAGE_CAPTION "IE Kelvara セットアップ"
#define KELVARA_PRODUCT_NAME "IE Kelvara for Win32"
#define KELVARA_FILE_DESCRIPTION "IE Kelvara for Win32 ver 1.80"
#define KELVARA_VERSION_TEXT "1, 8, 0, 0"
