#include "app/win32/AnalysisFrame.h"

#include "app/ControlIds.h"
#include "app/win32/AnalysisLayout.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace a = ids::frmAnalysis;

namespace {

Place At(int id, std::string_view name) {
    return PlaceOf(kAnalysisLayout, name, id);
}

}  // namespace

AnalysisFrame::AnalysisFrame(AnalysisWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAnalysis", model.Caption(), kAnalysisClientWidth,
                    kAnalysisClientHeight, errors, "frmAnalysis,WindowProc"),
      model_(model) {
    ControlHost& h = host();
    AnalysisControls& c = model_.Controls();
    BindReportList(h, c.lvwAnalysis, At(a::lvwAnalysis, "lvwAnalysis"));
    BindLabel(h, c.lblStatus, At(a::lblStatus, "lblStatus"));
    BindProgressBar(h, c.prgAnalysis, At(a::prgAnalysis, "prgAnalysis"));
    BindButton(h, c.cmdClose, At(a::cmdClose, "cmdClose"));
    BindTimer(h, c.timAnalyze, a::timAnalyze);
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
