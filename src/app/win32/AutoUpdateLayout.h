#pragma once
// Where the view puts each control of the update window (frmAutoUpdate): the picture beside
// the explanation, the progress list below, the two buttons under it, the status bar along
// the bottom edge.

#include <array>

#include "ui/ControlPlacement.h"

namespace cw::update {

inline constexpr int kAutoUpdateClientWidth = 400;
inline constexpr int kAutoUpdateClientHeight = 286;
// The progress list shows small icons; ImageList1 holds two of this size.
inline constexpr int kAutoUpdateImageSize = 16;

inline constexpr std::array<ControlPlacement, 6> kAutoUpdateLayout{{
    {"imgCatchUp", 12, 12, 32, 32},
    {"Label1", 56, 12, 332, 56},
    {"ListView1", 12, 76, 376, 146},
    {"cmdProceed", 220, 232, 80, 23},
    {"cmdCancel", 308, 232, 80, 23},
    {"StatusBar1", 0, 266, 400, 20},
}};

}  // namespace cw::update
