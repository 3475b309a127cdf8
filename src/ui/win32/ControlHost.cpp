#include "ui/win32/ControlHost.h"

#include <commctrl.h>

namespace cw::win32 {

namespace {

constexpr char kPageClass[] = "ClearwellPage";

LRESULT CALLBACK PageProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_DRAWITEM:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORLISTBOX:
            return SendMessageA(GetParent(hwnd), message, wParam, lParam);
        default:
            return DefWindowProcA(hwnd, message, wParam, lParam);
    }
}

}  // namespace

ControlHost::ControlHost(HWND window, const DialogFont& font) : window_(window), font_(font) {}

RECT ControlHost::Pixels(const DluRect& rect) const {
    return font_.Pixels(rect);
}

ControlHost::~ControlHost() {
    // The bindings go first: no model notifies a control after this.
    bindings_.clear();
    toolTip_.reset();
}

HWND ControlHost::CreateChildAt(const char* className, const std::string& text, DWORD style,
                                DWORD exStyle, int id, HWND parent, const RECT& r) {
    HWND hwnd = CreateWindowExA(exStyle, className, text.c_str(), WS_CHILD | style, r.left, r.top,
                                r.right - r.left, r.bottom - r.top, parent ? parent : window_,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                GetModuleHandleA(nullptr), nullptr);
    if (hwnd) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return hwnd;
}

HWND ControlHost::CreateChild(const char* className, const std::string& text, DWORD style,
                              DWORD exStyle, const Place& place) {
    return CreateChildAt(className, text, style, exStyle, place.id, place.parent,
                         Pixels(place.rect));
}

BoundControl* ControlHost::Find(int id) const {
    auto it = byId_.find(id);
    return it == byId_.end() ? nullptr : it->second;
}

HWND ControlHost::Control(int id) const {
    BoundControl* bound = Find(id);
    return bound ? bound->hwnd() : nullptr;
}

void ControlHost::AddToolTip(HWND control, const std::string& text) {
    if (!toolTip_) {
        toolTip_.reset(CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr,
                                       WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                       CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, window_,
                                       nullptr, GetModuleHandleA(nullptr), nullptr));
        SendMessageA(toolTip_.get(), TTM_SETMAXTIPWIDTH, 0, 300);
    }
    TOOLINFOA info = {};
    info.cbSize = TTTOOLINFOA_V1_SIZE;
    info.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    info.hwnd = GetParent(control);
    info.uId = reinterpret_cast<UINT_PTR>(control);
    std::string copy = text;
    info.lpszText = copy.data();
    SendMessageA(toolTip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&info));
}

bool ControlHost::Command(int id, int code) {
    BoundControl* bound = Find(id);
    return bound && bound->Command(id, code);
}

std::optional<LRESULT> ControlHost::Notify(const NMHDR& header) {
    BoundControl* bound = Find(static_cast<int>(header.idFrom));
    if (!bound) return std::nullopt;
    return bound->Notify(header);
}

bool ControlHost::Timer(UINT_PTR id) {
    BoundControl* bound = Find(static_cast<int>(id));
    return bound && bound->Tick();
}

bool ControlHost::DrawItem(const DRAWITEMSTRUCT& item) {
    BoundControl* bound = Find(static_cast<int>(item.CtlID));
    return bound && bound->DrawItem(item);
}

HWND CreatePage(ControlHost& host, int id, const RECT& pixels) {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA wc = {};
    if (!GetClassInfoA(instance, kPageClass, &wc)) {
        wc.lpfnWndProc = PageProcedure;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        wc.lpszClassName = kPageClass;
        RegisterClassA(&wc);
    }
    // WS_EX_CONTROLPARENT lets the Tab key walk into the page's controls. No
    // WS_CLIPCHILDREN: group boxes do not paint their inside, the page beneath does.
    return host.CreateChildAt(kPageClass, "", 0, WS_EX_CONTROLPARENT, id, nullptr, pixels);
}

}  // namespace cw::win32
