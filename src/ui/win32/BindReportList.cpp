// The binding of a list in columns: the list control's report view with its header.

#include <memory>
#include <string>

#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace {

class BoundReportList : public BoundListViewRows {
  public:
    BoundReportList(ui::ReportList& model, HWND hwnd)
        : BoundListViewRows(model, hwnd), list_(model) {}

  protected:
    int RowCount() const override { return static_cast<int>(list_.Rows().size()); }
    void InsertRow(int index) override {
        const ui::ReportList::Row& row = list_.Rows()[static_cast<std::size_t>(index)];
        for (int column = 0; column < static_cast<int>(row.size()); ++column) {
            std::string text = row[static_cast<std::size_t>(column)];
            LVITEMA lv = {};
            lv.mask = LVIF_TEXT;
            lv.iItem = index;
            lv.iSubItem = column;
            lv.pszText = text.data();
            // The first text makes the row; the others fill its columns.
            SendMessageA(hwnd(), column == 0 ? LVM_INSERTITEMA : LVM_SETITEMA, 0,
                         reinterpret_cast<LPARAM>(&lv));
        }
    }

  private:
    ui::ReportList& list_;
};

}  // namespace

void BindReportList(ControlHost& host, ui::ReportList& list, const Place& place) {
    HWND hwnd = host.CreateChild(
        WC_LISTVIEWA, "",
        WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER,
        WS_EX_CLIENTEDGE, place);
    SendMessageA(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    int index = 0;
    for (const ui::ReportColumn& c : list.Columns()) {
        std::string caption = c.caption;
        LVCOLUMNA column = {};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        column.fmt = c.rightAligned ? LVCFMT_RIGHT : LVCFMT_LEFT;
        column.cx = host.Pixels(DluRect{0, 0, c.width, 1}).right;
        column.pszText = caption.data();
        column.iSubItem = index;
        SendMessageA(hwnd, LVM_INSERTCOLUMNA, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&column));
    }
    host.Keep(std::make_unique<BoundReportList>(list, hwnd), {place.id});
}

}  // namespace cw::win32
