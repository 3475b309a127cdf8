#pragma once
// The drop target of the shred list, as the page sees it: the window side
// (app/win32/DropTarget) hands over every item the shell dropped, one by one, and ClsDrag
// raises GetFileName with each.

#include <functional>
#include <string>

namespace cw {

class ClsDrag {
  public:
    // Raised with the dropped path, blanks trimmed from both ends.
    std::function<void(const std::string& FileName)> GetFileName;

    // One dropped item. An item that is empty once trimmed raises nothing.
    void Dropped(const std::string& item);
};

}  // namespace cw
