#include "fakes/FakeDialogs.h"

#include <utility>

namespace cw::fakes {

int FakeDialogs::MsgBox(const std::string& prompt, int buttons, const std::string& title) {
    shown.push_back({prompt, buttons, title});
    if (onMsgBox) {
        auto hook = std::exchange(onMsgBox, nullptr);  // once: a nested box runs no hook
        hook();
    }
    if (!answers.empty()) {
        int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return (buttons & 0xF) == ui::vbYesNo ? ui::vbYes : ui::vbOK;
}

std::string FakeDialogs::OpenFiles(std::size_t) {
    if (openFilesResults.empty()) return "";
    std::string result = openFilesResults.front();
    openFilesResults.pop_front();
    return result;
}

void FakeDialogs::DoEvents() {
    ++doEventsCalls;
    if (onDoEvents) {
        auto hook = onDoEvents;  // the hook may replace itself
        hook();
    }
}

}  // namespace cw::fakes
