#pragma once

// Ids of the wizard's own controls; the features' ids are in the catalog.
// Next and Cancel are the system's IDOK and IDCANCEL, so Enter, Escape and the
// close box reach them as for any dialog.
inline constexpr int kNextButtonId = 1;
inline constexpr int kCancelButtonId = 2;
inline constexpr int kBackButtonId = 3;
inline constexpr int kPanelScrollBarId = 106;
inline constexpr int kSeparatorLineId = 1001;
inline constexpr int kWelcomeText1Id = 1002;
inline constexpr int kWelcomeText2Id = 1003;
inline constexpr int kWelcomeText3Id = 1004;
inline constexpr int kFeaturesText1Id = 1005;
inline constexpr int kFeaturesText2Id = 1006;
inline constexpr int kCategoryFrameId = 1007;
inline constexpr int kCategoryComboId = 1008;
inline constexpr int kEditorPathEditId = 1029;
inline constexpr int kEditorBrowseButtonId = 1030;
inline constexpr int kUpgradeTextId = 1031;
