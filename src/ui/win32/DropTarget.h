#pragma once
// The window side of a drop model (ClsDrag): makes a window (the shred list) a target for
// files dropped from the shell. Start_SubClass registers the window with DragAcceptFiles and
// puts a window procedure in front of the window's own; on WM_DROPFILES it hands every
// dropped item to the model, one by one, then releases the drop. Every other message
// goes on to the window's own procedure. Stop_SubClass (also run on destruction, or when the
// window goes away first) puts things back.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <functional>
#include <string>
#include <utility>

namespace cw::win32 {

class DropTarget {
  public:
    // dropped receives the path of each item dropped.
    explicit DropTarget(std::function<void(const std::string&)> dropped)
        : dropped_(std::move(dropped)) {}
    DropTarget(const DropTarget&) = delete;
    DropTarget& operator=(const DropTarget&) = delete;
    ~DropTarget() { Stop_SubClass(hwnd_); }

    void Start_SubClass(HWND hwnd);
    void Stop_SubClass(HWND hwnd);

    HWND Window() const { return hwnd_; }

  private:
    static LRESULT CALLBACK DropWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnDropFiles(HDROP drop);

    std::function<void(const std::string&)> dropped_;
    HWND hwnd_ = nullptr;
    WNDPROC previous_ = nullptr;
};

}  // namespace cw::win32
