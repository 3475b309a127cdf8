// Bindings of the controls that hold items: list boxes, combo boxes and list views.

#include <memory>
#include <string>
#include <vector>

#include "ui/win32/Bindings.h"
#include "ui/win32/Subclass.h"

namespace cw::win32 {

namespace {

class BoundListBox : public BoundControl {
  public:
    BoundListBox(ui::ListBox& model, HWND hwnd)
        : BoundControl(model, hwnd),
          list_(model),
          // The list box tells nobody when it scrolls; watching its messages does.
          watch_(hwnd, [this](UINT message, WPARAM wParam, LPARAM lParam) {
              LRESULT result = watch_.Next(message, wParam, lParam);
              if (message == WM_VSCROLL || message == WM_MOUSEWHEEL || message == WM_KEYDOWN) {
                  ScrollSeen();
              }
              return result;
          }) {}
    bool Command(int, int code) override {
        if (code == LBN_SELCHANGE && !Echo()) {
            list_.SetListIndexFromUser(static_cast<int>(SendMessageA(hwnd(), LB_GETCURSEL, 0, 0)));
        }
        return true;
    }

  protected:
    void Apply(ui::Property property) override {
        switch (property) {
            case ui::Property::Items:
                Rebuild();
                break;
            case ui::Property::ItemAdded:
                Add(list_.Items().back());
                break;
            case ui::Property::ListIndex:
                SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
                break;
            case ui::Property::TopIndex:
                SendMessageA(hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
                break;
            default:
                BoundControl::Apply(property);
                break;
        }
    }
    void ApplyContent() override { Rebuild(); }

  private:
    void Rebuild() {
        SendMessageA(hwnd(), WM_SETREDRAW, FALSE, 0);
        SendMessageA(hwnd(), LB_RESETCONTENT, 0, 0);
        widest_ = 0;
        for (const std::string& item : list_.Items())
            Add(item);
        SendMessageA(hwnd(), LB_SETCURSEL, static_cast<WPARAM>(list_.ListIndex()), 0);
        SendMessageA(hwnd(), LB_SETTOPINDEX, static_cast<WPARAM>(list_.TopIndex()), 0);
        SendMessageA(hwnd(), WM_SETREDRAW, TRUE, 0);
        InvalidateRect(hwnd(), nullptr, TRUE);
    }
    void Add(const std::string& item) {
        SendMessageA(hwnd(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        // Long paths and addresses can be scrolled into view sideways.
        HDC dc = GetDC(hwnd());
        HGDIOBJ old =
            SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(hwnd(), WM_GETFONT, 0, 0)));
        SIZE size = {};
        GetTextExtentPoint32A(dc, item.c_str(), static_cast<int>(item.size()), &size);
        SelectObject(dc, old);
        ReleaseDC(hwnd(), dc);
        if (size.cx + 8 > widest_) {
            widest_ = size.cx + 8;
            SendMessageA(hwnd(), LB_SETHORIZONTALEXTENT, static_cast<WPARAM>(widest_), 0);
        }
    }
    void ScrollSeen() {
        auto top = static_cast<int>(SendMessageA(hwnd(), LB_GETTOPINDEX, 0, 0));
        if (!Echo() && top != list_.TopIndex()) list_.SetTopIndexFromUser(top);
    }
    ui::ListBox& list_;
    int widest_ = 0;
    Subclass watch_;
};

class BoundComboBox : public BoundControl {
  public:
    BoundComboBox(ui::ComboBox& model, HWND hwnd) : BoundControl(model, hwnd), combo_(model) {}
    bool Command(int, int code) override {
        if (Echo()) return true;
        if (code == CBN_SELCHANGE) {
            combo_.SetListIndexFromUser(static_cast<int>(SendMessageA(hwnd(), CB_GETCURSEL, 0, 0)));
        } else if (code == CBN_EDITCHANGE) {
            combo_.SetTextFromUser(WindowText(hwnd()));
        }
        return true;
    }

  protected:
    void Apply(ui::Property property) override {
        switch (property) {
            case ui::Property::Items:
                ApplyContent();
                break;
            case ui::Property::ItemAdded:
                SendMessageA(hwnd(), CB_ADDSTRING, 0,
                             reinterpret_cast<LPARAM>(combo_.Items().back().c_str()));
                break;
            case ui::Property::ListIndex:
            case ui::Property::Text:
                ShowText();
                break;
            default:
                BoundControl::Apply(property);
                break;
        }
    }
    void ApplyContent() override {
        SendMessageA(hwnd(), CB_RESETCONTENT, 0, 0);
        for (const std::string& item : combo_.Items()) {
            SendMessageA(hwnd(), CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
        }
        ShowText();
    }

  private:
    void ShowText() {
        SendMessageA(hwnd(), CB_SETCURSEL, static_cast<WPARAM>(combo_.ListIndex()), 0);
        if (combo_.ListIndex() < 0 && combo_.Style() == ui::ComboStyle::DropDown) {
            SetWindowTextA(hwnd(), combo_.Text().c_str());
        }
    }

    ui::ComboBox& combo_;
};

class BoundListView : public BoundListViewRows {
  public:
    BoundListView(ui::ListView& model, HWND hwnd) : BoundListViewRows(model, hwnd), view_(model) {}

  protected:
    int RowCount() const override { return static_cast<int>(view_.Items().size()); }
    void InsertRow(int index) override {
        const ui::ListViewItem& item = view_.Items()[static_cast<std::size_t>(index)];
        std::string text = item.text;
        LVITEMA lv = {};
        lv.mask = LVIF_TEXT | LVIF_IMAGE;
        lv.iItem = index;
        lv.pszText = text.data();
        lv.iImage = item.image > 0 ? item.image - 1 : -1;
        SendMessageA(hwnd(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&lv));
    }

  private:
    ui::ListView& view_;
};

}  // namespace

void BindListBox(ControlHost& host, ui::ListBox& list, const Place& place) {
    HWND hwnd = host.CreateChild(
        "LISTBOX", "", WS_TABSTOP | WS_VSCROLL | WS_HSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT,
        WS_EX_CLIENTEDGE, place);
    host.Keep(std::make_unique<BoundListBox>(list, hwnd), {place.id});
}

void BindComboBox(ControlHost& host, ui::ComboBox& combo, const Place& place, int dropRows) {
    DWORD style = WS_TABSTOP | WS_VSCROLL |
                  (combo.Style() == ui::ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN);
    // The height given to a combo box is that of its open list.
    Place open = place;
    open.rect.h += dropRows * 10;
    HWND hwnd = host.CreateChild("COMBOBOX", "", style, 0, open);
    host.Keep(std::make_unique<BoundComboBox>(combo, hwnd), {place.id});
}

void BindListView(ControlHost& host, ui::ListView& view, const Place& place, HIMAGELIST images) {
    HWND hwnd = host.CreateChild(
        WC_LISTVIEWA, "",
        WS_TABSTOP | LVS_REPORT | LVS_NOCOLUMNHEADER | LVS_SINGLESEL | LVS_SHAREIMAGELISTS,
        WS_EX_CLIENTEDGE, place);
    if (images) SendMessageA(hwnd, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(images));
    RECT client = {};
    GetClientRect(hwnd, &client);
    LVCOLUMNA column = {};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL);
    SendMessageA(hwnd, LVM_INSERTCOLUMNA, 0, reinterpret_cast<LPARAM>(&column));
    host.Keep(std::make_unique<BoundListView>(view, hwnd), {place.id});
}

}  // namespace cw::win32
