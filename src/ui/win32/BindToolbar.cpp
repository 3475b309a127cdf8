// The toolbar binding: buttons with images and captions, pressed states from the model,
// clicks and tool tips to the model.

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace {

class BoundToolbar : public BoundControl {
  public:
    BoundToolbar(ui::Toolbar& model, HWND hwnd, int firstButtonId)
        : BoundControl(model, hwnd), toolbar_(model), first_(firstButtonId) {}

    bool Command(int id, int) override {
        int index = id - first_ + 1;
        if (index < 1 || index > toolbar_.ButtonCount()) return false;
        toolbar_.ButtonClick(index);
        // The toolbar toggled the button by itself; the model decides what shows pressed.
        if (IsWindow(hwnd())) ShowStates();
        return true;
    }

    std::optional<LRESULT> Notify(const NMHDR& header) override {
        int index = static_cast<int>(header.idFrom) - first_ + 1;
        if (index < 1 || index > toolbar_.ButtonCount()) return std::nullopt;
        const std::string& tip = toolbar_.Button(index).toolTip;
        if (header.code == TTN_GETDISPINFOA) {
            auto& info = const_cast<NMTTDISPINFOA&>(reinterpret_cast<const NMTTDISPINFOA&>(header));
            CopyText(tip, info.szText, sizeof info.szText);
            info.lpszText = info.szText;
            return 0;
        }
        if (header.code == TTN_GETDISPINFOW) {
            auto& info = const_cast<NMTTDISPINFOW&>(reinterpret_cast<const NMTTDISPINFOW&>(header));
            MultiByteToWideChar(CP_ACP, 0, tip.c_str(), -1, info.szText, 80);
            info.szText[79] = L'\0';
            info.lpszText = info.szText;
            return 0;
        }
        if (header.code == TBN_GETINFOTIPA) {
            auto& info =
                const_cast<NMTBGETINFOTIPA&>(reinterpret_cast<const NMTBGETINFOTIPA&>(header));
            if (info.pszText && info.cchTextMax > 0) {
                CopyText(tip, info.pszText, static_cast<std::size_t>(info.cchTextMax));
            }
            return 0;
        }
        return std::nullopt;
    }

  protected:
    void Apply(ui::Property property) override {
        if (property == ui::Property::Buttons) {
            ShowStates();
        } else {
            BoundControl::Apply(property);
        }
    }
    void ApplyContent() override { ShowStates(); }

  private:
    void ShowStates() {
        for (int i = 1; i <= toolbar_.ButtonCount(); ++i) {
            LPARAM state = TBSTATE_ENABLED | (toolbar_.Button(i).pressed ? TBSTATE_CHECKED : 0);
            SendMessageA(hwnd(), TB_SETSTATE, static_cast<WPARAM>(first_ + i - 1), state);
        }
    }
    static void CopyText(const std::string& text, char* buffer, std::size_t size) {
        std::size_t n = text.size() < size - 1 ? text.size() : size - 1;
        std::memcpy(buffer, text.data(), n);
        buffer[n] = '\0';
    }

    ui::Toolbar& toolbar_;
    int first_;
};

}  // namespace

HWND BindToolbar(ControlHost& host, ui::Toolbar& toolbar, int id, int firstButtonId,
                 HIMAGELIST images) {
    HWND hwnd = host.CreateChildAt(TOOLBARCLASSNAMEA, "",
                                   WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP, 0, id,
                                   nullptr, {});
    SendMessageA(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    std::vector<std::string> captions;
    std::vector<TBBUTTON> buttons;
    for (int i = 1; i <= toolbar.ButtonCount(); ++i)
        captions.push_back(toolbar.Button(i).caption);
    for (int i = 1; i <= toolbar.ButtonCount(); ++i) {
        TBBUTTON b = {};
        b.iBitmap = i - 1;
        b.idCommand = firstButtonId + i - 1;
        b.fsState = TBSTATE_ENABLED;
        // Check buttons can show pressed; the model says which one is.
        b.fsStyle = BTNS_CHECK;
        b.iString = reinterpret_cast<INT_PTR>(captions[static_cast<std::size_t>(i - 1)].c_str());
        buttons.push_back(b);
    }
    // Buttons of one width, wide enough for the longest caption.
    SendMessageA(hwnd, TB_SETBUTTONWIDTH, 0, MAKELPARAM(host.font().X(44), host.font().X(60)));
    SendMessageA(hwnd, TB_ADDBUTTONSA, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessageA(hwnd, TB_AUTOSIZE, 0, 0);
    auto& bound = host.Keep(std::make_unique<BoundToolbar>(toolbar, hwnd, firstButtonId), {id});
    for (int i = 1; i <= toolbar.ButtonCount(); ++i)
        host.Route(firstButtonId + i - 1, bound);
    return hwnd;
}

}  // namespace cw::win32
