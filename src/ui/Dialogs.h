#pragma once
// Message boxes, common dialogs and "let pending messages through": the parts of the user
// interface a routine asks for in the middle of its work. Tests script them.

#include <string>

namespace cw::ui {

// Message box buttons and icons, combined by addition as the program has always done.
inline constexpr int vbOKOnly = 0;
inline constexpr int vbOKCancel = 1;
inline constexpr int vbYesNo = 4;
inline constexpr int vbCritical = 16;
inline constexpr int vbQuestion = 32;
inline constexpr int vbExclamation = 48;
inline constexpr int vbInformation = 64;

// Answers.
inline constexpr int vbOK = 1;
inline constexpr int vbCancel = 2;
inline constexpr int vbYes = 6;
inline constexpr int vbNo = 7;

// The application's title, used where a message box names no other.
inline constexpr const char kAppTitle[] = "Clearwell";

// The root or initial selection of the folder browser: a special-folder number or a path.
struct FolderRef {
    enum class Kind { None, Csidl, Path } kind = Kind::None;
    int csidl = 0;
    std::string path;

    static FolderRef None() { return {}; }
    static FolderRef Csidl(int n) { return {Kind::Csidl, n, {}}; }
    static FolderRef Path(std::string p) { return {Kind::Path, 0, std::move(p)}; }
};

class Dialogs {
  public:
    virtual ~Dialogs() = default;
    // Returns the answer (vbOK, vbYes, vbNo, ...).
    virtual int MsgBox(const std::string& prompt, int buttons = vbOKOnly,
                       const std::string& title = kAppTitle) = 0;
    // The Open dialog (explorer style, multiple selection, filter "All Files|*.*"). Returns
    // the dialog's result text as the platform gives it: one full path for a single file;
    // for several, the folder, a NUL, then each name followed by a NUL except the last.
    // Empty when cancelled.
    virtual std::string OpenFiles(std::size_t bufferChars) = 0;
    // The shell's folder browser; the chosen folder's path, or empty when cancelled or when
    // the chosen item has no file-system path.
    virtual std::string BrowseForFolder(const std::string& title, const FolderRef& root,
                                        const FolderRef& initialSelection) = 0;
    // Lets the pending window messages be handled (timers, clicks, repaints).
    virtual void DoEvents() = 0;
    // Hourglass over the main window while a long action runs.
    virtual void SetWaitCursor(bool wait) = 0;
};

}  // namespace cw::ui
