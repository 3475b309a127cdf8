#include "report/ErrorReport.h"

#include "text/Convert.h"

namespace cw {

std::string ErrorReport::BuildUrl(const std::string& serverUrl, const std::string& tag, int number,
                                  const std::string& description) {
    std::string base = serverUrl;
    while (!base.empty() && base.back() == '/')
        base.pop_back();
    std::string query = ",,,," + tag + text::ToText(number) + description;
    return base + "/error-reporting/error-msg.php?" + text::PercentEncode(query, ",");
}

void ErrorReport::ReportError(const std::string& tag, const RuntimeError& error) noexcept {
    try {
        if (error.number == 0) return;
        if (!connection_.TestConnection()) return;
        transfer_.Cancel();
        if (transfer_.StillExecuting()) {
            dialogs_.DoEvents();
            dialogs_.DoEvents();
        }
        transfer_.Start(BuildUrl(serverUrl_, tag, error.number, error.description));
    } catch (...) {
        // A report must never disturb the routine that failed.
    }
}

}  // namespace cw
