#pragma once
// The target build's contract world, with the members tests/host/FakeWorld.h describes: the
// Win32 implementations in the isolated Wine prefix of the test run (real files and folders,
// the registry, WinINet and the local test server, real windows of this process and this
// thread's message queue).

#include <windows.h>

#include <vector>

#include "BuildConfig.h"
#include "demo/UrlCacheSeeding.h"
#include "platform/win32/Handles.h"
#include "platform/win32/Win32ChangeWatch.h"
#include "platform/win32/Win32Clock.h"
#include "platform/win32/Win32Desktop.h"
#include "platform/win32/Win32FileSystem.h"
#include "platform/win32/Win32Internet.h"
#include "platform/win32/Win32MessageWait.h"
#include "platform/win32/Win32NotifyIcon.h"
#include "platform/win32/Win32OsVersion.h"
#include "platform/win32/Win32Registry.h"
#include "platform/win32/Win32SignatureCheck.h"
#include "platform/win32/Win32SystemFolders.h"
#include "platform/win32/Win32SystemInfo.h"
#include "platform/win32/Win32Transfer.h"
#include "platform/win32/Win32UrlCache.h"
#include "support/TestWorld.h"

namespace cw::contract {

class World {
  public:
    ~World() {
        for (HWND w : windows_) {
            if (IsWindow(w)) DestroyWindow(w);
        }
        if (!windows_.empty()) Settle(100);
        if (cacheUsed_) demo::ClearUrlCache();
    }

    FileSystem& fs() { return fs_; }
    SystemFolders& folders() { return folders_; }
    ChangeWatch& watch() { return watch_; }
    std::string Root(const std::string& name) { return testing::MakeScratchFolder(name); }
    void HoldOpen(const std::string& path) {
        held_.emplace_back(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
    }
    void ReleaseAll() { held_.clear(); }
    void MakeOutsideLink(const std::string& linkPath, const std::string& outside,
                         const std::vector<std::string>& files) {
        std::string target = testing::OutsideFolder(outside);
        for (const auto& f : files)
            testing::TestServer::WriteUnixFile(target + "/" + f, "kept");
        Symlink(linkPath, target);
    }
    void MakeOutsideFileLink(const std::string& linkPath, const std::string& outside,
                             const std::string& name, bool exists = true) {
        std::string target = testing::OutsideFolder(outside) + "/" + name;
        if (exists) testing::TestServer::WriteUnixFile(target, "kept");
        Symlink(linkPath, target);
    }
    std::vector<std::string> OutsideNames(const std::string& outside) {
        return testing::TestServer::ListUnixFolder(testing::OutsideFolder(outside));
    }
    void Settle(int ms) { testing::PumpMessages(static_cast<unsigned long>(ms)); }

    Registry& registry() { return registry_; }
    std::string Key(const std::string& name) {
        const std::string key = "Software\\ClearwellTest\\" + name;
        testing::DeleteKeyTree(kHkeyCurrentUser, key);
        win32::RegKey created;
        RegCreateKeyExA(HKEY_CURRENT_USER, key.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        created.put(), nullptr);
        return key;
    }

    void Serve(const std::string& path, const ScriptedResponse& r) {
        if (!served_) testing::TestServer::Reset();  // no route of an earlier test is left
        served_ = true;
        static const char kDigits[] = "0123456789abcdef";
        std::string params = "status=" + std::to_string(r.status) + "&hex=";
        for (unsigned char c : r.body) {
            params += kDigits[c >> 4];
            params += kDigits[c & 15];
        }
        if (r.trickleMs) params += "&trickle=" + std::to_string(r.trickleMs);
        testing::TestServer::Route(path, params);
    }
    std::string Url(const std::string& path) { return testing::TestServer::BaseUrl() + path; }
    std::string UnreachableUrl() { return "http://127.0.0.1:1/"; }
    Transfer& transfer() { return transfer_; }
    Internet& internet() { return internet_; }

    // The index is emptied before its first use and again at the end.
    UrlCache& Cache() {
        if (!cacheUsed_) {
            demo::RestoreCacheFolders();
            demo::ClearUrlCache();
        }
        cacheUsed_ = true;
        return cache_;
    }
    void Seed(const std::string& url, std::uint32_t type) {
        Cache();
        // A page has its copy on disk; a visit is an entry of the index only.
        bool page = !(type & kUrlHistoryCacheEntry);
        demo::SeedUrlCacheEntry(url, type, page ? "seeded " + url.substr(0, 40) : "");
    }

    Desktop& desktop() { return desktop_; }
    NotifyIcon& notifyIcon() { return tray_; }
    WindowHandle Open(const std::string& className, const std::string& title) {
        HINSTANCE instance = GetModuleHandleA(nullptr);
        WNDCLASSA wc = {};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = instance;
        wc.lpszClassName = className.c_str();
        RegisterClassA(&wc);  // fails harmlessly when an earlier window registered it
        int offset = static_cast<int>(windows_.size()) * 20;
        HWND w = CreateWindowExA(0, className.c_str(), title.c_str(),
                                 WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100 + offset, 100 + offset, 300,
                                 200, nullptr, nullptr, instance, nullptr);
        windows_.push_back(w);
        Settle(100);
        return reinterpret_cast<WindowHandle>(w);
    }

    Clock& clock() { return clock_; }
    MessageWait& wait() { return wait_; }
    OsVersion& os() { return os_; }
    SystemInfo& info() { return info_; }
    void PostMessageToSelf() { PostThreadMessageA(GetCurrentThreadId(), WM_APP, 0, 0); }
    void DrainMessages() {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }

    // CryptoAPI with the test build's key; the signatures are made by openssl on the test
    // server's side, with the tests' key pairs (tests/keys).
    SignatureCheck& check() { return check_; }
    std::string Sign(const std::string& content, bool otherKey = false) {
        const std::string file = testing::MakeScratchFolder("signature") + "\\signed.bin";
        testing::WriteFile(file, content);
        return testing::TestServer::Signature(file, otherKey ? "other" : "test");
    }

  private:
    static void Symlink(const std::string& linkPath, const std::string& unixTarget) {
        std::size_t cut = linkPath.rfind('\\');
        testing::TestServer::Symlink(
            testing::UnixPath(linkPath.substr(0, cut)) + "/" + linkPath.substr(cut + 1),
            unixTarget);
    }

    bool served_ = false;
    bool cacheUsed_ = false;
    win32::Win32FileSystem fs_;
    win32::Win32SystemFolders folders_;
    win32::Win32ChangeWatch watch_;
    std::vector<win32::FileHandle> held_;
    win32::Win32Registry registry_;
    win32::Win32Transfer transfer_{"ClearwellTest"};
    win32::Win32Internet internet_;
    win32::Win32UrlCache cache_;
    win32::Win32Desktop desktop_;
    win32::Win32NotifyIcon tray_;
    std::vector<HWND> windows_;
    win32::Win32Clock clock_;
    win32::Win32MessageWait wait_;
    win32::Win32OsVersion os_;
    win32::Win32SystemInfo info_;
    win32::Win32SignatureCheck check_{
        std::string(std::begin(build::kUpdatePublicKey), std::end(build::kUpdatePublicKey))};
};

}  // namespace cw::contract
