#include "ui/ReportList.h"

#include "errors/RuntimeError.h"

namespace cw::ui {

void ReportList::AddRow(Row row) {
    if (row.size() > columns_.size()) throw RuntimeError(err::kInvalidPropertyValue);
    row.resize(columns_.size());
    rows_.push_back(std::move(row));
    Notify(Property::ItemAdded);
}

void ReportList::Clear() {
    if (rows_.empty()) return;
    rows_.clear();
    Notify(Property::Items);
}

}  // namespace cw::ui
