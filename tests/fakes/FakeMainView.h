#pragma once
// The main window as a window model sees it, without a screen: a window of the fake desktop
// whose visibility and state the model changes. Minimising raises onResize, as the real
// window's resize event.

#include <functional>

#include "app/MainView.h"
#include "fakes/FakeDesktop.h"

namespace cw::fakes {

class FakeMainView : public MainView {
  public:
    explicit FakeMainView(FakeDesktop& desktop)
        : desktop_(desktop), handle_(desktop.Add(kMainWindowClass, "Clearwell v2.10")) {
        desktop_.Window(handle_).visible = false;
    }

    WindowHandle Handle() const override { return handle_; }
    std::uintptr_t Icon() const override { return 0x7700; }
    void Show() override { desktop_.Show(handle_, kSwShow); }
    void Hide() override { desktop_.Show(handle_, kSwHide); }
    WindowState State() const override {
        std::uint32_t state = desktop_.Window(handle_).placement.showCmd;
        return state == kSwShowMinimized   ? WindowState::Minimized
               : state == kSwShowMaximized ? WindowState::Maximized
                                           : WindowState::Normal;
    }
    void SetState(WindowState state) override {
        int command = state == WindowState::Minimized   ? kSwMinimize
                      : state == WindowState::Maximized ? kSwShowMaximized
                                                        : kSwRestore;
        desktop_.Show(handle_, command);
        if (onResize) onResize();
    }
    void ShowPopupMenu(ui::MenuItem&) override {}
    void AcceptDroppedFiles(ClsDrag&) override {}
    void Close() override { closed = true; }

    bool Visible() const { return desktop_.IsVisible(handle_); }

    std::function<void()> onResize;
    bool closed = false;

  private:
    FakeDesktop& desktop_;
    WindowHandle handle_;
};

}  // namespace cw::fakes
