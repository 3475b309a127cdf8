#include "shred/ScheduledShredder.h"

#include <vector>

#include "errors/ErrorTrap.h"
#include "files/Paths.h"
#include "settings/SettingNames.h"
#include "shred/OverwriteImage.h"
#include "text/Convert.h"

namespace cw {

namespace {

constexpr const char kBrowseTitle[] = "Select a Folder you would like to shred...";
constexpr const char kInvalidFrequency[] = "Please Set a valid shredder Time Frequeny";
// The level the files are overwritten with: the file shredder's default, "50".
constexpr int kLevelPosition = 4;
// The patterns each subfolder is emptied with, in this order.
constexpr const char* kSubfolderPatterns[] = {"*.gif", "*.htm", "*.cab", "*.jpg",
                                              "*.css", "*.swf", "*",     "*.*"};

bool IsDots(const std::string& name) {
    return name == "." || name == "..";
}

bool IsCount(const std::string& s) {
    return text::IsNumeric(s) && text::Val(s) >= 0;
}

}  // namespace

std::int32_t ShredFrequency(const std::string& hour, const std::string& minute) {
    const std::string h = hour.empty() ? "0" : hour;
    const std::string m = minute.empty() ? "0" : minute;
    if (!IsCount(h) || !IsCount(m)) return 0;
    if (text::Val(h) == 0 && text::Val(m) == 0) return 0;
    // A frequency past the counter's largest value can never come due; keep it out of
    // range instead of letting 16-bit arithmetic wrap it to a small one.
    double f = text::RoundHalfEven(text::RoundHalfEven(text::Val(h) * 60) + text::Val(m));
    return f > INT16_MAX ? INT16_MAX + 1 : static_cast<std::int32_t>(f);
}

ScheduledShredder::ScheduledShredder(ScheduledShredderControls& controls, SettingsStore& settings,
                                     FileRoutines& files, ui::Dialogs& dialogs, ui::Label* status)
    : c_(controls),
      settings_(settings),
      files_(files),
      dialogs_(dialogs),
      status_(status),
      shredder_(files) {
    c_.cmdSet.onClick = [this] { cmdSet_Click(); };
    c_.cmdShredBlank.onClick = [this] { cmdShredBlank_Click(); };
    c_.cmdShredBrowse.onClick = [this] { cmdShredBrowse_Click(); };
    c_.timShredFolder.onTimer = [this] { timShredFolder_Timer(); };
}

std::string ScheduledShredder::Stored(const char* name, const std::string& def) {
    return settings_.GetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name, def);
}

void ScheduledShredder::Store(const char* name, const std::string& value) {
    settings_.SetSettingString(settings::kSettingsRoot, settings::kSettingsKey, name, value);
}

void ScheduledShredder::Load() {
    c_.txtShredFolder.SetText(Stored(settings::kShredFolder, ""));
    c_.cmbHour.SetText(Stored(settings::kShredFolderHour, ""));
    c_.cmbMinute.SetText(Stored(settings::kShredFolderMinute, c_.cmbMinute.Text()));
}

void ScheduledShredder::cmdSet_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,cmdSet_Click");
    if (IsCount(c_.cmbHour.Text()) && IsCount(c_.cmbMinute.Text())) {
        trap([&] { Store(settings::kShredFolder, c_.txtShredFolder.Text()); });
        trap([&] { Store(settings::kShredFolderHour, c_.cmbHour.Text()); });
        trap([&] { Store(settings::kShredFolderMinute, c_.cmbMinute.Text()); });
        trap([&] { c_.timShredFolder.SetEnabled(true); });
    } else {
        trap([&] { dialogs_.MsgBox(kInvalidFrequency, ui::vbOKOnly); });
    }
}

void ScheduledShredder::cmdShredBlank_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,cmdShredBlank_Click");
    trap([&] { c_.txtShredFolder.SetText(""); });
    trap([&] { Store(settings::kShredFolder, c_.txtShredFolder.Text()); });
    trap([&] { Store(settings::kShredFolderHour, "0"); });
    trap([&] { Store(settings::kShredFolderMinute, "0"); });
    trap([&] { c_.timShredFolder.SetEnabled(false); });
}

