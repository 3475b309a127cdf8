#pragma once
// The control models a window is made of. Setting a property from code behaves as the
// program has always relied on: assigning a check box's value or a list's selection raises
// its Click event when the value changes. Methods named ...FromUser are for the view: they
// record what the user did without echoing it back, and raise the same events.

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Control.h"

namespace cw::ui {

// A frame (group box) or a static label: a caption only.
class Label : public Control {
  public:
    explicit Label(std::string name, std::string caption = "")
        : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Set(caption_, caption, Property::Caption); }
    Event onClick;
    void Click() { Raise(onClick); }

  private:
    std::string caption_;
};

using Frame = Label;

class Button : public Control {
  public:
    explicit Button(std::string name, std::string caption = "")
        : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& caption) { Set(caption_, caption, Property::Caption); }
    Event onClick;
    // A click by the user or by code ("run the click handler").
    void Click() { Raise(onClick); }

  private:
    std::string caption_;
};

inline constexpr int kUnchecked = 0;
inline constexpr int kChecked = 1;
inline constexpr int kGrayed = 2;

class CheckBox : public Control {
  public:
    explicit CheckBox(std::string name, std::string caption = "")
        : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    int Value() const { return value_; }
    bool Checked() const { return value_ != kUnchecked; }
    // 0, 1 or 2; any other value raises error 380. A change raises Click.
    void SetValue(int value);
    void SetValueFromUser(int value);
    Event onClick;

  private:
    std::string caption_;
    int value_ = kUnchecked;
};

class TextBox : public Control {
  public:
    explicit TextBox(std::string name, std::string text = "")
        : Control(std::move(name)), text_(std::move(text)) {}
    const std::string& Text() const { return text_; }
    // A change raises Change.
    void SetText(const std::string& text);
    void SetTextFromUser(const std::string& text);
    Event onChange;

  private:
    std::string text_;
};

class ListBox : public Control {
  public:
    explicit ListBox(std::string name) : Control(std::move(name)) {}
    int ListCount() const { return static_cast<int>(items_.size()); }
    // The item at index; an index out of range raises error 381 as the list control does.
    const std::string& List(int index) const;
    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(const std::string& item);
    void Clear();
    void SetItems(std::vector<std::string> items);
    int ListIndex() const { return listIndex_; }
    // -1 clears the selection; a change raises Click.
    void SetListIndex(int index);
    void SetListIndexFromUser(int index);
    int TopIndex() const { return topIndex_; }
    void SetTopIndex(int index);
    void SetTopIndexFromUser(int index);
    // The selected item's text, empty when nothing is selected.
    std::string Text() const;
    Event onClick;
    Event onScroll;

  private:
    std::vector<std::string> items_;
    int listIndex_ = -1;
    int topIndex_ = 0;
};

enum class ComboStyle { DropDown, DropDownList };

class ComboBox : public Control {
  public:
    explicit ComboBox(std::string name, ComboStyle style = ComboStyle::DropDown)
        : Control(std::move(name)), style_(style) {}
    ComboStyle Style() const { return style_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    const std::string& List(int index) const;
    const std::vector<std::string>& Items() const { return items_; }
    void AddItem(const std::string& item);
    void Clear();
    int ListIndex() const { return listIndex_; }
    // Selects an item and shows its text; a change raises Click.
    void SetListIndex(int index);
    void SetListIndexFromUser(int index);
    const std::string& Text() const { return text_; }
    // Shows a text; it selects the item of the same text when there is one. A drop-down
    // list accepts only the text of one of its items (else error 383).
    void SetText(const std::string& text);
    void SetTextFromUser(const std::string& text);
    Event onClick;
    Event onChange;

  private:
    ComboStyle style_;
    std::vector<std::string> items_;
    int listIndex_ = -1;
    std::string text_;
};

class ProgressBar : public Control {
  public:
    explicit ProgressBar(std::string name) : Control(std::move(name)) {}
    int Min() const { return min_; }
    int Max() const { return max_; }
    int Value() const { return value_; }
    void SetMax(int max);
    // A value outside Min..Max raises error 380.
    void SetValue(int value);

  private:
    int min_ = 0;
    int max_ = 100;
    int value_ = 0;
};

class StatusBar : public Control {
  public:
    explicit StatusBar(std::string name) : Control(std::move(name)) {}
    const std::string& Text() const { return text_; }
    void SetText(const std::string& text) { Set(text_, text, Property::Text); }

  private:
    std::string text_;
};

class Timer : public Control {
  public:
    Timer(std::string name, int intervalMs, bool enabled)
        : Control(std::move(name)), interval_(intervalMs) {
        SetEnabled(enabled);
    }
    int Interval() const { return interval_; }
    void SetInterval(int ms) { Set(interval_, ms, Property::Interval); }
    Event onTimer;
    // One tick: the view calls it on WM_TIMER, tests call it directly.
    void Tick() {
        if (Enabled()) Raise(onTimer);
    }

  private:
    int interval_;
};

class MenuItem : public Control {
  public:
    MenuItem(std::string name, std::string caption)
        : Control(std::move(name)), caption_(std::move(caption)) {}
    const std::string& Caption() const { return caption_; }
    Event onClick;
    void Click() { Raise(onClick); }

  private:
    std::string caption_;
};

struct ListViewItem {
    std::string text;
    int image = 0;  // 0 = no image, else the 1-based image of the window's image list
};

class ListView : public Control {
  public:
    explicit ListView(std::string name) : Control(std::move(name)) {}
    const std::vector<ListViewItem>& Items() const { return items_; }
    void Add(const std::string& text, int image);
    void Clear();

  private:
    std::vector<ListViewItem> items_;
};

// A time-of-day picker with a custom display format.
class TimePicker : public Control {
  public:
    TimePicker(std::string name, std::string format)
        : Control(std::move(name)), format_(std::move(format)) {}
    const std::string& Format() const { return format_; }
    int Hour() const { return hour_; }
    int Minute() const { return minute_; }
    int Second() const { return second_; }
    void SetTime(int hour, int minute, int second);
    void SetTimeFromUser(int hour, int minute, int second);
    Event onChange;

  private:
    std::string format_;
    int hour_ = 0;
    int minute_ = 0;
    int second_ = 0;
};

struct ToolbarButton {
    std::string caption;
    std::string toolTip;
    bool pressed = false;
};

// Toolbar buttons are numbered from 1, as the window has always numbered them.
class Toolbar : public Control {
  public:
    Toolbar(std::string name, std::vector<ToolbarButton> buttons)
        : Control(std::move(name)), buttons_(std::move(buttons)) {}
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    const ToolbarButton& Button(int index) const;
    void SetPressed(int index, bool pressed);
    std::function<void(int)> onButtonClick;
    void ButtonClick(int index);

  private:
    std::vector<ToolbarButton> buttons_;
};

// A picture with a tool tip; decoration only.
class Image : public Control {
  public:
    Image(std::string name, std::string toolTip = "")
        : Control(std::move(name)), toolTip_(std::move(toolTip)) {}
    const std::string& ToolTip() const { return toolTip_; }

  private:
    std::string toolTip_;
};

}  // namespace cw::ui
