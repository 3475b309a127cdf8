#pragma once
// Scripted message boxes and common dialogs; records what was shown.

#include <deque>
#include <functional>
#include <string>
#include <utility>
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
    int MsgBox(const std::string& prompt, int buttons, const std::string& title) override {
        shown.push_back({prompt, buttons, title});
        if (onMsgBox) {
            auto hook = std::exchange(onMsgBox, nullptr);  // once: a nested box runs no hook
            hook();
        }
        if (answers.empty()) return (buttons & 0xF) == ui::vbYesNo ? ui::vbYes : ui::vbOK;
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string OpenFiles(std::size_t) override {
        if (openFilesResults.empty()) return "";
        std::string result = openFilesResults.front();
        openFilesResults.pop_front();
        return result;
    }
    // Every folder browser is cancelled.
    std::string BrowseForFolder(const std::string&, const ui::FolderRef&,
                                const ui::FolderRef&) override {
        return "";
    }
    void DoEvents() override {
        ++doEventsCalls;
        if (onDoEvents) {
            auto hook = onDoEvents;  // the hook may replace itself
            hook();
        }
    }
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