void ScheduledShredder::cmdShredBrowse_Click() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,cmdShredBrowse_Click");
    trap([&] {
        std::string folder =
            dialogs_.BrowseForFolder(kBrowseTitle, ui::FolderRef::None(), ui::FolderRef::None());
        if (!folder.empty()) c_.txtShredFolder.SetText(folder);
    });
}

void ScheduledShredder::timShredFolder_Timer() {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,timShredFolder_Timer");
    if (minutes_ < INT16_MAX) ++minutes_;
    std::string folder, hour, minute;
    if (!trap([&] {
            folder = Stored(settings::kShredFolder, "");
            hour = Stored(settings::kShredFolderHour, "");
            minute = Stored(settings::kShredFolderMinute, "");
        })) {
        return;
    }
    const std::int32_t frequency = ShredFrequency(hour, minute);
    if (frequency == 0) return;
    if (minutes_ < frequency || minutes_ < kMinimumMinutes) return;
    if (folder.empty()) return;
    // A missing folder is tested again at every following tick; so is a refused one, which
    // is never touched.
    const std::string p = AddSlash(folder);
    if (!files_.CheckFolder(p)) return;
    if (!files_.guard().MayDelete(p) || !files_.IsRealFolder(p)) {
        trap([&] { ShowStatus("Scheduled Shredder: " + folder + " may not be shredded"); });
        return;
    }
    minutes_ = 0;
    Shred(folder);
}

void ScheduledShredder::ShowStatus(const std::string& text) {
    if (status_) status_->SetCaption(text);
}

void ScheduledShredder::Shred(const std::string& folder) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,timShredFolder_Timer");
    const std::string p = AddSlash(folder);
    int failed = 0;
    trap([&] {
        failed = shredder_.ShredFilesIn(p, RepetitionCount(kLevelPosition),
                                        [this](double) { dialogs_.DoEvents(); });
    });
    if (failed > 0) {
        // What is left is not deleted unshredded; the folders stay with it.
        trap([&] {
            ShowStatus("Scheduled Shredder: " + std::to_string(failed) +
                       (failed == 1 ? " file" : " files") + " could not be shredded");
        });
        return;
    }
    trap([&] { DeleteFilesMatching(p, "*.*"); });
    trap([&] { ClearSubfolders(p); });
    trap([&] { files_.DeleteFolderTree(p); });
    trap([&] { files_.fs().CreateFolder(DropSlash(folder)); });
}

void ScheduledShredder::DeleteFilesMatching(const std::string& folder, const std::string& pattern) {
    std::vector<std::string> names;
    files_.fs().Find(folder + pattern, [&](const FindData& entry) {
        if (!entry.IsDirectory()) names.push_back(entry.name);
        return true;
    });
    for (const std::string& name : names)
        files_.fs().Delete(folder + name);
}

void ScheduledShredder::ClearSubfolders(const std::string& folder) {
    ErrorTrap trap(TrapKind::Skip, nullptr, "frmMain,ClearSubfolders");
    const std::string d = AddSlash(folder);
    if (!files_.CheckFolder(d)) return;
    if (!files_.guard().MayDelete(d) || !files_.IsRealFolder(d)) return;
    std::vector<FindData> entries;
    trap([&] {
        files_.fs().Find(d + "*.*", [&](const FindData& entry) {
            entries.push_back(entry);
            return true;
        });
    });
    for (const FindData& entry : entries) {
        trap([&] { dialogs_.DoEvents(); });
        // A link to a folder is neither entered nor removed: under Wine removing it would
        // remove the folder it points to.
        if (IsDots(entry.name) || !entry.IsDirectory() || entry.IsReparsePoint()) continue;
        const std::string sub = d + entry.name;
        if (!files_.IsRealFolder(sub)) continue;
        trap([&] { files_.fs().SetAttributes(sub, kAttrNormal); });
        for (const char* pattern : kSubfolderPatterns) {
            trap([&] { DeleteFilesMatching(sub + "\\", pattern); });
        }
        trap([&] { files_.fs().RemoveFolder(sub); });
    }
}

}  // namespace cw
