#pragma once

// Texts of the wizard itself; the features' own texts are in the catalog.

inline constexpr char kMutexName[] = "IE_Kelvara";

inline constexpr char kPlatformRefusal[] = "「IE Kelvara」は 32ビット Windows専用です。\nセットアップを終了します。\n";
