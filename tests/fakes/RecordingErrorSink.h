#pragma once

#include <string>
#include <vector>

#include "errors/ErrorSink.h"

namespace cw::fakes {

struct ReportedError {
    std::string tag;
    int number = 0;
    std::string description;
};

// Keeps every reported error for the test to inspect.
class RecordingErrorSink : public ErrorSink {
  public:
    void ReportError(const std::string& tag, const RuntimeError& error) noexcept override {
        reports.push_back({tag, error.number, error.description});
    }
    std::vector<ReportedError> reports;
};

}  // namespace cw::fakes
