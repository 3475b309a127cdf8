#pragma once
// The file shredder of the "Shredder" page. The user collects paths in the shred list
// (colFiles, shown line for line in lstFiles) through the Open dialog or by dropping them on
// the list, then "Delete" overwrites each file with the image of the chosen security level
// and deletes it (a read-only one too); a folder in the list has every file in it shredded
// so, then goes with all it holds and is created again, empty. A path the deletion rules
// refuse (not fully qualified, a drive root, a protected folder or one of its ancestors) and
// a link are skipped and reported; no link is followed. Only what was shredded leaves the
// list: the rest stays, marked, and the status says how many could not be shredded. While a
// run goes on the window repaints and the progress bar moves, per file and per block.

#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "errors/ErrorSink.h"
#include "files/FileRoutines.h"
#include "shred/ClsDrag.h"
#include "shred/FileOverwriter.h"
#include "shred/ShredderControls.h"
#include "shred/TreeShredder.h"
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

    const std::vector<std::string>& colFiles() const { return colFiles_; }

    // The Open dialog's first buffer; a longer choice brings a larger one.
    static constexpr std::size_t kOpenDialogBufferChars = 32768;
    // Appended to the line of an entry the last run could not shred.
    static constexpr const char kNotShreddedMark[] = "  (not shredded)";

  private:
    void AddEntry(const std::string& path);
    void ShredEntry(const std::string& entry, const FileOverwriter::Progress& progress);
    void ShredFolder(const std::string& entry, const FileOverwriter::Progress& progress);
    void ShowCount();
    // lstFiles shows colFiles, the entries the last run could not shred marked.
    void ShowList();
    // The buttons that change the list, enabled or not.
    void EnableListButtons(bool enabled);
    std::int16_t Level() const;

    ShredderControls& c_;
    FileRoutines& files_;
    ui::Dialogs& dialogs_;
    ErrorSink& errors_;
    TreeShredder shredder_;
    std::vector<std::string> colFiles_;
    std::set<std::string> notShredded_;
    bool running_ = false;
};

}  // namespace cw
