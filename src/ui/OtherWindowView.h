#pragma once
// A secondary window as the program's logic sees it: shown, closed, and whether one of its
// handlers is running. The Win32 frames implement it; tests fake it.

namespace cw {

// One of the other windows on screen. Destroying the view destroys the real window.
class OtherWindowView {
  public:
    virtual ~OtherWindowView() = default;
    // Shows the window, restored, and brings it to the front with the focus.
    virtual void Show() = 0;
    // Takes the window off the screen at once; the real window goes once the handler that
    // closed it has returned.
    virtual void Close() = 0;
    // A handler of the window is running (a click, a key): the view must not be destroyed
    // now, its code is still on the stack.
    virtual bool InUse() const = 0;
};

}  // namespace cw
