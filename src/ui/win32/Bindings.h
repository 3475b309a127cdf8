#pragma once
// Bind...: create the real control for a control model at its place and keep the two in
// step. One function per kind of control; every window of the program builds its controls
// with them.

#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <string>

#include "ui/Controls.h"
#include "ui/ReportList.h"
#include "ui/win32/ControlHost.h"

namespace cw::win32 {

struct TextStyle {
    bool multiline = false;
    bool readOnly = false;
};

// Draws a picture into its rectangle.
using Painter = std::function<void(HDC dc, const RECT& bounds)>;

// A page of the window: a container whose visibility follows the frame model. fill, when
// given, makes the page's controls the first time the page shows.
HWND BindPage(ControlHost& host, ui::Frame& page, int id, const RECT& pixels,
              std::function<void(HWND page)> fill = {});
// A group box with the frame's caption.
void BindFrame(ControlHost& host, ui::Frame& frame, const Place& place);
// A static text; font overrides the dialog font (for a heading).
void BindLabel(ControlHost& host, ui::Label& label, const Place& place, HFONT font = nullptr);
void BindButton(ControlHost& host, ui::Button& button, const Place& place);
void BindCheckBox(ControlHost& host, ui::CheckBox& box, const Place& place);
void BindTextBox(ControlHost& host, ui::TextBox& text, const Place& place, TextStyle style = {});
void BindProgressBar(ControlHost& host, ui::ProgressBar& bar, const Place& place);
// The status bar along the window's bottom edge; returns it so the window can measure it.
HWND BindStatusBar(ControlHost& host, ui::StatusBar& bar, int id);
// A timer of the host's window, with the ID as its timer ID.
void BindTimer(ControlHost& host, ui::Timer& timer, int id);
// An icon with the image's tool tip.
void BindImage(ControlHost& host, ui::Image& image, const Place& place, HICON icon);
// A picture drawn by the painter, with the image's tool tip.
void BindPicture(ControlHost& host, ui::Image& image, const Place& place, Painter painter);
void BindTimePicker(ControlHost& host, ui::TimePicker& picker, const Place& place);
// A label that looks and acts like a web link: underlined in the link colour, the hand
// pointer over its text, Click when the text is clicked.
void BindLinkLabel(ControlHost& host, ui::Label& label, const Place& place);

void BindListBox(ControlHost& host, ui::ListBox& list, const Place& place);
// dropRows: how many items the open list shows.
void BindComboBox(ControlHost& host, ui::ComboBox& combo, const Place& place, int dropRows = 8);
// A one-column list without header, with the small images of the list (image n of the
// model is image n - 1 of the list).
void BindListView(ControlHost& host, ui::ListView& view, const Place& place, HIMAGELIST images);

// A list in columns under a header (the report view), whole rows selected; columns as the
// model gives them, their widths in the host's units.
void BindReportList(ControlHost& host, ui::ReportList& list, const Place& place);

// The toolbar along the top edge, buttons with the images of the list in order, button i
// with the command ID firstButtonId + i - 1. Returns it so the window can measure it.
HWND BindToolbar(ControlHost& host, ui::Toolbar& toolbar, int id, int firstButtonId,
                 HIMAGELIST images);

}  // namespace cw::win32
