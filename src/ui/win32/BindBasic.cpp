// Bindings of the single-valued controls: pages, frames, labels, buttons, check boxes,
// text boxes, progress bars, the status bar, timers, pictures and the time picker.

#include <memory>

#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace {

class BoundPage : public BoundControl {
  public:
    BoundPage(ui::Frame& page, HWND hwnd, std::function<void(HWND)> fill)
        : BoundControl(page, hwnd), fill_(std::move(fill)) {}

  protected:
    void Apply(ui::Property property) override {
        // A window shows one page at a time; making the others' controls only when they
        // first show keeps the start quick (under Wine each drop-down list is a window of
        // the display server).
        if (property == ui::Property::Visible && model().Visible() && fill_) {
            std::function<void(HWND)> fill = std::move(fill_);
            fill_ = nullptr;
            fill(hwnd());
        }
        BoundControl::Apply(property);
    }
    void ApplyContent() override {}

  private:
    std::function<void(HWND)> fill_;
};

class BoundLabel : public BoundControl {
  public:
    BoundLabel(ui::Label& model, HWND hwnd) : BoundControl(model, hwnd), label_(model) {}
    bool Command(int, int code) override {
        if (code == STN_CLICKED || code == BN_CLICKED) label_.Click();
        return true;
    }

  protected:
    void ApplyContent() override { SetWindowTextA(hwnd(), label_.Caption().c_str()); }

  private:
    ui::Label& label_;
};

class BoundButton : public BoundControl {
  public:
    BoundButton(ui::Button& model, HWND hwnd) : BoundControl(model, hwnd), button_(model) {}
    bool Command(int, int code) override {
        if (code == BN_CLICKED && !Echo()) button_.Click();
        return true;
    }

  protected:
    void ApplyContent() override { SetWindowTextA(hwnd(), button_.Caption().c_str()); }

  private:
    ui::Button& button_;
};

class BoundCheckBox : public BoundControl {
  public:
    BoundCheckBox(ui::CheckBox& model, HWND hwnd) : BoundControl(model, hwnd), box_(model) {}
    bool Command(int, int code) override {
        if (code == BN_CLICKED && !Echo()) {
            auto state = static_cast<int>(SendMessageA(hwnd(), BM_GETCHECK, 0, 0));
            box_.SetValueFromUser(state == BST_CHECKED ? ui::kChecked : ui::kUnchecked);
        }
        return true;
    }

  protected:
    void ApplyContent() override {
        SetWindowTextA(hwnd(), box_.Caption().c_str());
        WPARAM state = box_.Value() == ui::kChecked  ? BST_CHECKED
                       : box_.Value() == ui::kGrayed ? BST_INDETERMINATE
                                                     : BST_UNCHECKED;
        SendMessageA(hwnd(), BM_SETCHECK, state, 0);
    }

  private:
    ui::CheckBox& box_;
};

class BoundTextBox : public BoundControl {
  public:
    BoundTextBox(ui::TextBox& model, HWND hwnd) : BoundControl(model, hwnd), text_(model) {}
    bool Command(int, int code) override {
        if (code == EN_CHANGE && !Echo()) text_.SetTextFromUser(WindowText(hwnd()));
        return true;
    }

  protected:
    void ApplyContent() override {
        if (WindowText(hwnd()) != text_.Text()) SetWindowTextA(hwnd(), text_.Text().c_str());
    }

  private:
    ui::TextBox& text_;
};

class BoundProgressBar : public BoundControl {
  public:
    BoundProgressBar(ui::ProgressBar& model, HWND hwnd) : BoundControl(model, hwnd), bar_(model) {}

  protected:
    void ApplyContent() override {
        SendMessageA(hwnd(), PBM_SETRANGE32, static_cast<WPARAM>(bar_.Min()), bar_.Max());
        SendMessageA(hwnd(), PBM_SETPOS, static_cast<WPARAM>(bar_.Value()), 0);
    }

  private:
    ui::ProgressBar& bar_;
};

