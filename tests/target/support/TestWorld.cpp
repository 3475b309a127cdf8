#include "support/TestWorld.h"

#include <windows.h>
#include <shlwapi.h>
#include <wininet.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "platform/win32/Handles.h"
#include "text/Convert.h"

namespace cw::testing {

namespace {

void DeleteTree(const std::string& path) {
    WIN32_FIND_DATAA data;
    win32::FindHandle find(FindFirstFileA((path + "\\*").c_str(), &data));
    if (find) {
        do {
            std::string name = data.cFileName;
            if (name == "." || name == "..") continue;
            std::string child = path + "\\" + name;
            SetFileAttributesA(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (data.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;  // never follow
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                DeleteTree(child);
            } else {
                DeleteFileA(child.c_str());
            }
        } while (FindNextFileA(find.get(), &data));
    }
    RemoveDirectoryA(path.c_str());
}

}  // namespace

std::string TestServer::BaseUrl() {
    const char* port = std::getenv("CW_TEST_HTTP_PORT");
    return std::string("http://127.0.0.1:") + (port ? port : "18321");
}

std::string TestServer::Get(const std::string& pathAndQuery) {
    win32::InternetHandle session(
        InternetOpenA("ClearwellTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!session) return "";
    const DWORD flags =
        INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_CACHE_WRITE | INTERNET_FLAG_PRAGMA_NOCACHE;
    win32::InternetHandle url(
        InternetOpenUrlA(session.get(), (BaseUrl() + pathAndQuery).c_str(), nullptr, 0, flags, 0));
    if (!url) return "";
    std::string body;
    char buffer[8192];
    DWORD read = 0;
    while (InternetReadFile(url.get(), buffer, sizeof buffer, &read) && read > 0)
        body.append(buffer, read);
    return body;
}

std::string TestServer::Control(const std::string& command, const Arguments& arguments,
                                const std::string& encoded) {
    std::string query;
    for (const auto& [name, value] : arguments)
        query += (query.empty() ? "?" : "&") + name + "=" + text::PercentEncode(value);
    if (!encoded.empty()) query += "&" + encoded;
    return Get("/__control/" + command + query);
}

std::vector<std::string> TestServer::Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string TestServer::Signature(const std::string& windowsPath, const std::string& key) {
    return Control("sign", {{"path", UnixPath(windowsPath)}, {"key", key}});
}

std::string UnixPath(const std::string& windowsPath) {
    using Fn = char*(CDECL*)(LPCWSTR);
    static Fn toUnix = win32::LookupProc<Fn>("kernel32.dll", "wine_get_unix_file_name");
    if (!toUnix) return "";
    std::wstring wide(windowsPath.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, windowsPath.c_str(), -1, wide.data(),
                                static_cast<int>(wide.size()));
    if (n <= 0) return "";
    char* unix = toUnix(wide.c_str());
    if (!unix) return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

std::string OutsideFolder(const std::string& name) {
    const char* dir = std::getenv("CW_WINE_DIR");
    std::string path = std::string(dir ? dir : "/tmp") + "/outside/" + name;
    TestServer::MakeUnixFolder(path);
    return path;
}

std::string MakeScratchFolder(const std::string& name) {
    CreateDirectoryA("C:\\cwtest", nullptr);
    CreateDirectoryA("C:\\cwtest\\scratch", nullptr);
    std::string path = "C:\\cwtest\\scratch\\" + name;
    DeleteTree(path);
    CreateDirectoryA(path.c_str(), nullptr);
    return path;
}

void DeleteKeyTree(RootKey root, const std::string& subkey) {
    SHDeleteKeyA(reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(root)), subkey.c_str());
}

void WriteFile(const std::string& path, const std::string& content) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << content;
}

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

bool PathExists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

void LetWineSetUpTheDisplay() {
    HWND window = CreateWindowExA(0, "STATIC", "warm-up", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                  nullptr, nullptr, nullptr, nullptr);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&msg);
    if (window) DestroyWindow(window);
}

void PumpMessages(unsigned long maxMs, const std::function<bool()>& done) {
    const DWORD start = GetTickCount();
    while (!done() && GetTickCount() - start < maxMs) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
            if (done()) break;
        }
    }
}

}  // namespace cw::testing
