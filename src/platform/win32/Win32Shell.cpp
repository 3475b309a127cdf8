#include "platform/win32/Win32Shell.h"

#include <windows.h>
#include <shlobj.h>

#include "platform/win32/Handles.h"

namespace cw::win32 {

// Both Recycle Bin calls came with later shells than the first the program supports, so
// they are looked up at run time.
long Win32RecycleBin::Empty(WindowHandle owner, const std::string& root, std::uint32_t flags) {
    using Fn = HRESULT(WINAPI*)(HWND, LPCSTR, DWORD);
    static Fn empty = LookupProc<Fn>("shell32.dll", "SHEmptyRecycleBinA");
    if (!empty) return E_NOTIMPL;
    return empty(reinterpret_cast<HWND>(owner), root.empty() ? nullptr : root.c_str(), flags);
}

void Win32RecycleBin::UpdateIcon() {
    using Fn = void(WINAPI*)();
    static Fn update = LookupProc<Fn>("shell32.dll", "SHUpdateRecycleBinIcon");
    if (update) update();
}

void Win32RecentDocuments::Add(const std::string& path) {
    SHAddToRecentDocs(SHARD_PATHA, path.c_str());
}

void Win32RecentDocuments::Clear() {
    SHAddToRecentDocs(0, nullptr);
}

}  // namespace cw::win32
