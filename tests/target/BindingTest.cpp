// The binding layer with real controls: what the model does shows in the control, what the
// user does in the control reaches the model once, and a failure in a handler is reported
// at the window procedure's edge instead of ending the program. (Captions, enabled and
// shown states, list contents and the toolbar: the GUI tests read them off the real window.)

#include <gtest/gtest.h>

#include <windows.h>

#include <commctrl.h>

#include <memory>
#include <string>
#include <tuple>

#include "errors/RuntimeError.h"
#include "fakes/RecordingErrorSink.h"
#include "support/TestWorld.h"
#include "ui/win32/Bindings.h"
#include "ui/win32/Menus.h"
#include "ui/win32/WindowBase.h"

namespace cw::win32 {
namespace {

// A window that hosts bound controls, as every window of the program does.
class HostWindow : public WindowBase {
  public:
    explicit HostWindow(ErrorSink& errors) {
        SetErrorSink(errors, "frmTest,WindowProc");
        Create("ClearwellBindingTest", nullptr, 0, "Binding test", WS_OVERLAPPEDWINDOW, 50, 50, 500,
               400, nullptr, nullptr);
        host = std::make_unique<ControlHost>(hwnd(), font);
    }
    // What a control tells its parent when the user acts on it.
    void Notify(int id, int code) {
        SendMessageA(hwnd(), WM_COMMAND, MAKEWPARAM(id, code),
                     reinterpret_cast<LPARAM>(host->Control(id)));
    }

    DialogFont font;
    std::unique_ptr<ControlHost> host;

