#pragma once
// One window procedure for every window of the program: the object comes from the
// creation parameters at WM_NCCREATE, and each message is unpacked once into a typed call.
// No exception leaves a window procedure: one that reaches this edge is reported and the
// message gets its default handling.

#include <windows.h>

#include <optional>
#include <string>

namespace cw {
class ErrorSink;
}

namespace cw::win32 {

class WindowBase {
  public:
    WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;
    virtual ~WindowBase();

    HWND hwnd() const { return hwnd_; }

  protected:
    // Registers the class (once per name) with the shared window procedure and creates the
    // window with this object behind it.
    HWND Create(const char* className, HICON icon, DWORD exStyle, const char* title, DWORD style,
                int x, int y, int width, int height, HWND parent, HMENU menu);

    // Where failures that escaped a handler are reported, with this tag ("frmMain,...").
    void SetErrorSink(ErrorSink& sink, std::string tag);

    // Typed messages; each answers whether it handled the message.
    virtual bool OnCommand(int id, int code, HWND control);
    virtual std::optional<LRESULT> OnNotify(const NMHDR& header);
    virtual bool OnTimer(UINT_PTR id);
    virtual bool OnDrawItem(const DRAWITEMSTRUCT& item);
    virtual void OnSize(UINT kind, int width, int height);
    virtual bool OnClose();
    virtual void OnDestroy();
    // Every other message.
    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void ReportEscaped(UINT message) noexcept;

    HWND hwnd_ = nullptr;
    ErrorSink* errors_ = nullptr;
    std::string tag_;
};

}  // namespace cw::win32
