#include "app/win32/AnalysisFrame.h"

#include "app/ControlIds.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace a = ids::frmAnalysis;

AnalysisFrame::AnalysisFrame(AnalysisWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAnalysis", model.Caption(), {0, 0, 280, 200}, errors,
                    "frmAnalysis,WindowProc"),
      model_(model) {
    // The table of items, under it what is being read, the progress bar and Close.
    AnalysisControls& c = model_.Controls();
    const LayoutRow layout[] = {
        {&c.lvwAnalysis, a::lvwAnalysis, {8, 8, 264, 149}},
        {&c.lblStatus, a::lblStatus, {8, 163, 264, 10}},
        {&c.prgAnalysis, a::prgAnalysis, {8, 179, 192, 12}},
        {&c.cmdClose, a::cmdClose, {211, 176, 61, 16}},
    };
    BindAll(host(), layout);
    BindTimer(host(), c.timAnalyze, a::timAnalyze);
    SetDefaultButton(a::cmdClose);
    SetFirstFocus(a::cmdClose);
}

void AnalysisFrame::OnEscape() {
    model_.Controls().cmdClose.Click();
}

void AnalysisFrame::OnCloseBox() {
    model_.Controls().cmdClose.Click();
}

}  // namespace cw::win32
