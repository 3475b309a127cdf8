#pragma once
// Where the view puts each control of the About window (frmAbout): the program's icon beside
// the description, the maker's address under it, a line, and the two buttons at the bottom
// right. In tab order.

#include <array>

#include "ui/ControlPlacement.h"

namespace cw {

inline constexpr int kAboutClientWidth = 420;
inline constexpr int kAboutClientHeight = 276;

inline constexpr std::array<ControlPlacement, 6> kAboutLayout{{
    {"Image1", 12, 12, 32, 32},
    {"Text1", 56, 12, 352, 160},
    {"Label5", 56, 182, 352, 16},
    {"linSeparator", 12, 204, 396, 2},
    {"cmdOK", 316, 214, 92, 24},
    {"cmdSysInfo", 316, 244, 92, 24},
}};

}  // namespace cw
