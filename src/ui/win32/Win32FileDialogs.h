#pragma once
// The shell's Open dialog and folder browser as the program shows them; the Win32 Dialogs
// implementation calls these.

#include <windows.h>

#include <cstddef>
#include <string>

#include "ui/Dialogs.h"

namespace cw::win32 {

// GetOpenFileNameA, explorer style with multiple selection, filter "All Files|*.*", a
// file-name buffer of bufferChars characters and no initial name; a choice that does not
// fit brings the dialog back with a larger buffer. Returns what ui::Dialogs::OpenFiles
// documents: the full path of a single file, or the folder, a NUL and the names separated
// by NULs; empty when cancelled.
std::string ShowOpenFilesDialog(HWND owner, std::size_t bufferChars);

// The dialog's buffer (the full path, or the folder and names, each ended by a NUL, a second
// NUL after the last) as that text.
std::string OpenFilesResultFromBuffer(const char* buffer, std::size_t size);

// SHBrowseForFolderA rooted at root (none is the desktop; a number is a special folder; a
// path is parsed by the desktop folder, or, when that fails, turned into a simple item list
// by the shell's SHSimpleIDListFromPath, exported by ordinal 162 only) with
// initialSelection selected when it opens (none selects the root). Returns the chosen
// folder's path, or empty when cancelled or when the item has no path.
std::string ShowFolderBrowser(HWND owner, const std::string& title, const ui::FolderRef& root,
                              const ui::FolderRef& initialSelection);

}  // namespace cw::win32
