#pragma once
// The file shredder of the "Shredder" page. The user collects paths in the shred list
// (colFiles, shown line for line in lstFiles) through the Open dialog or by dropping them on
// the list, then "Delete" overwrites each file with the image of the chosen security level
// and deletes it; a folder in the list is deleted with all it holds and created again,
// empty. A path the deletion rules refuse (not fully qualified, a drive root, a protected
// folder or one of its ancestors) and a link are skipped and reported; no link is followed.

#include <cstdint>
#include <string>
#include <vector>

#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "shred/ClsDrag.h"
#include "shred/FileOverwriter.h"
#include "shred/ShredderControls.h"
#include "ui/Dialogs.h"

namespace cw {

class FileShredder {
  public:
    FileShredder(ShredderControls& controls, FileRoutines& files, ui::Dialogs& dialogs,
                 ErrorSink& errors);
    FileShredder(const FileShredder&) = delete;
    FileShredder& operator=(const FileShredder&) = delete;

    // The drop target's model; the window side attaches it to lstFiles.
    ClsDrag obj;

    // Window load: the progress bar hidden, the status texts, Check, and the security levels
    // with "50" selected.
    void Load();
    // Ready with entries, Waiting without.
    void Check();

    void cmdShredDelete_Click();
    void cmdFileBrowse_Click();
    void cmdShredClear_Click();
    void lstFiles_Click();
    void obj_GetFileName(const std::string& FileName);

    // The program's DeleteFile: overwrites the file with the current level's image, flushes
    // and closes it, and deletes it. Raises on failure and on a path it may not touch. Not
    // named DeleteFile: <windows.h> defines DeleteFile as a macro (DeleteFileA), which would
    // rename this member in every file that includes both headers and break the link.
    void ShredFile(const std::string& path);

    const std::vector<std::string>& colFiles() const { return colFiles_; }

    static constexpr std::size_t kOpenDialogBufferChars = 2048;

  private:
    void AddEntry(const std::string& path);
    void ShredEntry(const std::string& entry);
    void ShredFolder(const std::string& entry);
    void ShowCount();

    ShredderControls& c_;
    FileRoutines& files_;
    ui::Dialogs& dialogs_;
    ErrorSink& errors_;
    FileOverwriter overwriter_;
    std::vector<std::string> colFiles_;
};

}  // namespace cw
