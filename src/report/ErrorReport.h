#pragma once
// Sends a trapped error to the maker's server while the machine is online: one GET of
// "/error-reporting/error-msg.php?" followed by four empty fields, the error tag, the error
// number and its description, percent-encoded with commas kept.

#include <string>

#include "errors/ErrorSink.h"
#include "platform/Internet.h"
#include "report/ConnectionTest.h"
#include "ui/Dialogs.h"

namespace cw {

class ErrorReport : public ErrorSink {
  public:
    // transfer is the main window's transfer control, shared with the update check.
    ErrorReport(ConnectionTest& connection, Transfer& transfer, ui::Dialogs& dialogs,
                std::string serverUrl)
        : connection_(connection),
          transfer_(transfer),
          dialogs_(dialogs),
          serverUrl_(std::move(serverUrl)) {}

    void ReportError(const std::string& tag, const RuntimeError& error) noexcept override;

    static std::string BuildUrl(const std::string& serverUrl, const std::string& tag, int number,
                                const std::string& description);

  private:
    ConnectionTest& connection_;
    Transfer& transfer_;
    ui::Dialogs& dialogs_;
    std::string serverUrl_;
};

}  // namespace cw