// The bar shows one line. A line break goes; where it parted two words a blank stays
// ("...via a LAN" CR LF "." reads "...via a LAN.").
std::string OneLine(const std::string& text) {
    std::string line;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char ch = text[i];
        if (ch != '\r' && ch != '\n') {
            line += ch;
            continue;
        }
        while (i + 1 < text.size() && (text[i + 1] == '\r' || text[i + 1] == '\n'))
            ++i;
        bool wordBefore = !line.empty() && IsCharAlphaNumericA(line.back());
        bool wordAfter = i + 1 < text.size() && IsCharAlphaNumericA(text[i + 1]);
        if (wordBefore && wordAfter) line += ' ';
    }
    return line;
}

class BoundStatusBar : public BoundControl {
  public:
    BoundStatusBar(ui::StatusBar& model, HWND hwnd) : BoundControl(model, hwnd), bar_(model) {}

  protected:
    void ApplyContent() override {
        std::string shown = OneLine(bar_.Text());
        SendMessageA(hwnd(), SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    }

  private:
    ui::StatusBar& bar_;
};

// A timer runs while its model is enabled with a positive interval.
class BoundTimer : public BoundControl {
  public:
    BoundTimer(ui::Timer& model, HWND window, int id)
        : BoundControl(model, window), timer_(model), id_(id) {}
    ~BoundTimer() override {
        if (IsWindow(hwnd())) KillTimer(hwnd(), static_cast<UINT_PTR>(id_));
    }
    bool Tick() override {
        timer_.Tick();
        return true;
    }

  protected:
    void Apply(ui::Property) override { ApplyContent(); }
    void ApplyContent() override {
        if (timer_.Enabled() && timer_.Interval() > 0) {
            SetTimer(hwnd(), static_cast<UINT_PTR>(id_), static_cast<UINT>(timer_.Interval()),
                     nullptr);
        } else {
            KillTimer(hwnd(), static_cast<UINT_PTR>(id_));
        }
    }

  private:
    ui::Timer& timer_;
    int id_;
};

class BoundPicture : public BoundControl {
  public:
    BoundPicture(ui::Image& model, HWND hwnd, Painter painter)
        : BoundControl(model, hwnd), painter_(std::move(painter)) {}
    bool DrawItem(const DRAWITEMSTRUCT& item) override {
        if (painter_) painter_(item.hDC, item.rcItem);
        return true;
    }

  protected:
    void ApplyContent() override {}

  private:
    Painter painter_;
};

class BoundTimePicker : public BoundControl {
  public:
    BoundTimePicker(ui::TimePicker& model, HWND hwnd) : BoundControl(model, hwnd), picker_(model) {}
    std::optional<LRESULT> Notify(const NMHDR& header) override {
        if (header.code == DTN_DATETIMECHANGE && !Echo()) {
            const auto& change = reinterpret_cast<const NMDATETIMECHANGE&>(header);
            if (change.dwFlags == GDT_VALID) {
                picker_.SetTimeFromUser(change.st.wHour, change.st.wMinute, change.st.wSecond);
            }
        }
        return 0;
    }

  protected:
    void ApplyContent() override {
        SendMessageA(hwnd(), DTM_SETFORMATA, 0, reinterpret_cast<LPARAM>(picker_.Format().c_str()));
        SYSTEMTIME st = {};
        GetLocalTime(&st);
        st.wHour = static_cast<WORD>(picker_.Hour());
        st.wMinute = static_cast<WORD>(picker_.Minute());
        st.wSecond = static_cast<WORD>(picker_.Second());
        st.wMilliseconds = 0;
        SendMessageA(hwnd(), DTM_SETSYSTEMTIME, GDT_VALID, reinterpret_cast<LPARAM>(&st));
    }

  private:
    ui::TimePicker& picker_;
};

}  // namespace

HWND BindPage(ControlHost& host, ui::Frame& page, int id, const RECT& pixels,
              std::function<void(HWND page)> fill) {
    HWND hwnd = CreatePage(host, id, pixels);
    host.Keep(std::make_unique<BoundPage>(page, hwnd, std::move(fill)), {id});
    return hwnd;
}

