#pragma once
// Scripted message boxes and common dialogs; records what was shown.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/Dialogs.h"

namespace cw::fakes {

struct ShownMessage {
    std::string prompt;
    int buttons = 0;
    std::string title;
};

class FakeDialogs : public ui::Dialogs {
  public:
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override;
    std::string OpenFiles(std::size_t bufferChars) override;
    // Every folder browser is cancelled.
    std::string BrowseForFolder(const std::string&, const ui::FolderRef&,
                                const ui::FolderRef&) override {
        return "";
    }
    void DoEvents() override;
    void SetWaitCursor(bool wait) override { waitCursor.push_back(wait); }

    // Answers for the next message boxes, in order; when none is queued, OK or Yes.
    std::deque<int> answers;
    std::vector<ShownMessage> shown;
    std::deque<std::string> openFilesResults;
    std::vector<bool> waitCursor;
    int doEventsCalls = 0;
    // Runs inside DoEvents, as a timer tick or a click would.
    std::function<void()> onDoEvents;
    // Runs while a message box is open (before it is answered), as a message the box's own
    // message loop dispatches would.
    std::function<void()> onMsgBox;
};

}  // namespace cw::fakes
