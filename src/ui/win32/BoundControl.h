#pragma once
// A control model bound to the real control that shows it. Changes of the model reach the
// control through the observer call; what the user does in the control reaches the model
// through its ...FromUser methods, which raise the model's events.

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

#include "ui/Control.h"

namespace cw::win32 {

class BoundControl : public ui::ControlObserver {
  public:
    BoundControl(ui::Control& model, HWND hwnd);
    BoundControl(const BoundControl&) = delete;
    BoundControl& operator=(const BoundControl&) = delete;
    ~BoundControl() override;

    HWND hwnd() const { return hwnd_; }
    ui::Control& model() { return model_; }

    void ControlChanged(ui::Control& control, ui::Property property) final;
    // Shows the whole state of the model; called once the control exists.
    void ApplyAll();

    // Notifications of the control; each answers whether it handled one.
    virtual bool Command(int id, int code);
    virtual std::optional<LRESULT> Notify(const NMHDR& header);
    virtual bool Tick();
    virtual bool DrawItem(const DRAWITEMSTRUCT& item);

  protected:
    // Brings one property of the control in line with the model. The base handles Enabled
    // and Visible; ApplyContent the rest.
    virtual void Apply(ui::Property property);
    virtual void ApplyContent() = 0;
    // While the binding itself changes the control, the control's notifications are echoes
    // and are not passed to the model.
    bool Echo() const { return applying_ > 0; }

  private:
    void MoveFocusOn();

    ui::Control& model_;
    HWND hwnd_;
    int applying_ = 0;
};

// A list-view control whose model holds rows: refilled whole when the rows change, grown by
// one row when one is added, and kept scrolled to the newest row.
class BoundListViewRows : public BoundControl {
  public:
    using BoundControl::BoundControl;

  protected:
    virtual int RowCount() const = 0;
    // Inserts the model's row at the index (and its columns, if any).
    virtual void InsertRow(int index) = 0;
    void Apply(ui::Property property) override;
    void ApplyContent() override;

  private:
    void Insert(int index);
};

std::string WindowText(HWND hwnd);

}  // namespace cw::win32
