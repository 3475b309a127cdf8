#include "ui/win32/Menus.h"

#include <memory>

namespace cw::win32 {

namespace {

class BoundMenuItem : public BoundControl {
  public:
    BoundMenuItem(ui::MenuItem& model, HWND window, HMENU menu, int id)
        : BoundControl(model, window), item_(model), menu_(menu), id_(id) {}
    bool Command(int, int) override {
        item_.Click();
        return true;
    }

  protected:
    void Apply(ui::Property property) override {
        if (property == ui::Property::Enabled) ApplyContent();
    }
    void ApplyContent() override {
        EnableMenuItem(menu_, static_cast<UINT>(id_),
                       MF_BYCOMMAND | (item_.Enabled() ? MF_ENABLED : MF_GRAYED));
    }

  private:
    ui::MenuItem& item_;
    HMENU menu_;
    int id_;
};

void AddItems(ControlHost& host, HMENU menu, const std::vector<MenuEntry>& entries) {
    for (const MenuEntry& entry : entries) {
        const std::string& caption = entry.item->Caption();
        if (!entry.children.empty()) {
            HMENU sub = CreatePopupMenu();
            AddItems(host, sub, entry.children);
            AppendMenuA(menu, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(sub),
                        caption.c_str());
        } else if (caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, static_cast<UINT_PTR>(entry.id), nullptr);
        } else {
            AppendMenuA(menu, MF_STRING, static_cast<UINT_PTR>(entry.id), caption.c_str());
            host.Keep(std::make_unique<BoundMenuItem>(*entry.item, host.window(), menu, entry.id),
                      {entry.id});
        }
    }
}

}  // namespace

HMENU BindMenuBar(ControlHost& host, const std::vector<MenuEntry>& entries) {
    HMENU bar = CreateMenu();
    std::vector<MenuEntry> shown;
    for (const MenuEntry& entry : entries) {
        if (entry.item->Visible()) shown.push_back(entry);
    }
    AddItems(host, bar, shown);
    return bar;
}

HMENU BindPopupMenu(ControlHost& host, const MenuEntry& entry) {
    HMENU popup = CreatePopupMenu();
    AddItems(host, popup, entry.children);
    return popup;
}

void TrackPopup(ControlHost& host, HMENU menu) {
    POINT at = {};
    GetCursorPos(&at);
    // The window must be in front, or the menu does not close when the user clicks
    // elsewhere; the empty message afterwards lets it close properly.
    SetForegroundWindow(host.window());
    UINT chosen = TrackPopupMenu(menu, TPM_RIGHTBUTTON | TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y,
                                 0, host.window(), nullptr);
    PostMessageA(host.window(), WM_NULL, 0, 0);
    if (chosen != 0) host.Command(static_cast<int>(chosen), 0);
}

}  // namespace cw::win32
