#pragma once
// The cleaners of the shell's own lists: recent documents and the Recycle Bin.

#include "platform/RecentDocuments.h"
#include "platform/RecycleBin.h"
#include "ui/Dialogs.h"

namespace cw {

void ClearRecentDocuments(RecentDocuments& recent);
// Empties the Recycle Bin of every drive without confirmation, progress or sound, then
// lets pending messages through.
void EmptyRecycleBinSilently(RecycleBin& bin, WindowHandle owner, ui::Dialogs& dialogs);

}  // namespace cw
