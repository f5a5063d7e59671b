#pragma once

// Every control gets this face at a 12-pixel cell height rather than the
// dialog template's font.
inline constexpr int kControlFontHeight = 12;
inline constexpr char kControlFontFace[] = "ＭＳ Ｐゴシック";
