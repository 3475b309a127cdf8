#include "platform/win32/Win32NotifyIcon.h"

#include <windows.h>

#include <shellapi.h>

#include <cstring>

namespace cw::win32 {

namespace {

// The first layout of the record (88 bytes), which every shell version accepts.
NOTIFYICONDATAA Record(const NotifyIconData& data) {
    NOTIFYICONDATAA nid = {};
    nid.cbSize = NOTIFYICONDATAA_V1_SIZE;
    nid.hWnd = reinterpret_cast<HWND>(data.window);
    nid.uID = data.id;
    nid.uFlags = data.flags;
    nid.uCallbackMessage = data.callbackMessage;
    nid.hIcon = reinterpret_cast<HICON>(data.icon);
    std::size_t n = data.tip.size() < 63 ? data.tip.size() : 63;
    std::memcpy(nid.szTip, data.tip.data(), n);
    nid.szTip[n] = '\0';
    return nid;
}

}  // namespace

bool Win32NotifyIcon::Add(const NotifyIconData& data) {
    NOTIFYICONDATAA nid = Record(data);
    return Shell_NotifyIconA(NIM_ADD, &nid) != FALSE;
}

bool Win32NotifyIcon::Delete(const NotifyIconData& data) {
    NOTIFYICONDATAA nid = Record(data);
    return Shell_NotifyIconA(NIM_DELETE, &nid) != FALSE;
}

}  // namespace cw::win32
