#pragma once
// A window's or a page's controls as one table: each row names a control model, its ID and
// its rectangle in dialog units, with the few options some kinds of control take. BindAll
// creates the controls in the table's order, which is their tab order.

#include <windows.h>

#include <span>
#include <variant>

#include "ui/win32/Bindings.h"

namespace cw::win32 {

// A frame model shown as a group box with its caption (ui::Frame is a ui::Label).
struct GroupBox {
    ui::Frame* frame;
};
// A label that looks and acts like a web link.
struct LinkLabel {
    ui::Label* label;
};
// The etched line that sets a window's buttons off from its text: a control with no model.
struct EtchedLine {};

using LayoutControl =
    std::variant<GroupBox, LinkLabel, ui::Label*, ui::Button*, ui::CheckBox*, ui::TextBox*,
                 ui::ProgressBar*, ui::ListBox*, ui::ComboBox*, ui::ListView*, ui::ReportList*,
                 ui::TimePicker*, ui::Image*, EtchedLine>;

// What a few rows need besides their place; the other rows keep the defaults.
struct RowOptions {
    bool bold = false;            // a label in the bold dialog font
    TextStyle text = {};          // a text box
    int dropRows = 8;             // a drop-down list: rows its open list adds to the height
    HICON icon = nullptr;         // an image shows this icon,
    Painter painter = {};         // or the painter draws it
    HIMAGELIST images = nullptr;  // a list view's small images
};

struct LayoutRow {
    LayoutControl control;
    int id = 0;
    DluRect rect;
    RowOptions options = {};
};

// Creates and binds the control of every row, in order, on page (or on the host's window).
void BindAll(ControlHost& host, std::span<const LayoutRow> rows, HWND page = nullptr);

}  // namespace cw::win32
