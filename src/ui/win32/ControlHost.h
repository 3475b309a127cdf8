#pragma once
// The controls of one window: creates a real control for each control model, keeps the
// bindings, and routes the window's WM_COMMAND, WM_NOTIFY, WM_TIMER and WM_DRAWITEM to the
// binding of the control they come from. Every window of the program uses one.

#include <windows.h>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/win32/Handles.h"
#include "ui/win32/BoundControl.h"
#include "ui/win32/DialogUnits.h"

namespace cw::win32 {

// Where a control goes: its ID, the window it lies on and its rectangle in dialog units.
struct Place {
    int id = 0;
    HWND parent = nullptr;
    DluRect rect;
};

class ControlHost {
  public:
    // window receives the notifications of every control, directly or through a page.
    ControlHost(HWND window, const DialogFont& font);
    ControlHost(const ControlHost&) = delete;
    ControlHost& operator=(const ControlHost&) = delete;
    ~ControlHost();

    HWND window() const { return window_; }
    const DialogFont& font() const { return font_; }
    // A place's rectangle in pixels of the window's client area.
    RECT Pixels(const DluRect& rect) const;

    // Creates a child window with the dialog font. style gets WS_CHILD added.
    HWND CreateChild(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                     const Place& place);
    HWND CreateChildAt(const char* className, const std::string& text, DWORD style, DWORD exStyle,
                       int id, HWND parent, const RECT& pixels);

    // Takes a binding, shows the model's state in its control and routes the IDs to it.
    template <class T>
    T& Keep(std::unique_ptr<T> bound, std::initializer_list<int> ids) {
        T& ref = *bound;
        for (int id : ids)
            byId_[id] = &ref;
        bindings_.push_back(std::move(bound));
        ref.ApplyAll();
        return ref;
    }
    void Route(int id, BoundControl& bound) { byId_[id] = &bound; }

    BoundControl* Find(int id) const;
    HWND Control(int id) const;

    // A tool tip for a control window (created on first use).
    void AddToolTip(HWND control, const std::string& text);

    bool Command(int id, int code);
    std::optional<LRESULT> Notify(const NMHDR& header);
    bool Timer(UINT_PTR id);
    bool DrawItem(const DRAWITEMSTRUCT& item);

  private:
    HWND window_;
    const DialogFont& font_;
    Window toolTip_;
    std::vector<std::unique_ptr<BoundControl>> bindings_;
    std::map<int, BoundControl*> byId_;
};

// The page class: a plain child window that holds the controls of one page and passes
// their notifications on to the window it lies on.
HWND CreatePage(ControlHost& host, int id, const RECT& pixels);

}  // namespace cw::win32
