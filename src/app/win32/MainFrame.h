#pragma once
// The main window on screen: the real window of frmMain, its menus, toolbar, pages and
// status bar bound to the model's controls, and the window's events passed to the model.

#include <windows.h>

#include <commctrl.h>

#include <memory>

#include "app/MainView.h"
#include "app/MainWindow.h"
#include "app/win32/MainLayout.h"
#include "ui/win32/ControlHost.h"
#include "ui/win32/DialogUnits.h"
#include "ui/win32/DropTarget.h"
#include "ui/win32/Menus.h"
#include "ui/win32/Win32Dialogs.h"
#include "ui/win32/WindowBase.h"

namespace cw::win32 {

class MainFrame : public WindowBase, public MainView {
  public:
    MainFrame(MainWindow& model, Win32Dialogs& dialogs, ErrorSink& errors);
    ~MainFrame() override;

    // The message loop; returns the exit code when the window is gone.
    int Run();

    // MainView
    WindowHandle Handle() const override { return reinterpret_cast<WindowHandle>(hwnd()); }
    std::uintptr_t Icon() const override { return reinterpret_cast<std::uintptr_t>(smallIcon_); }
    void Show() override;
    void Hide() override;
    WindowState State() const override;
    void SetState(WindowState state) override;
    void ShowPopupMenu(ui::MenuItem& menu) override;
    void AcceptDroppedFiles(ClsDrag& target) override;
    void Close() override;

  protected:
    bool OnCommand(int id, int code, HWND control) override;
    std::optional<LRESULT> OnNotify(const NMHDR& header) override;
    bool OnTimer(UINT_PTR id) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;
    void OnSize(UINT kind, int width, int height) override;
    bool OnClose() override;
    void OnDestroy() override;
    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  private:
    void BuildMenus();
    void BuildControls();
    void PlaceWindow(int clientWidth, int clientHeight);
    void PaintBanner(HDC dc, const RECT& bounds);

    MainWindow& model_;
    Win32Dialogs& dialogs_;
    DialogFont font_;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    ImageList toolbarImages_;
    PageArt art_;
    Menu trayMenu_;
    // The shell's broadcast when it made a new taskbar (Explorer restarted).
    const UINT taskbarCreated_ = RegisterWindowMessageA("TaskbarCreated");
    std::unique_ptr<ControlHost> host_;
    std::unique_ptr<DropTarget> dropTarget_;
};

}  // namespace cw::win32
