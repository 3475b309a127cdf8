#pragma once
// Where the view puts each control of the analysis window: the table of items, under it what
// is being read, the progress bar and Close. In tab order.

#include <array>

#include "ui/ControlPlacement.h"

namespace cw {

inline constexpr int kAnalysisClientWidth = 420;
inline constexpr int kAnalysisClientHeight = 300;

inline constexpr std::array<ControlPlacement, 4> kAnalysisLayout{{
    {"lvwAnalysis", 12, 12, 396, 224},
    {"lblStatus", 12, 244, 396, 16},
    {"prgAnalysis", 12, 268, 288, 18},
    {"cmdClose", 316, 264, 92, 24},
}};

}  // namespace cw
