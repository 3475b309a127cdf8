#include "clean/ShellCleaners.h"

namespace cw {

void ClearRecentDocuments(RecentDocuments& recent) {
    recent.Clear();
}

void EmptyRecycleBinSilently(RecycleBin& bin, WindowHandle owner, ui::Dialogs& dialogs) {
    long result =
        bin.Empty(owner, "", kRecycleNoConfirmation | kRecycleNoProgressUi | kRecycleNoSound);
    if (result != 0) bin.UpdateIcon();
    dialogs.DoEvents();
}

}  // namespace cw
