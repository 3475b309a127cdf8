#pragma once
// Base of the control models: a named control with its enabled and visible state. A model
// tells one observer (the view that shows it) about every change of its state, and raises
// its events (Click, Change, ...) to the handlers the window model connects.

#include <functional>
#include <string>
#include <utility>

namespace cw::ui {

enum class Property {
    Enabled,
    Visible,
    Caption,
    Text,
    Value,
    Items,      // the items changed as a whole (cleared, replaced, one removed)
    ItemAdded,  // one item was appended: a view adds just that one
    ListIndex,
    TopIndex,
    Range,
    Interval,
    Buttons,
};

class Control;

class ControlObserver {
  public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control, Property property) = 0;
};

using Event = std::function<void()>;

class Control {
  public:
    explicit Control(std::string name) : name_(std::move(name)) {}
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;
    virtual ~Control() = default;

    const std::string& Name() const { return name_; }

    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { Set(enabled_, enabled, Property::Enabled); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Set(visible_, visible, Property::Visible); }

    void SetObserver(ControlObserver* observer) { observer_ = observer; }
    ControlObserver* Observer() const { return observer_; }

  protected:
    void Notify(Property property) {
        if (observer_) observer_->ControlChanged(*this, property);
    }
    template <class T>
    bool Set(T& field, const T& value, Property property) {
        if (field == value) return false;
        field = value;
        Notify(property);
        return true;
    }
    static void Raise(const Event& event) {
        if (event) event();
    }

  private:
    std::string name_;
    bool enabled_ = true;
    bool visible_ = true;
    ControlObserver* observer_ = nullptr;
};

}  // namespace cw::ui
