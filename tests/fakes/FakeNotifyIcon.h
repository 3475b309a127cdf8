#pragma once
// A notification area that keeps the icons added to it, one per window and id, as the
// shell does.

#include <algorithm>
#include <vector>

#include "platform/NotifyIcon.h"

namespace cw::fakes {

class FakeNotifyIcon : public NotifyIcon {
  public:
    bool Add(const NotifyIconData& data) override {
        if (refuses || At(data) != icons.end()) return false;
        icons.push_back(data);
        return true;
    }
    bool Delete(const NotifyIconData& data) override {
        auto it = At(data);
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    }

    std::vector<NotifyIconData> icons;  // what the tray shows now
    bool refuses = false;               // as a shell that is not ready (Explorer starting) does

  private:
    std::vector<NotifyIconData>::iterator At(const NotifyIconData& data) {
        return std::find_if(icons.begin(), icons.end(), [&](const NotifyIconData& icon) {
            return icon.window == data.window && icon.id == data.id;
        });
    }
};

}  // namespace cw::fakes
