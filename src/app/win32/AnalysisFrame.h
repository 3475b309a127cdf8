#pragma once
// The analysis window on screen ("Analysis -- Clearwell"): the table of what a wipe would
// remove, the progress of the analysis, and Close (the default button; Esc too).

#include "clean/AnalysisWindow.h"
#include "ui/win32/ModelessFrame.h"

namespace cw::win32 {

class AnalysisFrame : public ModelessFrame {
  public:
    AnalysisFrame(AnalysisWindow& model, ErrorSink& errors);

  protected:
    void OnEscape() override;
    void OnCloseBox() override;

  private:
    AnalysisWindow& model_;
};

}  // namespace cw::win32
