#pragma once
// A list of rows in columns under a header, as the report view of Windows' list control shows
// them: the columns are fixed when the list is made, the rows replaced or added one at a time.

#include <string>
#include <vector>

#include "ui/Control.h"

namespace cw::ui {

struct ReportColumn {
    std::string caption;
    int width = 0;  // in dialog units
    bool rightAligned = false;
};

class ReportList : public Control {
  public:
    using Row = std::vector<std::string>;  // one text per column

    ReportList(std::string name, std::vector<ReportColumn> columns)
        : Control(std::move(name)), columns_(std::move(columns)) {}
    const std::vector<ReportColumn>& Columns() const { return columns_; }
    const std::vector<Row>& Rows() const { return rows_; }
    // A row with fewer texts than columns leaves the rest empty; more is an error (380).
    void AddRow(Row row);
    void Clear();

  private:
    std::vector<ReportColumn> columns_;
    std::vector<Row> rows_;
};

}  // namespace cw::ui
