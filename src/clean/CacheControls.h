#pragma once
// The cache manager on the "IE Cache" page.

#include "ui/Controls.h"

namespace cw {

struct CacheControls {
    ui::Frame fraCache{"fraCache", "Internet Explorer Cache Managment"};
    ui::ListBox lstCache{"lstCache"};
    ui::Label lblCacheFiles{"lblCacheFiles"};
    ui::Button cmdGetCache{"cmdGetCache", "Get Cache"};
    ui::Button cmdDeleteSelected{"cmdDeleteSelected", "Delete Selected"};
    ui::Button cmdDeleteAllCache{"cmdDeleteAllCache", "Delete All"};
    ui::Button cmdDeleteCookies{"cmdDeleteCookies", "Delete Cookies"};
};

}  // namespace cw
