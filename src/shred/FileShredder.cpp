#include "shred/FileShredder.h"

#include <algorithm>

#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "shred/OpenDialogResult.h"
#include "shred/OverwriteImage.h"

namespace cw {

namespace {

constexpr const char kShredTag[] = "frmMain,cmdShredDelete";
constexpr const char* kLevels[] = {"10", "20", "30", "40",  "50", "60",
                                   "70", "80", "90", "100", "110"};
constexpr int kDefaultLevel = 4;  // "50"

// A path the deletion rules refuse, or a link: skipped, and the trap reports it.
[[noreturn]] void Refuse() {
    throw RuntimeError(err::kPermissionDenied);
}

}  // namespace

FileShredder::FileShredder(ShredderControls& controls, FileRoutines& files, ui::Dialogs& dialogs,
                           ErrorSink& errors)
    : c_(controls), files_(files), dialogs_(dialogs), errors_(errors), overwriter_(files.fs()) {
    c_.cmdShredDelete.onClick = [this] { cmdShredDelete_Click(); };
    c_.cmdFileBrowse.onClick = [this] { cmdFileBrowse_Click(); };
    c_.cmdShredClear.onClick = [this] { cmdShredClear_Click(); };
    c_.lstFiles.onClick = [this] { lstFiles_Click(); };
    obj.GetFileName = [this](const std::string& name) { obj_GetFileName(name); };
}

void FileShredder::Load() {
    // The progress bar shows only while a list is shredded or cleared.
    c_.pb1.SetVisible(false);
    c_.lStat.SetCaption("Waiting...");
    c_.lFC.SetCaption("");
    Check();
    c_.cmbOver.Clear();
    for (const char* level : kLevels)
        c_.cmbOver.AddItem(level);
    c_.cmbOver.SetListIndex(kDefaultLevel);
}

void FileShredder::Check() {
    bool ready = !colFiles_.empty();
    c_.lStat.SetCaption(ready ? "Ready..." : "Waiting...");
    c_.cmdShredDelete.SetEnabled(ready);
}

void FileShredder::AddEntry(const std::string& path) {
    c_.lstFiles.AddItem(path);
    colFiles_.push_back(path);
}

void FileShredder::ShowCount() {
    c_.lFC.SetCaption("There are " + std::to_string(colFiles_.size()) +
                      " files ready for deleting!");
}

void FileShredder::ShredFile(const std::string& path) {
    if (!files_.guard().MayDelete(path)) Refuse();
    std::uint32_t attributes = files_.fs().GetAttributes(path);
    if (attributes != kInvalidAttributes && (attributes & kAttrReparsePoint)) Refuse();
    // Windows refuses to open a read-only file for writing. Wine running as root would open
    // it and fail only at the deletion, leaving an overwritten file behind; both fail alike.
    if (attributes != kInvalidAttributes && (attributes & kAttrReadOnly)) {
        ThrowIfFailed(kErrorAccessDenied);
    }
    overwriter_.Overwrite(path, RepetitionCount(c_.cmbOver.ListIndex()));
    ThrowIfFailed(files_.fs().Delete(path));
}

void FileShredder::ShredFolder(const std::string& entry) {
    bool removed = files_.DeleteFolderTree(entry);
    if (files_.fs().GetAttributes(entry) != kInvalidAttributes) {
        // Something in it resisted (a file in use, a link left in place): the folder stays.
        if (!removed) throw RuntimeError(err::kPathFileAccessError);
        return;
    }
    ThrowIfFailed(files_.fs().CreateFolder(DropSlash(entry)));
}

void FileShredder::ShredEntry(const std::string& entry) {
    if (!files_.guard().MayDelete(entry)) Refuse();
    std::uint32_t attributes = files_.fs().GetAttributes(entry);
    if (attributes == kInvalidAttributes) return;  // gone since it was listed: skipped
    if (attributes & kAttrReparsePoint) Refuse();
    if (attributes & kAttrDirectory) {
        ShredFolder(entry);
    } else {
        // Also a file that cannot be opened for reading (in use): its failure is reported
        // rather than passed over as if it were not there.
        ShredFile(entry);
    }
}

void FileShredder::cmdShredDelete_Click() {
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, kShredTag);
    trap([&] { dialogs_.SetWaitCursor(true); });
    if (colFiles_.empty()) {
        trap([&] {
            dialogs_.MsgBox("Error: Enter a file for shredding!", ui::vbOKOnly + ui::vbCritical);
        });
        trap([&] { dialogs_.SetWaitCursor(false); });
        trap([&] { c_.pb1.SetVisible(false); });
        return;
    }
    const int count = static_cast<int>(colFiles_.size());
    trap([&] { c_.pb1.SetMax(std::max(count, c_.pb1.Max())); });
    trap([&] { c_.pb1.SetVisible(true); });
    for (int i = 1; i <= count; ++i) {
        const std::string entry = colFiles_[static_cast<std::size_t>(i - 1)];
        trap([&] { ShredEntry(entry); });
        trap([&] { c_.pb1.SetValue(i); });
    }
    colFiles_.clear();
    trap([&] { dialogs_.SetWaitCursor(false); });
    trap([&] { c_.lstFiles.Clear(); });
    trap([&] { c_.pb1.SetVisible(false); });
    trap([&] { c_.lFC.SetCaption(""); });
    trap([&] { c_.txtFileName.SetText(""); });
    trap([&] { Check(); });
}

void FileShredder::cmdFileBrowse_Click() {
    ErrorTrap trap(TrapKind::Skip, &errors_, "frmMain,cmdFileBrowse_Click");
    std::vector<std::string> paths;
    trap([&] { paths = PathsFromOpenDialog(dialogs_.OpenFiles(kOpenDialogBufferChars)); });
    for (const std::string& path : paths) {
        trap([&] { AddEntry(path); });
        trap([&] { c_.pb1.SetMax(static_cast<int>(colFiles_.size())); });
    }
    trap([&] { ShowCount(); });
    trap([&] { Check(); });
}

void FileShredder::obj_GetFileName(const std::string& FileName) {
    c_.lstFiles.Clear();
    colFiles_.push_back(FileName);
    ShowCount();
    c_.pb1.SetMax(static_cast<int>(colFiles_.size()));
    for (const std::string& entry : colFiles_)
        c_.lstFiles.AddItem(entry);
    Check();
}

void FileShredder::cmdShredClear_Click() {
    ErrorTrap trap(TrapKind::Skip, &errors_, "frmMain,cmdShredClear_Click");
    trap([&] { c_.lstFiles.Clear(); });
    trap([&] { c_.pb1.SetVisible(false); });
    const int count = static_cast<int>(colFiles_.size());
    for (int i = 1; i <= count; ++i) {
        trap([&] { colFiles_.erase(colFiles_.begin()); });
        trap([&] { c_.pb1.SetValue(i); });
        trap([&] { c_.pb1.SetVisible(true); });
        trap([&] { c_.txtFileName.SetText(""); });
    }
    trap([&] { c_.pb1.SetVisible(c_.pb1.Max() != c_.pb1.Value()); });
    trap([&] { c_.lStat.SetCaption(""); });
    trap([&] { c_.lFC.SetCaption(""); });
    trap([&] { Check(); });
}

void FileShredder::lstFiles_Click() {
    c_.txtFileName.SetText(c_.lstFiles.Text());
}

}  // namespace cw
