#pragma once
// Where a window's view puts one control: client-area pixels for the 8-point dialog font at
// 96 DPI. The control's ID, by which the GUI driver finds it, is in app/ControlIds.h.

#include <string_view>

namespace cw {

struct ControlPlacement {
    std::string_view name;
    int x, y, width, height;  // for a drop-down list, height is the closed height
};

}  // namespace cw
