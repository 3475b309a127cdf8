#include "clean/AnalysisWindow.h"

#include <algorithm>
#include <string>

#include "errors/ErrorTrap.h"
#include "text/Ansi.h"

namespace cw {

std::string TracesColumn(const CleaningPlan& plan, int traces) {
    const auto restart =
        std::count_if(plan.targets.begin(), plan.targets.end(),
                      [](const CleaningTarget& t) { return t.kind == TargetKind::AtRestart; });
    const bool byWindows =
        std::any_of(plan.targets.begin(), plan.targets.end(),
                    [](const CleaningTarget& t) { return t.kind == TargetKind::AtRunTime; });
    std::string text = traces > 0 || (!restart && !byWindows) ? std::to_string(traces) : "";
    auto more = [&](const std::string& part) { text += (text.empty() ? "" : " + ") + part; };
    if (byWindows) more("by Windows");
    if (restart) more(std::to_string(restart) + " at restart");
    return text;
}

AnalysisWindow::AnalysisWindow(ItemCleaners& cleaners, ErrorSink& errors)
    : cleaners_(cleaners), errors_(errors) {
    c_.cmdClose.onClick = [this] {
        // A closed window reads nothing more.
        c_.timAnalyze.SetEnabled(false);
        if (onUnload) onUnload();
    };
    c_.timAnalyze.onTimer = [this] { timAnalyze_Timer(); };
}

void AnalysisWindow::Start(std::vector<CleaningItem> items) {
    items_ = std::move(items);
    next_ = 0;
    total_ = {};
    seen_.clear();
    keptIE_ = keptNavigator_ = 0;
    c_.lvwAnalysis.Clear();
    c_.prgAnalysis.SetValue(0);
    c_.prgAnalysis.SetMax(std::max<int>(1, static_cast<int>(items_.size())));
    ShowStep();
    c_.timAnalyze.SetEnabled(true);
    if (Finished()) Finish();
}

void AnalysisWindow::ShowStep() {
    if (Finished()) return;
    c_.lblStatus.SetCaption("Analyzing " + std::string(RowOf(items_[next_]).label) + "... (" +
                            std::to_string(next_ + 1) + " of " + std::to_string(items_.size()) +
                            ")");
}

void AnalysisWindow::timAnalyze_Timer() {
    // A plan that lets messages through meanwhile does not start the next one.
    if (Finished() || planning_) return;
    const CleaningItem item = items_[next_++];
    ErrorTrap trap(TrapKind::ReportAndContinue, &errors_, "frmAnalysis,timAnalyze_Timer");
    // An item that cannot be read shows as such; the others go on.
    ui::ReportList::Row row = {RowOf(item).label, "not readable", ""};
    planning_ = true;
    trap([&] {
        const CleaningPlan plan = cleaners_.Plan(item);
        const PlanTotals totals = NewTotals(plan);
        row = {RowOf(item).label, TracesColumn(plan, totals.traces), DescribeSize(totals.bytes)};
        total_ += totals;
        if (item == CleaningItem::NetscapeCookies) {
            keptNavigator_ = plan.keptCookies;
        } else {
            keptIE_ = std::max(keptIE_, plan.keptCookies);
        }
    });
    planning_ = false;
    c_.lvwAnalysis.AddRow(row);
    c_.prgAnalysis.SetValue(static_cast<int>(next_));
    if (Finished()) {
        Finish();
    } else {
        ShowStep();
    }
}

PlanTotals AnalysisWindow::NewTotals(const CleaningPlan& plan) {
    PlanTotals totals;
    for (const CleaningTarget& target : plan.targets) {
        if (!target.RemovesTrace()) continue;
        const std::string key =
            std::to_string(static_cast<int>(target.kind)) + "|" + text::LowerAnsi(target.where);
        if (!seen_.insert(key).second) continue;
        totals.traces += target.traces;
        totals.bytes += target.size;
    }
    return totals;
}

void AnalysisWindow::Finish() {
    c_.timAnalyze.SetEnabled(false);
    const int kept = keptIE_ + keptNavigator_;
    if (kept > 0) c_.lvwAnalysis.AddRow({kKeptCookiesRow, std::to_string(kept)});
    c_.lvwAnalysis.AddRow(
        {kAllItemsRow, std::to_string(total_.traces), DescribeSize(total_.bytes)});
    c_.prgAnalysis.SetValue(c_.prgAnalysis.Max());
    c_.lblStatus.SetCaption(items_.empty() ? "No item is ticked on the Privacy page."
                                           : "Wiping these items would remove " +
                                                 DescribeTraces(total_.traces) + " and free " +
                                                 DescribeSize(total_.bytes) + ".");
}

}  // namespace cw