void BindFrame(ControlHost& host, ui::Frame& frame, const Place& place) {
    HWND hwnd = host.CreateChild("BUTTON", frame.Caption(), BS_GROUPBOX, 0, place);
    host.Keep(std::make_unique<BoundLabel>(frame, hwnd), {place.id});
}

void BindLabel(ControlHost& host, ui::Label& label, const Place& place, HFONT font) {
    HWND hwnd =
        host.CreateChild("STATIC", label.Caption(), SS_LEFT | SS_NOPREFIX | SS_NOTIFY, 0, place);
    if (font) SendMessageA(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    host.Keep(std::make_unique<BoundLabel>(label, hwnd), {place.id});
}

void BindButton(ControlHost& host, ui::Button& button, const Place& place) {
    HWND hwnd = host.CreateChild("BUTTON", button.Caption(), BS_PUSHBUTTON | WS_TABSTOP, 0, place);
    host.Keep(std::make_unique<BoundButton>(button, hwnd), {place.id});
}

void BindCheckBox(ControlHost& host, ui::CheckBox& box, const Place& place) {
    HWND hwnd = host.CreateChild("BUTTON", box.Caption(), BS_AUTOCHECKBOX | WS_TABSTOP, 0, place);
    host.Keep(std::make_unique<BoundCheckBox>(box, hwnd), {place.id});
}

void BindTextBox(ControlHost& host, ui::TextBox& text, const Place& place, TextStyle style) {
    DWORD s = WS_TABSTOP | ES_AUTOHSCROLL;
    if (style.multiline) s = WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | WS_VSCROLL;
    if (style.readOnly) s |= ES_READONLY;
    HWND hwnd = host.CreateChild("EDIT", text.Text(), s, WS_EX_CLIENTEDGE, place);
    host.Keep(std::make_unique<BoundTextBox>(text, hwnd), {place.id});
}

void BindProgressBar(ControlHost& host, ui::ProgressBar& bar, const Place& place) {
    HWND hwnd = host.CreateChild(PROGRESS_CLASSA, "", 0, 0, place);
    host.Keep(std::make_unique<BoundProgressBar>(bar, hwnd), {place.id});
}

HWND BindStatusBar(ControlHost& host, ui::StatusBar& bar, int id) {
    // One part across the whole bar; WM_GETTEXT reads it.
    HWND hwnd =
        host.CreateChildAt(STATUSCLASSNAMEA, "", WS_VISIBLE | CCS_BOTTOM, 0, id, nullptr, {});
    host.Keep(std::make_unique<BoundStatusBar>(bar, hwnd), {id});
    return hwnd;
}

void BindTimer(ControlHost& host, ui::Timer& timer, int id) {
    host.Keep(std::make_unique<BoundTimer>(timer, host.window(), id), {id});
}

void BindImage(ControlHost& host, ui::Image& image, const Place& place, HICON icon) {
    HWND hwnd = host.CreateChild("STATIC", "", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY, 0, place);
    SendMessageA(hwnd, STM_SETICON, reinterpret_cast<WPARAM>(icon), 0);
    if (!image.ToolTip().empty()) host.AddToolTip(hwnd, image.ToolTip());
    host.Keep(std::make_unique<BoundPicture>(image, hwnd, Painter{}), {place.id});
}

void BindPicture(ControlHost& host, ui::Image& image, const Place& place, Painter painter) {
    HWND hwnd = host.CreateChild("STATIC", "", SS_OWNERDRAW | SS_NOTIFY, 0, place);
    if (!image.ToolTip().empty()) host.AddToolTip(hwnd, image.ToolTip());
    host.Keep(std::make_unique<BoundPicture>(image, hwnd, std::move(painter)), {place.id});
}

void BindTimePicker(ControlHost& host, ui::TimePicker& picker, const Place& place) {
    HWND hwnd = host.CreateChild(DATETIMEPICK_CLASSA, "", WS_TABSTOP | DTS_TIMEFORMAT | DTS_UPDOWN,
                                 0, place);
    host.Keep(std::make_unique<BoundTimePicker>(picker, hwnd), {place.id});
}

}  // namespace cw::win32
