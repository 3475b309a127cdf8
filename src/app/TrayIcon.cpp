#include "app/TrayIcon.h"

namespace cw {

bool TrayIcon::Add(WindowHandle window, std::uintptr_t icon, const std::string& caption) {
    record_.window = window;
    record_.id = kTrayIconId;
    record_.flags = kNifMessage | kNifIcon | kNifTip;
    record_.callbackMessage = kTrayCallbackMessage;
    record_.icon = icon;
    record_.tip = caption.substr(0, kTrayTipField);
    record_.tip.resize(kTrayTipField, ' ');
    wanted_ = true;
    shown_ = tray_.Add(record_);
    return shown_;
}

void TrayIcon::Remove() {
    wanted_ = shown_ = false;
    if (record_.window != 0) tray_.Delete(record_);
}

void TrayIcon::TaskbarCreated() {
    if (wanted_) shown_ = tray_.Add(record_);
}

}  // namespace cw
