#include "ui/Controls.h"

#include "errors/RuntimeError.h"

namespace cw::ui {

namespace {
constexpr int kInvalidPropertyArrayIndex = 381;
constexpr int kCannotSetText = 383;
}  // namespace

void CheckBox::SetValue(int value) {
    if (value < kUnchecked || value > kGrayed) throw RuntimeError(err::kInvalidPropertyValue);
    if (Set(value_, value, Property::Value)) Raise(onClick);
}

void CheckBox::SetValueFromUser(int value) {
    if (value == value_ || value < kUnchecked || value > kGrayed) return;
    value_ = value;
    Raise(onClick);
}

void TextBox::SetText(const std::string& text) {
    if (Set(text_, text, Property::Text)) Raise(onChange);
}

void TextBox::SetTextFromUser(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    Raise(onChange);
}

const std::string& ListBox::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw RuntimeError(kInvalidPropertyArrayIndex, "Invalid property array index");
    }
    return items_[static_cast<std::size_t>(index)];
}

void ListBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Notify(Property::ItemAdded);
}

void ListBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    topIndex_ = 0;
    Notify(Property::Items);
}

void ListBox::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    listIndex_ = -1;
    topIndex_ = 0;
    Notify(Property::Items);
}

void ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) {
        throw RuntimeError(err::kInvalidPropertyValue);
    }
    if (Set(listIndex_, index, Property::ListIndex)) Raise(onClick);
}

void ListBox::SetListIndexFromUser(int index) {
    if (index == listIndex_ || index < -1 || index >= ListCount()) return;
    listIndex_ = index;
    Raise(onClick);
}

void ListBox::SetTopIndex(int index) {
    if (index < 0) index = 0;
    if (index >= ListCount()) index = ListCount() > 0 ? ListCount() - 1 : 0;
    Set(topIndex_, index, Property::TopIndex);
}

void ListBox::SetTopIndexFromUser(int index) {
    if (index == topIndex_) return;
    topIndex_ = index;
    Raise(onScroll);
}

std::string ListBox::Text() const {
    return listIndex_ >= 0 ? items_[static_cast<std::size_t>(listIndex_)] : std::string();
}

const std::string& ComboBox::List(int index) const {
    if (index < 0 || index >= ListCount()) {
        throw RuntimeError(kInvalidPropertyArrayIndex, "Invalid property array index");
    }
    return items_[static_cast<std::size_t>(index)];
}

void ComboBox::AddItem(const std::string& item) {
    items_.push_back(item);
    Notify(Property::ItemAdded);
}

void ComboBox::Clear() {
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    Notify(Property::Items);
}

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) throw RuntimeError(err::kInvalidPropertyValue);
    if (index == listIndex_) return;
    listIndex_ = index;
    text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    Notify(Property::ListIndex);
    Raise(onClick);
}

void ComboBox::SetListIndexFromUser(int index) {
    if (index == listIndex_ || index < -1 || index >= ListCount()) return;
    listIndex_ = index;
    text_ = index >= 0 ? items_[static_cast<std::size_t>(index)] : std::string();
    Raise(onClick);
}

void ComboBox::SetText(const std::string& text) {
    int found = -1;
    for (int i = 0; i < ListCount(); ++i) {
        if (items_[static_cast<std::size_t>(i)] == text) {
            found = i;
            break;
        }
    }
    if (style_ == ComboStyle::DropDownList && found < 0 && !text.empty()) {
        throw RuntimeError(kCannotSetText, "'Text' property is read-only");
    }
    bool changed = text != text_;
    text_ = text;
    listIndex_ = found;
    Notify(Property::Text);
    if (changed) Raise(onChange);
}

void ComboBox::SetTextFromUser(const std::string& text) {
    if (text == text_) return;
    text_ = text;
    listIndex_ = -1;
    for (int i = 0; i < ListCount(); ++i) {
        if (items_[static_cast<std::size_t>(i)] == text) listIndex_ = i;
    }
    Raise(onChange);
}

void ProgressBar::SetMax(int max) {
    if (max <= min_) throw RuntimeError(err::kInvalidPropertyValue);
    if (Set(max_, max, Property::Range) && value_ > max_) value_ = max_;
}

void ProgressBar::SetValue(int value) {
    if (value < min_ || value > max_) throw RuntimeError(err::kInvalidPropertyValue);
    Set(value_, value, Property::Value);
}

void ListView::Add(const std::string& text, int image) {
    items_.push_back({text, image});
    Notify(Property::ItemAdded);
}

void ListView::Clear() {
    items_.clear();
    Notify(Property::Items);
}

void TimePicker::SetTime(int hour, int minute, int second) {
    if (hour < 0 || hour > 23 || minute < 0 || minute > 59 || second < 0 || second > 59) {
        throw RuntimeError(err::kInvalidPropertyValue);
    }
    bool changed = hour != hour_ || minute != minute_ || second != second_;
    hour_ = hour;
    minute_ = minute;
    second_ = second;
    if (changed) {
        Notify(Property::Value);
        Raise(onChange);
    }
}

void TimePicker::SetTimeFromUser(int hour, int minute, int second) {
    if (hour == hour_ && minute == minute_ && second == second_) return;
    hour_ = hour;
    minute_ = minute;
    second_ = second;
    Raise(onChange);
}

const ToolbarButton& Toolbar::Button(int index) const {
    if (index < 1 || index > ButtonCount()) throw RuntimeError(err::kSubscriptOutOfRange);
    return buttons_[static_cast<std::size_t>(index - 1)];
}

void Toolbar::SetPressed(int index, bool pressed) {
    Button(index);
    auto& b = buttons_[static_cast<std::size_t>(index - 1)];
    if (b.pressed == pressed) return;
    b.pressed = pressed;
    Notify(Property::Buttons);
}

void Toolbar::ButtonClick(int index) {
    if (onButtonClick) onButtonClick(index);
}

}  // namespace cw::ui
