#pragma once
// A window procedure put in front of a control's own, for the messages a binding watches
// that the control reports to nobody (a list box scrolling, the pointer over a static
// control). The one place where the program chains window procedures.

#include <windows.h>

#include <functional>

namespace cw::win32 {

class Subclass {
  public:
    // Sees every message of the window first; calls Next for the control's own handling
    // and returns the message's result. An exception it throws goes no further than here:
    // the message then gets the control's own handling, if it had not had it yet.
    using Handler = std::function<LRESULT(UINT message, WPARAM wParam, LPARAM lParam)>;

    Subclass(HWND hwnd, Handler handler);
    Subclass(const Subclass&) = delete;
    Subclass& operator=(const Subclass&) = delete;
    // Puts the control's own procedure back, unless someone else chained theirs in front
    // since (cutting them out of the chain would break them) or the window is gone.
    ~Subclass();

    // The control's own procedure, for the message being handled.
    LRESULT Next(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
    void Detach();

    HWND hwnd_;
    Handler handler_;
    WNDPROC previous_ = nullptr;
    bool* passedOn_ = nullptr;  // the message being handled went to Next
};

}  // namespace cw::win32
