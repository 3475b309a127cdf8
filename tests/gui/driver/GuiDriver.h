#pragma once
// Drives the program's windows from outside its process, as a user and Windows would. Every
// wait is bounded: one that runs out throws DriverError saying what did not happen.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/Process.h"

namespace cw::gui {

struct DriverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr DWORD kDefaultWaitMs = 10000;

void WaitUntil(const std::function<bool()>& condition, const std::string& what,
               DWORD timeoutMs = kDefaultWaitMs);
// Lets time pass while checking that something stays true.
void KeepsTrue(const std::function<bool()>& condition, const std::string& what, DWORD forMs);

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);
// A message that must be answered within five seconds.
LRESULT SendTo(HWND hwnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);

// A started program; one still running when the object goes is ended.
class Process : public testing::StartedProgram {
  public:
    // Starts the program (a path in C:\cwtest by default) with its folder as working folder.
    static Process Start(const std::string& exe, const std::string& arguments = "");
    static Process OfWindow(HWND window) { return Process(StartedProgram::OfWindow(window)); }

    // Its top-level windows of the class, visible or hidden.
    std::vector<HWND> WindowsOfClass(const std::string& className) const;
    // A visible window of the class and title; returns once the program waits for input.
    HWND WaitForWindow(const std::string& className, const std::string& title,
                       DWORD timeoutMs = 30000) const;

  private:
    explicit Process(StartedProgram&& program) : StartedProgram(std::move(program)) {}
};

// A window of the program under test and its controls, found by their IDs.
class Window {
  public:
    Window(HWND hwnd, const Process& owner) : hwnd_(hwnd), owner_(&owner) {}
    HWND hwnd() const { return hwnd_; }

    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    bool InFront() const { return GetForegroundWindow() == hwnd_; }
    void WaitClosed(const std::string& what) const {
        WaitUntil([&] { return !IsWindow(hwnd_); }, what + " to close");
    }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A menu or accelerator command, as a menu click sends it.
    void Command(int id) const { Post(WM_COMMAND, MAKEWPARAM(id, 0), 0); }

    HWND Control(int id) const;  // anywhere below the window
    std::string Text(int id) const { return TextOf(Control(id)); }
    void WaitForText(int id, const std::string& text, DWORD timeoutMs = kDefaultWaitMs) const;
    bool ControlVisible(int id) const { return IsWindowVisible(Control(id)) != FALSE; }
    bool ControlEnabled(int id) const { return IsWindowEnabled(Control(id)) != FALSE; }
    void Click(int id) const;
    bool Checked(int id) const { return SendTo(Control(id), BM_GETCHECK) == BST_CHECKED; }
    void SetChecked(int id, bool checked) const;
    void Type(int id, const std::string& text) const;
    std::vector<std::string> Items(int id) const;  // list box or combo box
    void Select(int id, int index) const;          // as a click on the item

    HWND Focus() const;  // in the window's thread; null when no control has it
    // A key as the keyboard sends it to the control with the focus (else the window).
    void PressKey(WORD key) const;

    // A list view's lines: the text and the image as the model numbers them (0 for none).
    struct ListLine {
        std::string text;
        int image = 0;
        bool operator==(const ListLine&) const = default;
    };
    std::vector<ListLine> ListViewLines(int id) const;
    // A report view's rows, the texts of its first `columns` columns each.
    std::vector<std::vector<std::string>> ListViewRows(int id, int columns) const;
    // TypeTime types hours and minutes into the time picker as the user does.
    SYSTEMTIME PickerTime(int id) const;
    void TypeTime(int id, int hour, int minute) const;

    // Toolbar buttons, numbered from 1.
    void ClickToolbarButton(int toolbarId, int index) const;
    bool ToolbarButtonPressed(int toolbarId, int index) const;

    // Drops the files on the control as the shell drops them from Explorer: a WM_DROPFILES
    // whose drop handle lives in the program under test. Returns once it was handled.
    void DropFiles(int id, const std::vector<std::string>& paths) const;

    // Saves a PNG of the window as build/screenshots/<name>.png (through the test server).
    void Screenshot(const std::string& name) const;

  private:
    HWND hwnd_;
    const Process* owner_;
};

// A message box of the process whose text contains the given text.
HWND WaitForMessageBox(const Process& process, const std::string& text,
                       DWORD timeoutMs = kDefaultWaitMs);
// The same for any process; null when none shows within the time.
HWND FindMessageBox(const std::string& text, DWORD timeoutMs);
std::string MessageBoxText(HWND box);
// Presses the box's button (IDOK, IDYES, ...) and waits until the box is gone.
void Answer(HWND box, int buttonId);

// A key chord as keyboard input of the desktop: pressed in order, released in reverse.
void PressKeys(const std::vector<WORD>& keys);

}  // namespace cw::gui
