#pragma once
// The real window of one of the program's other windows (settings, About, update): a fixed
// window with a caption and a system menu, no owner, centred on the screen, its controls
// placed in dialog units. Keys work as in a dialog: Tab and Shift+Tab walk the
// controls, Enter presses the default button (or the focused one), Esc the cancel action.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>

#include "errors/ErrorSink.h"
#include "ui/OtherWindowView.h"
#include "ui/win32/ControlHost.h"
#include "ui/win32/DialogUnits.h"
#include "ui/win32/WindowBase.h"

namespace cw::win32 {

// An icon of the program's resources at the size.
HICON ResourceIcon(int id, int size);

class ModelessFrame : public WindowBase, public OtherWindowView {
  public:
    ~ModelessFrame() override;

    // OtherWindowView
    void Show() override;
    void Close() override;
    bool InUse() const override { return busy_ > 0; }

  protected:
    // Creates the hidden window, its client area clientSize dialog units; the subclass then
    // binds its controls to host().
    ModelessFrame(const char* className, const std::string& caption, DluRect clientSize,
                  ErrorSink& errors, std::string errorTag);

    ControlHost& host() { return *host_; }
    const DialogFont& font() const { return font_; }
    HICON SmallIcon() const { return smallIcon_; }
    HICON BigIcon() const { return bigIcon_; }
    // Enter presses this button unless another push button has the focus; it shows as the
    // default button. The focus starts on the first control in tab order, or on focusId.
    void SetDefaultButton(int id);
    void SetFirstFocus(int focusId) { firstFocus_ = focusId; }

    // What the window does on Esc and on its close box.
    virtual void OnEscape() = 0;
    virtual void OnCloseBox() = 0;
    // The colours of a static control (WM_CTLCOLORSTATIC): a brush, or the default.
    virtual std::optional<LRESULT> OnControlColour(HDC, HWND) { return std::nullopt; }

  private:
    class Busy;
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    bool OnClose() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void ShowAsDefault(int id);
    bool IsPushButton(HWND control) const;

    DialogFont font_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    std::unique_ptr<ControlHost> host_;
    int defaultId_ = 0;
    int shownDefault_ = 0;
    int firstFocus_ = 0;
    bool shownOnce_ = false;
    HWND savedFocus_ = nullptr;
    int busy_ = 0;
};

}  // namespace cw::win32
