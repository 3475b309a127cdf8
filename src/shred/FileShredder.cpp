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
// Progress-bar steps per entry, so that a large file moves the bar block by block; one
// step when the list is too long for the bar's range.
constexpr int kStepsPerEntry = 100;
constexpr int kMaxBarValue = 32000;

// A path the deletion rules refuse, or a link: skipped, and the trap reports it.
[[noreturn]] void Refuse() {
    throw RuntimeError(err::kPermissionDenied);
}

}  // namespace

FileShredder::FileShredder(ShredderControls& controls, FileRoutines& files, ui::Dialogs& dialogs,
                           ErrorSink& errors)
    : c_(controls), files_(files), dialogs_(dialogs), errors_(errors), shredder_(files) {
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

std::int16_t FileShredder::Level() const {
    return RepetitionCount(c_.cmbOver.ListIndex());
}

void FileShredder::ShredFolder(const std::string& entry, const FileOverwriter::Progress& progress) {
    // Every file is overwritten before anything is deleted; what resists stays.
    int failed = shredder_.ShredFilesIn(entry, Level(), progress);
    bool removed = files_.DeleteFolderTree(entry);
    if (files_.fs().GetAttributes(entry) != kInvalidAttributes) {
        // Something in it resisted (a file in use, a link left in place): the folder stays.
        if (!removed || failed > 0) throw RuntimeError(err::kPathFileAccessError);
        return;
    }
    ThrowIfFailed(files_.fs().CreateFolder(DropSlash(entry)));
}

void FileShredder::ShredEntry(const std::string& entry, const FileOverwriter::Progress& progress) {
    std::uint32_t attributes = files_.fs().GetAttributes(entry);
    if (!files_.guard().MayDelete(entry, attributes)) Refuse();
    if (attributes == kInvalidAttributes) return;  // gone since it was listed: skipped
    if (attributes & kAttrReparsePoint) Refuse();
    if (attributes & kAttrDirectory) {
        ShredFolder(entry, progress);
    } else {
        // Also a file that cannot be opened for reading (in use): its failure is reported
        // rather than passed over as if it were not there.
        shredder_.ShredFile(entry, attributes, Level(), progress);
    }
}

void FileShredder::ShowList() {
    std::vector<std::string> lines;
    for (const std::string& entry : colFiles_)
        lines.push_back(notShredded_.count(entry) ? entry + kNotShreddedMark : entry);
    c_.lstFiles.SetItems(std::move(lines));
}

void FileShredder::EnableListButtons(bool enabled) {
    c_.cmdShredDelete.SetEnabled(enabled && !colFiles_.empty());
    c_.cmdShredClear.SetEnabled(enabled);
    c_.cmdFileBrowse.SetEnabled(enabled);
}

void FileShredder::cmdShredDelete_Click() {
    if (running_) return;
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
    running_ = true;
    trap([&] { EnableListButtons(false); });
    // Entries dropped meanwhile are added behind these; the list is not otherwise changed
    // while the run lets messages through.
    const std::vector<std::string> entries = colFiles_;
    const int count = static_cast<int>(entries.size());
    const int steps = count * kStepsPerEntry <= kMaxBarValue ? kStepsPerEntry : 1;
    trap([&] { c_.pb1.SetValue(0); });
    trap([&] { c_.pb1.SetMax(count * steps); });
    trap([&] { c_.pb1.SetVisible(true); });
    std::vector<std::string> kept;
    for (int i = 1; i <= count; ++i) {
        const std::string& entry = entries[static_cast<std::size_t>(i - 1)];
        auto progress = [&](double done) {
            int value = (i - 1) * steps + static_cast<int>(done * steps);
            ErrorTrap quiet(TrapKind::Skip, nullptr, kShredTag);
            quiet([&] { c_.pb1.SetValue(std::min(value, count * steps)); });
            quiet([&] { dialogs_.DoEvents(); });
        };
        if (!trap([&] { ShredEntry(entry, progress); })) kept.push_back(entry);
        trap([&] { c_.pb1.SetValue(i * steps); });
        trap([&] { dialogs_.DoEvents(); });
    }
    std::vector<std::string> next = kept;
    next.insert(next.end(), colFiles_.begin() + count, colFiles_.end());
    colFiles_ = std::move(next);
    notShredded_ = std::set<std::string>(kept.begin(), kept.end());
    running_ = false;
    trap([&] { dialogs_.SetWaitCursor(false); });
    trap([&] { ShowList(); });
    trap([&] { c_.pb1.SetVisible(false); });
    trap([&] { c_.lFC.SetCaption(""); });
    trap([&] { c_.txtFileName.SetText(""); });
    trap([&] { EnableListButtons(true); });
    trap([&] { Check(); });
    if (!kept.empty()) {
        const std::size_t n = kept.size();
        trap([&] {
            c_.lStat.SetCaption(std::to_string(n) + (n == 1 ? " file" : " files") +
                                " could not be shredded");
        });
    }
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
    colFiles_.push_back(FileName);
    ShowCount();
    if (!running_) c_.pb1.SetMax(static_cast<int>(colFiles_.size()));
    ShowList();
    if (!running_) Check();
}

void FileShredder::cmdShredClear_Click() {
    ErrorTrap trap(TrapKind::Skip, &errors_, "frmMain,cmdShredClear_Click");
    trap([&] { c_.lstFiles.Clear(); });
    trap([&] { c_.pb1.SetVisible(false); });
    const int count = static_cast<int>(colFiles_.size());
    notShredded_.clear();
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
    const int index = c_.lstFiles.ListIndex();
    const bool listed = index >= 0 && index < static_cast<int>(colFiles_.size());
    c_.txtFileName.SetText(listed ? colFiles_[static_cast<std::size_t>(index)]
                                  : c_.lstFiles.Text());
}

}  // namespace cw
