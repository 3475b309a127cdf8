#pragma once
// The analysis window ("Analysis -- Clearwell"): what "Wipe Selected Items" would remove,
// item by item in run order, worked out from the items' plans and carrying out none of them.
// One item is planned per tick of its timer, so the window stays responsive and shows its
// progress while a large cache or temporary folder is read. A target an earlier item of the
// run already removes (a cookie entry of both Internet Explorer items) counts with that
// item only, as the wipe meets it.

#include <set>
#include <string>
#include <vector>

#include "clean/CleaningItems.h"
#include "clean/CleaningPlan.h"
#include "clean/ItemCleaners.h"
#include "errors/ErrorSink.h"
#include "ui/Controls.h"
#include "ui/ReportList.h"

namespace cw {

inline constexpr const char kAnalysisCaption[] = "Analysis -- Clearwell";
inline constexpr const char kAllItemsRow[] = "All items";
inline constexpr const char kKeptCookiesRow[] = "Kept cookies";

struct AnalysisControls {
    ui::ReportList lvwAnalysis{"lvwAnalysis",
                               {{"Item", 133, false}, {"Traces", 60, true}, {"Size", 53, true}}};
    ui::Label lblStatus{"lblStatus"};  // the item being read, then the outcome
    ui::ProgressBar prgAnalysis{"prgAnalysis"};
    ui::Button cmdClose{"cmdClose", "Close"};
    // Plans the next item; runs while the analysis does.
    ui::Timer timAnalyze{"timAnalyze", 10, false};
};

class AnalysisWindow {
  public:
    // Connects Close and the timer.
    AnalysisWindow(ItemCleaners& cleaners, ErrorSink& errors);
    AnalysisWindow(const AnalysisWindow&) = delete;
    AnalysisWindow& operator=(const AnalysisWindow&) = delete;

    const char* Caption() const { return kAnalysisCaption; }
    AnalysisControls& Controls() { return c_; }

    // Starts over with these items, in run order: the rows so far go.
    void Start(std::vector<CleaningItem> items);
    bool Finished() const { return next_ >= items_.size(); }
    // Plans the next item and shows its row; after the last one the totals.
    void timAnalyze_Timer();

    // The view closes the window when this is raised (Close, Esc, the close box).
    ui::Event onUnload;

  private:
    void ShowStep();
    void Finish();
    // What the plan removes that no earlier item does.
    PlanTotals NewTotals(const CleaningPlan& plan);

    AnalysisControls c_;
    ItemCleaners& cleaners_;
    ErrorSink& errors_;
    std::vector<CleaningItem> items_;
    std::size_t next_ = 0;
    bool planning_ = false;
    PlanTotals total_;
    std::set<std::string> seen_;  // the targets of the items so far
    // Both Internet Explorer items meet the same kept cookies; Navigator's are its own.
    int keptIE_ = 0;
    int keptNavigator_ = 0;
};

// The "Traces" text of a plan that removes this many traces: the count, and the targets
// counted only as the wipe meets them ("by Windows": the shell's own calls) or at the next
// start ("at restart").
std::string TracesColumn(const CleaningPlan& plan, int traces);

}  // namespace cw
