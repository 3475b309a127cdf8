#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace {

// Binds one row's control with the Bind function of its kind.
class RowBinder {
  public:
    RowBinder(ControlHost& host, const LayoutRow& row, HWND page)
        : host_(host), options_(row.options), place_{row.id, page, row.rect} {}

    void operator()(GroupBox box) const { BindFrame(host_, *box.frame, place_); }
    void operator()(LinkLabel link) const { BindLinkLabel(host_, *link.label, place_); }
    void operator()(ui::Label* label) const {
        BindLabel(host_, *label, place_, options_.bold ? host_.font().Bold() : nullptr);
    }
    void operator()(ui::Button* button) const { BindButton(host_, *button, place_); }
    void operator()(ui::CheckBox* box) const { BindCheckBox(host_, *box, place_); }
    void operator()(ui::TextBox* text) const { BindTextBox(host_, *text, place_, options_.text); }
    void operator()(ui::ProgressBar* bar) const { BindProgressBar(host_, *bar, place_); }
    void operator()(ui::ListBox* list) const { BindListBox(host_, *list, place_); }
    void operator()(ui::ComboBox* combo) const {
        BindComboBox(host_, *combo, place_, options_.dropRows);
    }
    void operator()(ui::ListView* view) const {
        BindListView(host_, *view, place_, options_.images);
    }
    void operator()(ui::ReportList* list) const { BindReportList(host_, *list, place_); }
    void operator()(ui::TimePicker* picker) const { BindTimePicker(host_, *picker, place_); }
    void operator()(ui::Image* image) const {
        if (options_.painter) {
            BindPicture(host_, *image, place_, options_.painter);
        } else {
            BindImage(host_, *image, place_, options_.icon);
        }
    }
    void operator()(EtchedLine) const {
        host_.CreateChild("STATIC", "", WS_VISIBLE | SS_ETCHEDHORZ, 0, place_);
    }

  private:
    ControlHost& host_;
    const RowOptions& options_;
    Place place_;
};

}  // namespace

void BindAll(ControlHost& host, std::span<const LayoutRow> rows, HWND page) {
    for (const LayoutRow& row : rows)
        std::visit(RowBinder(host, row, page), row.control);
}

}  // namespace cw::win32
