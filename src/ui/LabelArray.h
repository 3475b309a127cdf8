#pragma once
// A pair of labels sharing one name, as the System Info page shows its figures: element 0
// carries the caption, element 1 the value.

#include <string>

#include "ui/Controls.h"

namespace cw::ui {

class LabelPair {
  public:
    LabelPair(const std::string& name, const std::string& caption)
        : caption_(name + "(0)", caption), value_(name + "(1)") {}
    Label& operator[](int index) { return index == 0 ? caption_ : value_; }
    Label& Caption() { return caption_; }
    Label& Value() { return value_; }

  private:
    Label caption_;
    Label value_;
};

}  // namespace cw::ui
