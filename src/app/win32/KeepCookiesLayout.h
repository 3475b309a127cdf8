#pragma once
// Where the view puts each control of the window of the cookies to keep: the list of domains
// with "Remove" beside it, the field for a new domain with "Add" beside it, and Close at the
// bottom right. In tab order.

#include <array>

#include "ui/ControlPlacement.h"

namespace cw {

inline constexpr int kKeepCookiesClientWidth = 360;
inline constexpr int kKeepCookiesClientHeight = 294;

inline constexpr std::array<ControlPlacement, 7> kKeepCookiesLayout{{
    {"lblDomains", 12, 10, 336, 28},
    {"lstDomains", 12, 42, 236, 150},
    {"cmdRemove", 256, 42, 92, 24},
    {"lblDomain", 12, 204, 236, 16},
    {"txtDomain", 12, 222, 236, 22},
    {"cmdAdd", 256, 221, 92, 24},
    {"cmdClose", 256, 258, 92, 24},
}};

}  // namespace cw