  protected:
    bool OnCommand(int id, int code, HWND) override { return host->Command(id, code); }
    bool OnTimer(UINT_PTR id) override { return host->Timer(id); }
};

std::string Text(HWND hwnd) {
    char buffer[256] = {};
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    return buffer;
}

Place At(int id) {
    return Place{id, nullptr, {10, 10, 100, 12}};
}

TEST(BindingTest, ControlsFollowTheModelAndTellItWhatTheUserDidOnce) {
    fakes::RecordingErrorSink errors;
    HostWindow w(errors);
    ui::CheckBox box("chkCookies", "Cookies");
    ui::TextBox text("txtPath", "start");
    int clicks = 0, changes = 0;
    box.onClick = [&] { ++clicks; };
    text.onChange = [&] { ++changes; };
    BindCheckBox(*w.host, box, At(101));
    BindTextBox(*w.host, text, At(102));
    HWND boxWindow = w.host->Control(101), textWindow = w.host->Control(102);

    box.SetValue(ui::kChecked);
    EXPECT_EQ(SendMessageA(boxWindow, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(clicks, 1);  // the model's own event, and no echo from the control
    SendMessageA(boxWindow, BM_CLICK, 0, 0);
    EXPECT_EQ(std::pair(box.Value(), clicks), std::pair(ui::kUnchecked, 2));

    text.SetText("C:\\Shred");
    EXPECT_EQ(Text(textWindow), "C:\\Shred");
    EXPECT_EQ(changes, 1);
    SendMessageA(textWindow, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("typed"));
    EXPECT_EQ(std::pair(text.Text(), changes), std::pair(std::string("typed"), 2));

    ui::ListBox list("lstFiles");
    ui::ComboBox combo("cmbHour");
    int listClicks = 0, comboClicks = 0;
    list.onClick = [&] { ++listClicks; };
    combo.onClick = [&] { ++comboClicks; };
    BindListBox(*w.host, list, At(201));
    BindComboBox(*w.host, combo, At(202));
    HWND listWindow = w.host->Control(201), comboWindow = w.host->Control(202);

    for (const char* item : {"a", "b", "c"})
        list.AddItem(item);
    list.SetListIndex(1);
    SendMessageA(listWindow, LB_SETCURSEL, 2, 0);
    w.Notify(201, LBN_SELCHANGE);
    EXPECT_EQ(std::tuple(list.ListIndex(), list.Text(), listClicks),
              std::tuple(2, std::string("c"), 2));

    for (const char* item : {"0", "1", "2"})
        combo.AddItem(item);
    combo.SetText("7");  // a text that is no item, as a stored setting may be
    EXPECT_EQ(Text(comboWindow), "7");
    SendMessageA(comboWindow, CB_SETCURSEL, 2, 0);
    w.Notify(202, CBN_SELCHANGE);
    EXPECT_EQ(std::tuple(combo.ListIndex(), combo.Text(), comboClicks),
              std::tuple(2, std::string("2"), 1));
}

TEST(BindingTest, MenuStatusBarTimerAndAFailingHandler) {
    fakes::RecordingErrorSink errors;
    HostWindow w(errors);
    ui::MenuItem file("mnuFile", "&File"), exit("mExit", "E&xit");
    int exits = 0;
    exit.onClick = [&] { ++exits; };
    HMENU bar = BindMenuBar(*w.host, {{&file, 400, {{&exit, 401, {}}}}});
    SetMenu(w.hwnd(), bar);
    SendMessageA(w.hwnd(), WM_COMMAND, MAKEWPARAM(401, 0), 0);
    EXPECT_EQ(exits, 1);
    exit.SetEnabled(false);
    EXPECT_NE(GetMenuState(bar, 401, MF_BYCOMMAND) & MF_GRAYED, 0u);

    ui::StatusBar status("stbMain");
    HWND sb = BindStatusBar(*w.host, status, 500);
    status.SetText("Internet connection via a LAN\r\n.");
    EXPECT_EQ(Text(sb), "Internet connection via a LAN.");
    status.SetText("Internet connection via a Modem\r\nModem is busy");
    EXPECT_EQ(Text(sb), "Internet connection via a Modem Modem is busy");

    ui::Timer timer("timScheduler", 20, false);
    int ticks = 0;
    timer.onTimer = [&] { ++ticks; };
    BindTimer(*w.host, timer, 600);
    testing::PumpMessages(150);
    EXPECT_EQ(ticks, 0);
    timer.SetEnabled(true);
    testing::PumpMessages(2000, [&] { return ticks > 0; });
    EXPECT_GT(ticks, 0);
    timer.SetEnabled(false);
    testing::PumpMessages(30);
    int stopped = ticks;
    testing::PumpMessages(150);
    EXPECT_EQ(ticks, stopped);

    // A failure in a handler is reported and the window goes on.
    ui::Button button("cmdGetCache", "Get Cache");
    button.onClick = [] { throw RuntimeError(err::kPathNotFound); };
    BindButton(*w.host, button, At(701));
    SendMessageA(w.host->Control(701), BM_CLICK, 0, 0);
    ASSERT_EQ(errors.reports.size(), 1u);
    EXPECT_EQ(std::pair(errors.reports[0].tag, errors.reports[0].number),
              std::pair(std::string("frmTest,WindowProc"), 76));
    EXPECT_TRUE(IsWindow(w.hwnd()));

    // A failure in a handler the list box's own messages raise (its scrolling) ends at the
    // control's edge too: the list still scrolls and the window goes on.
    ui::ListBox list("lstCache");
    list.onScroll = [] { throw RuntimeError(err::kPathNotFound); };
    BindListBox(*w.host, list, Place{801, nullptr, {10, 30, 100, 30}});
    for (int i = 0; i < 20; ++i)
        list.AddItem("item " + std::to_string(i));
    HWND listWindow = w.host->Control(801);
    SendMessageA(listWindow, WM_VSCROLL, SB_LINEDOWN, 0);
    EXPECT_EQ(std::pair(SendMessageA(listWindow, LB_GETTOPINDEX, 0, 0), list.TopIndex()),
              std::pair(LRESULT{1}, 1));
    EXPECT_TRUE(IsWindow(listWindow));
}

}  // namespace
}  // namespace cw::win32
