#include "app/TrayIcon.h"

namespace cw {

void TrayIcon::Add(WindowHandle window, std::uintptr_t icon, const std::string& caption) {
    record_.window = window;
    record_.id = kTrayIconId;
    record_.flags = kNifMessage | kNifIcon | kNifTip;
    record_.callbackMessage = kTrayCallbackMessage;
    record_.icon = icon;
    record_.tip = caption.substr(0, kTrayTipField);
    record_.tip.resize(kTrayTipField, ' ');
    tray_.Add(record_);
}

void TrayIcon::Remove() {
    if (record_.window != 0) tray_.Delete(record_);
}

}  // namespace cw
