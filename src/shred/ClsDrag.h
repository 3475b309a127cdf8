#pragma once
// The drop target of the shred list, as the page sees it: the window side
// (app/win32/DropTarget) hands over the first item the shell dropped, and ClsDrag raises
// GetFileName with it. Further items of a multi-item drop never get here.

#include <functional>
#include <string>

namespace cw {

class ClsDrag {
  public:
    // Raised with the dropped path, blanks trimmed from both ends.
    std::function<void(const std::string& FileName)> GetFileName;

    // The first dropped item. An item that is empty once trimmed raises nothing.
    void Dropped(const std::string& firstItem);
};

}  // namespace cw
