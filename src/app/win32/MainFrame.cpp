#include "app/win32/MainFrame.h"

#include "ResourceIds.h"
#include "app/ControlIds.h"
#include "app/TrayIcon.h"
#include "app/win32/MainLayout.h"
#include "ui/win32/DialogKeys.h"

namespace cw::win32 {

namespace m = ids::frmMain;

namespace {

// Posted to the window by Close: the window goes once the handler that closed it returned.
constexpr UINT kDestroyLater = WM_APP + 2;
constexpr int kToolbarIcon = 24;

HICON LoadIconSized(int id, int size) {
    return static_cast<HICON>(LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

HIMAGELIST ToolbarImages() {
    HIMAGELIST list = ImageList_Create(kToolbarIcon, kToolbarIcon, ILC_COLOR32 | ILC_MASK, 7, 0);
    if (!list) list = ImageList_Create(kToolbarIcon, kToolbarIcon, ILC_COLOR8 | ILC_MASK, 7, 0);
    for (int id : {IDI_TOOLBAR_MAIN, IDI_TOOLBAR_PRIVACY, IDI_TOOLBAR_CACHE, IDI_TOOLBAR_NETSCAPE,
                   IDI_TOOLBAR_SYSINFO, IDI_TOOLBAR_SHREDDER, IDI_TOOLBAR_PANIC}) {
        ImageList_ReplaceIcon(list, -1, LoadIconSized(id, kToolbarIcon));
    }
    return list;
}

}  // namespace

MainFrame::MainFrame(MainWindow& model, Win32Dialogs& dialogs, ErrorSink& errors)
    : model_(model), dialogs_(dialogs) {
    bigIcon_ = LoadIconSized(IDI_CLEARWELL, GetSystemMetrics(SM_CXICON));
    smallIcon_ = LoadIconSized(IDI_CLEARWELL, GetSystemMetrics(SM_CXSMICON));
    SetErrorSink(errors, "frmMain,WindowProc");
    // A fixed window: no sizing border and no maximise box.
    Create(kMainWindowClass, bigIcon_, WS_EX_CONTROLPARENT, kMainCaption,
           WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN,
           CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, nullptr, nullptr);
    SendMessageA(hwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(smallIcon_));
    host_ = std::make_unique<ControlHost>(hwnd(), font_);
    BuildMenus();
    BuildControls();
}

MainFrame::~MainFrame() {
    // The drop target sits in front of the list's bound procedure: it goes first.
    dropTarget_.reset();
    host_.reset();
}

void MainFrame::BuildMenus() {
    MainControls& c = model_.Controls();
    std::vector<MenuEntry> bar = {
        {&c.mnuFile, m::mnuFile, {{&c.mExit, m::mExit, {}}}},
        {&c.mnuOptions,
         m::mnuOptions,
         {{&c.mSettings, m::mSettings, {}},
          {&c.mCheckUpgrades, m::mCheckUpgrades, {}},
          {&c.mKeepCookies, m::mKeepCookies, {}}}},
        {&c.mnuHelp,
         m::mnuHelp,
         {{&c.mHelpArticles, m::mHelpArticles, {}},
          {&c.mBlank, m::mBlank, {}},
          {&c.mAboutClearwell, m::mAboutClearwell, {}}}},
    };
    MenuEntry tray = {&c.mPopupSys,
                      m::mPopupSys,
                      {{&c.mPopPanic, m::mPopPanic, {}},
                       {&c.mPopRestore, m::mPopRestore, {}},
                       {&c.mSepSysTray, m::mSepSysTray, {}},
                       {&c.mPopExit, m::mPopExit, {}}}};
    SetMenu(hwnd(), BindMenuBar(*host_, bar));
    trayMenu_.reset(BindPopupMenu(*host_, tray));
}

void MainFrame::BuildControls() {
    MainControls& c = model_.Controls();
    toolbarImages_.reset(ToolbarImages());
    HWND toolbar =
        BindToolbar(*host_, c.tlbMain, m::tlbMain, m::tlbMainButton(1), toolbarImages_.get());
    HWND status = BindStatusBar(*host_, c.stbMain, m::stbMain);
    RECT tb = {}, sb = {};
    GetWindowRect(toolbar, &tb);
    GetWindowRect(status, &sb);
    int top = tb.bottom - tb.top + font_.Y(2);

    // Every page lies where the placeholder fraContainer is; its controls are made when it
    // first shows.
    RECT container = font_.Pixels({0, 0, kPageWidth, kPageHeight});
    OffsetRect(&container, 0, top);
    art_.banner = [this](HDC dc, const RECT& r) { PaintBanner(dc, r); };
    art_.dropFiles = LoadIconSized(IDI_DROP_FILES, GetSystemMetrics(SM_CXICON));
    const std::function<void(HWND)> fills[kPageCount] = {
        [this](HWND p) { LayoutMainPage(*host_, model_.Controls(), p, art_); },
        [this](HWND p) { LayoutPrivacyPage(*host_, model_.Controls(), p); },
        [this](HWND p) { LayoutCachePage(*host_, model_.Controls(), p); },
        [this](HWND p) { LayoutNetscapePage(*host_, model_.Controls(), p); },
        [this](HWND p) { LayoutSystemInfoPage(*host_, model_.Controls(), p); },
        [this](HWND p) {
            LayoutShredderPage(*host_, model_.Controls(), p, art_);
            if (dropTarget_) dropTarget_->Start_SubClass(host_->Control(m::lstFiles));
        },
    };
    for (int i = 0; i < kPageCount; ++i) {
        const auto page = static_cast<std::size_t>(i);
        BindPage(*host_, c.fraMain[page], m::fraMain(i), container, fills[page]);
    }

    BindTimer(*host_, c.timScheduler, m::timScheduler);
    BindTimer(*host_, c.timAutoUpdate, m::timAutoUpdate);
    BindTimer(*host_, c.Timer1, m::Timer1);
    BindTimer(*host_, c.homePage.timIEURL, m::timIEURL);
    BindTimer(*host_, c.shredFolder.timShredFolder, m::timShredFolder);
    BindTimer(*host_, c.favorites.timFavoritesWatch, m::timFavoritesWatch);

    PlaceWindow(container.right, container.bottom + (sb.bottom - sb.top));
}

void MainFrame::PlaceWindow(int clientWidth, int clientHeight) {
    RECT r = {0, 0, clientWidth, clientHeight};
    AdjustWindowRectEx(&r, static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_STYLE)), TRUE,
                       static_cast<DWORD>(GetWindowLongA(hwnd(), GWL_EXSTYLE)));
    RECT work = {};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    int width = r.right - r.left, height = r.bottom - r.top;
    int x = work.left + ((work.right - work.left) - width) / 2;
    int y = work.top + ((work.bottom - work.top) - height) / 2;
    SetWindowPos(hwnd(), nullptr, x < work.left ? work.left : x, y < work.top ? work.top : y, width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
    // The toolbar and the status bar follow the new width.
    SendMessageA(host_->Control(m::tlbMain), TB_AUTOSIZE, 0, 0);
    SendMessageA(host_->Control(m::stbMain), WM_SIZE, 0, 0);
}

int MainFrame::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        // Tab and the arrow keys move between the controls as in a dialog, in this window
        // and in the others.
        if (TranslateDialogKeys(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

void MainFrame::Show() {
    ShowWindow(hwnd(), SW_SHOW);
}

void MainFrame::Hide() {
    ShowWindow(hwnd(), SW_HIDE);
}

WindowState MainFrame::State() const {
    if (IsIconic(hwnd())) return WindowState::Minimized;
    if (IsZoomed(hwnd())) return WindowState::Maximized;
    return WindowState::Normal;
}

void MainFrame::SetState(WindowState state) {
    switch (state) {
        case WindowState::Minimized:
            ShowWindow(hwnd(), SW_MINIMIZE);
            break;
        case WindowState::Maximized:
            ShowWindow(hwnd(), SW_MAXIMIZE);
            break;
        case WindowState::Normal:
            ShowWindow(hwnd(), SW_RESTORE);
            break;
    }
}

void MainFrame::ShowPopupMenu(ui::MenuItem& menu) {
    if (&menu == &model_.Controls().mPopupSys) TrackPopup(*host_, trayMenu_.get());
}

void MainFrame::AcceptDroppedFiles(ClsDrag& target) {
    dropTarget_ =
        std::make_unique<DropTarget>([&target](const std::string& path) { target.Dropped(path); });
    // The shredder page's list takes the drops once it exists.
    if (HWND list = host_->Control(m::lstFiles)) dropTarget_->Start_SubClass(list);
}

void MainFrame::Close() {
    PostMessageA(hwnd(), kDestroyLater, 0, 0);
}

bool MainFrame::OnCommand(int id, int code, HWND) {
    return host_ && host_->Command(id, code);
}

std::optional<LRESULT> MainFrame::OnNotify(const NMHDR& header) {
    return host_ ? host_->Notify(header) : std::nullopt;
}

bool MainFrame::OnTimer(UINT_PTR id) {
    return host_ && host_->Timer(id);
}

bool MainFrame::OnDrawItem(const DRAWITEMSTRUCT& item) {
    return host_ && host_->DrawItem(item);
}

void MainFrame::OnSize(UINT kind, int, int) {
    if (!host_) return;
    if (HWND status = host_->Control(m::stbMain)) SendMessageA(status, WM_SIZE, 0, 0);
    if (kind == SIZE_MINIMIZED || kind == SIZE_RESTORED || kind == SIZE_MAXIMIZED) {
        model_.Form_Resize();
    }
}

bool MainFrame::OnClose() {
    // The model decides; the window goes only through its unload (Close).
    model_.Unload(UnloadMode::FormControlMenu);
    return true;
}

void MainFrame::OnDestroy() {
    PostQuitMessage(0);
}

std::optional<LRESULT> MainFrame::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (taskbarCreated_ != 0 && message == taskbarCreated_) {
        model_.TaskbarCreated();
        return 0;
    }
    switch (message) {
        case kTrayCallbackMessage:
            model_.TrayIcon_Event(static_cast<int>(lParam));
            return 0;
        case WM_HOTKEY:
            // The modifiers in the low word, the virtual key in the high one.
            model_.HotKey(static_cast<int>(wParam), LOWORD(lParam), HIWORD(lParam));
            return 0;
        case WM_QUERYENDSESSION:
            return model_.QueryEndSession() ? TRUE : FALSE;
        case WM_ENDSESSION:
            model_.EndSession(wParam != FALSE);
            return 0;
        case kDestroyLater:
            DestroyWindow(hwnd());
            return 0;
        case WM_SETCURSOR:
            if (dialogs_.Waiting()) {
                SetCursor(LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_WAIT)));
                return TRUE;
            }
            return std::nullopt;
        default:
            return std::nullopt;
    }
}

void MainFrame::PaintBanner(HDC dc, const RECT& r) {
    // A band shading from deep to light blue, the program's icon and its name.
    int width = r.right - r.left;
    for (int i = 0; i < width; i += 4) {
        int t = i * 255 / (width > 0 ? width : 1);
        Brush brush(
            CreateSolidBrush(RGB(16 + t * 60 / 255, 72 + t * 110 / 255, 128 + t * 110 / 255)));
        RECT band = {r.left + i, r.top, r.left + i + 4, r.bottom};
        FillRect(dc, &band, brush.get());
    }
    int iconSize = GetSystemMetrics(SM_CXICON);
    int height = r.bottom - r.top;
    DrawIconEx(dc, r.left + font_.X(8), r.top + (height - iconSize) / 2, bigIcon_, iconSize,
               iconSize, 0, nullptr, DI_NORMAL);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, RGB(255, 255, 255));
    HGDIOBJ old = SelectObject(dc, font_.Large());
    RECT text = {r.left + font_.X(8) + iconSize + font_.X(6), r.top, r.right,
                 r.top + height * 2 / 3};
    DrawTextA(dc, "Clearwell", -1, &text, DT_SINGLELINE | DT_BOTTOM | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, font_.get());
    RECT version = {text.left + font_.X(1), text.bottom, r.right, r.bottom};
    DrawTextA(dc, "Version 2.10", -1, &version, DT_SINGLELINE | DT_TOP | DT_LEFT | DT_NOPREFIX);
    SelectObject(dc, old);
}

}  // namespace cw::win32
