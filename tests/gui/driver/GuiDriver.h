#pragma once
// Drives the program's windows from outside its process, as a user and Windows would:
// starts Clearwell.exe, finds its windows by class and caption and its controls by ID,
// clicks, ticks, selects, types, reads, answers message boxes and takes screenshots. Every
// wait is bounded: a wait that runs out throws DriverError saying what did not happen.

#include <windows.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace cw::gui {

struct DriverError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

inline constexpr DWORD kDefaultWaitMs = 10000;

// Polls the condition until it holds; throws DriverError naming what was awaited.
void WaitUntil(const std::function<bool()>& condition, const std::string& what,
               DWORD timeoutMs = kDefaultWaitMs);
// Lets time pass while checking that something stays true; throws when it does not.
void KeepsTrue(const std::function<bool()>& condition, const std::string& what, DWORD forMs);

// A started program.
class Process {
  public:
    // Starts the program (a path in C:\cwtest by default) with its folder as working folder.
    static Process Start(const std::string& exe, const std::string& arguments = "");
    // A program that runs already (started by another one), by its process ID.
    static Process Attach(DWORD id);
    // The program that owns the window.
    static Process OfWindow(HWND window);
    Process(Process&& other) noexcept;
    Process& operator=(Process&&) = delete;
    ~Process();  // a program still running is ended

    DWORD Id() const { return id_; }
    HANDLE Handle() const { return process_; }
    bool Running() const;
    // Waits for the end; false when it still runs after the time.
    bool WaitForExit(DWORD timeoutMs);
    DWORD ExitCode() const;
    void Kill();

    // The first visible or hidden top-level window of the class that this process owns.
    HWND FindWindowOfClass(const std::string& className) const;
    // How many top-level windows of the class this process owns, visible or hidden.
    int CountWindowsOfClass(const std::string& className) const;
    HWND WaitForWindow(const std::string& className, const std::string& title,
                       DWORD timeoutMs = 30000) const;

  private:
    Process(HANDLE process, DWORD id) : process_(process), id_(id) {}
    HANDLE process_ = nullptr;
    DWORD id_ = 0;
};

// A window of the program under test and its controls, found by their IDs.
class Window {
  public:
    Window(HWND hwnd, const Process& owner) : hwnd_(hwnd), owner_(&owner) {}
    HWND hwnd() const { return hwnd_; }

    std::string Title() const;
    bool Visible() const { return IsWindowVisible(hwnd_) != FALSE; }
    bool Minimized() const { return IsIconic(hwnd_) != FALSE; }
    bool InFront() const { return GetForegroundWindow() == hwnd_; }
    void Post(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // A message answered by the window within five seconds.
    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    // The menu or accelerator command with that ID, as a menu click sends it.
    void Command(int id) const;

    // The control with that ID anywhere below the window.
    HWND Control(int id) const;
    std::string Text(int id) const;
    bool ControlVisible(int id) const;
    bool ControlEnabled(int id) const;
    void Click(int id) const;
    bool Checked(int id) const;
    void SetChecked(int id, bool checked) const;
    // Types a text into an edit control or an editable combo box.
    void Type(int id, const std::string& text) const;
    std::vector<std::string> Items(int id) const;  // list box or combo box
    int Selected(int id) const;
    void Select(int id, int index) const;  // as a click on the item
    std::string StatusText(int id) const;

    // The control that has the keyboard focus in the window's thread, null when none has.
    HWND Focus() const;
    // A key pressed in the control that has the focus (the window itself when none has), as
    // the keyboard sends it: the program's message loop sees it.
    void PressKey(WORD key) const;

    // A list view's lines: the text and the image as the model numbers them (0 for none).
    struct ListLine {
        std::string text;
        int image = 0;
        bool operator==(const ListLine&) const = default;
    };
    std::vector<ListLine> ListViewLines(int id) const;
    // A time picker's time; TypeTime types hours and minutes into it as the user does.
    SYSTEMTIME PickerTime(int id) const;
    void TypeTime(int id, int hour, int minute) const;

    // Toolbar buttons, numbered from 1.
    void ClickToolbarButton(int toolbarId, int index) const;
    bool ToolbarButtonPressed(int toolbarId, int index) const;
    int ToolbarButtonCount(int toolbarId) const;

    // Drops the files on the control as the shell drops them from Explorer: a WM_DROPFILES
    // whose drop handle lives in the program under test. Returns once it was handled.
    void DropFiles(int id, const std::vector<std::string>& paths) const;

    // Saves a PNG of the window as build/screenshots/<name>.png (through the test server).
    void Screenshot(const std::string& name) const;

  private:
    int ToolbarCommand(HWND toolbar, int index) const;
    HWND hwnd_;
    const Process* owner_;
};

// A message box of the process whose text contains the given text.
HWND WaitForMessageBox(const Process& process, const std::string& text,
                       DWORD timeoutMs = kDefaultWaitMs);
// A message box of any process whose text contains the given text (a program that the
// program under test started); null when none shows within the time.
HWND FindMessageBox(const std::string& text, DWORD timeoutMs);
std::string MessageBoxText(HWND box);
// Presses the box's button with that ID (IDOK, IDYES, IDNO, ...).
void Answer(HWND box, int buttonId);

// A visible dialog box (class #32770) of the process with exactly that title.
HWND WaitForDialog(const Process& process, const std::string& title,
                   DWORD timeoutMs = kDefaultWaitMs);
// Chooses a file in the common Open dialog by its full path: typed into the name field,
// then "Open". Waits until the dialog is gone.
void ChooseFile(HWND openDialog, const std::string& path);

// Sends a key chord (virtual keys, pressed in order and released in reverse) as keyboard
// input of the desktop.
void PressKeys(const std::vector<WORD>& keys);

std::string ClassOf(HWND hwnd);
std::string TextOf(HWND hwnd);

}  // namespace cw::gui
