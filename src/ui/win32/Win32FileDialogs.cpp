#include "ui/win32/Win32FileDialogs.h"

#include <cderr.h>
#include <commdlg.h>
#include <shlobj.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/win32/Handles.h"

namespace cw::win32 {

namespace {

constexpr DWORD kOpenFlags = OFN_ALLOWMULTISELECT | OFN_EXPLORER;  // 0x80200
// The largest buffer the Open dialog is given when a selection did not fit.
constexpr std::size_t kMaxOpenFilesChars = std::size_t{1} << 22;
constexpr char kFilter[] = "All Files\0*.*\0";

// Item lists the shell allocated, freed with CoTaskMemFree.
struct ItemList {
    LPITEMIDLIST pidl = nullptr;
    ItemList() = default;
    explicit ItemList(LPITEMIDLIST p) : pidl(p) {}
    ItemList(ItemList&& other) noexcept : pidl(other.pidl) { other.pidl = nullptr; }
    ItemList& operator=(ItemList&&) = delete;
    ~ItemList() {
        if (pidl) CoTaskMemFree(pidl);
    }
};

std::wstring Wide(const std::string& text) {
    int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, nullptr, 0);
    if (n <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), n);
    return wide;
}

// The full item list of a path, as the desktop folder parses it.
ItemList ParsedItemList(const std::string& path) {
    IShellFolder* desktop = nullptr;
    if (FAILED(SHGetDesktopFolder(&desktop)) || !desktop) return {};
    std::wstring wide = Wide(path);
    LPITEMIDLIST pidl = nullptr;
    ULONG eaten = 0;
    HRESULT hr = wide.empty() ? E_FAIL
                              : desktop->ParseDisplayName(nullptr, nullptr, wide.data(), &eaten,
                                                          &pidl, nullptr);
    desktop->Release();
    return SUCCEEDED(hr) ? ItemList(pidl) : ItemList();
}

// The simple item list shell32 builds by ordinal 162 (SHSimpleIDListFromPath), also for a
// path that does not exist. It takes a Unicode path on Windows NT, an ANSI one on 9x.
ItemList SimpleItemList(const std::string& path) {
    using Fn = LPITEMIDLIST(WINAPI*)(LPCVOID);
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell) shell = LoadLibraryA("shell32.dll");
    if (!shell) return {};
    auto fromPath =
        reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(shell, MAKEINTRESOURCEA(162))));
    if (!fromPath) return {};
    if (GetVersion() & 0x80000000u) return ItemList(fromPath(path.c_str()));
    std::wstring wide = Wide(path);
    return wide.empty() ? ItemList() : ItemList(fromPath(wide.c_str()));
}

// A full item list where the path can be parsed: Wine's folder browser ignores a simple one
// as its root and as its selection. The simple one remains for what cannot be parsed.
ItemList ItemListFromPath(const std::string& path) {
    ItemList parsed = ParsedItemList(path);
    return parsed.pidl ? std::move(parsed) : SimpleItemList(path);
}

ItemList Resolve(HWND owner, const ui::FolderRef& ref) {
    if (ref.kind == ui::FolderRef::Kind::Path && !ref.path.empty()) {
        return ItemListFromPath(ref.path);
    }
    int csidl = ref.kind == ui::FolderRef::Kind::Csidl ? ref.csidl : CSIDL_DESKTOP;
    LPITEMIDLIST pidl = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &pidl))) return {};
    return ItemList(pidl);
}

int CALLBACK SelectInitialFolder(HWND dialog, UINT message, LPARAM, LPARAM data) {
    if (message == BFFM_INITIALIZED && data) {
        SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, data);
    }
    return 0;
}

}  // namespace

std::string OpenFilesResultFromBuffer(const char* buffer, std::size_t size) {
    // The text runs up to the first pair of NULs (or a NUL in the buffer's last place).
    std::size_t end = 0;
    while (end < size && !(buffer[end] == '\0' && (end + 1 >= size || buffer[end + 1] == '\0'))) {
        ++end;
    }
    return std::string(buffer, end);
}

std::string ShowOpenFilesDialog(HWND owner, std::size_t bufferChars) {
    // A selection too long for the buffer fails with FNERR_BUFFERTOOSMALL; the dialog then
    // comes again with a buffer large enough (its first two bytes hold the size needed,
    // which a 16-bit count can understate, so the buffer at least doubles).
    for (std::size_t size = std::max<std::size_t>(bufferChars, 2);; size *= 2) {
        std::vector<char> buffer(size + 2, '\0');
        OPENFILENAMEA ofn = {};
        ofn.lStructSize = OPENFILENAME_SIZE_VERSION_400A;  // understood by every Windows version
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = kFilter;
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = buffer.data();
        ofn.nMaxFile = static_cast<DWORD>(size);
        ofn.Flags = kOpenFlags;
        if (GetOpenFileNameA(&ofn)) return OpenFilesResultFromBuffer(buffer.data(), size);
        if (CommDlgExtendedError() != FNERR_BUFFERTOOSMALL || size >= kMaxOpenFilesChars) {
            return "";
        }
        auto needed = static_cast<std::size_t>(static_cast<unsigned char>(buffer[0]) |
                                               (static_cast<unsigned char>(buffer[1]) << 8));
        while (size * 2 < needed && size * 2 < kMaxOpenFilesChars)
            size *= 2;
    }
}

std::string ShowFolderBrowser(HWND owner, const std::string& title, const ui::FolderRef& root,
                              const ui::FolderRef& initialSelection) {
    ItemList rootList = Resolve(owner, root);
    // Without an initial selection the root is selected; its list is borrowed, not copied.
    ItemList initialList = initialSelection.kind != ui::FolderRef::Kind::None
                               ? Resolve(owner, initialSelection)
                               : ItemList();
    LPITEMIDLIST selected = initialList.pidl ? initialList.pidl : rootList.pidl;

    BROWSEINFOA info = {};
    info.hwndOwner = owner;
    info.pidlRoot = rootList.pidl;
    info.pszDisplayName = nullptr;
    info.lpszTitle = title.c_str();
    info.ulFlags = 0;
    info.lpfn = &SelectInitialFolder;
    info.lParam = reinterpret_cast<LPARAM>(selected);
    ItemList chosen(SHBrowseForFolderA(&info));
    if (!chosen.pidl) return "";
    std::vector<char> path(1024, '\0');
    if (!SHGetPathFromIDListA(chosen.pidl, path.data())) return "";
    return std::string(path.data());
}

}  // namespace cw::win32
