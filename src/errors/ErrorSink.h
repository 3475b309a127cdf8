#pragma once
// Where error traps send the failures they report.

#include <string>

#include "errors/RuntimeError.h"

namespace cw {

class ErrorSink {
  public:
    virtual ~ErrorSink() = default;
    // tag is the owner name and the routine text, e.g. "frmMain,Form_Load". Never throws.
    virtual void ReportError(const std::string& tag, const RuntimeError& error) noexcept = 0;
};

}  // namespace cw
