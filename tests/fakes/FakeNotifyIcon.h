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
        ++adds;
        if (refuses || Find(data)) return false;
        icons.push_back(data);
        return true;
    }
    bool Delete(const NotifyIconData& data) override {
        ++deletes;
        auto it = std::find_if(icons.begin(), icons.end(), [&](const NotifyIconData& icon) {
            return icon.window == data.window && icon.id == data.id;
        });
        if (it == icons.end()) return false;
        icons.erase(it);
        return true;
    }
    const NotifyIconData* Find(const NotifyIconData& data) const {
        for (const auto& icon : icons) {
            if (icon.window == data.window && icon.id == data.id) return &icon;
        }
        return nullptr;
    }

    std::vector<NotifyIconData> icons;  // what the tray shows now
    int adds = 0;
    bool refuses = false;  // as a shell that is not ready (Explorer starting) does
    int deletes = 0;
};

}  // namespace cw::fakes
