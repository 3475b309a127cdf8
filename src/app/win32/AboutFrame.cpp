#include "app/win32/AboutFrame.h"

#include "app/ControlIds.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace a = ids::frmAbout;

AboutFrame::AboutFrame(AboutWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAbout", model.Caption(), {0, 0, 280, 184}, errors,
                    "frmAbout,WindowProc"),
      model_(model) {
    // The program's icon beside the description, the maker's address under it, a line, and
    // the two buttons at the bottom right.
    AboutControls& c = model_.Controls();
    const LayoutRow layout[] = {
        {&c.Image1, a::Image1, {8, 8, 21, 21}, {.icon = BigIcon()}},
        {&c.Text1, a::Text1, {37, 8, 235, 107}, {.text = {.multiline = true, .readOnly = true}}},
        {LinkLabel{&c.Label5}, a::Label5, {37, 121, 235, 11}},
        {EtchedLine{}, a::linSeparator, {8, 136, 264, 2}},
        {&c.cmdOK, a::cmdOK, {211, 143, 61, 16}},
        {&c.cmdSysInfo, a::cmdSysInfo, {211, 163, 61, 16}},
    };
    BindAll(host(), layout);
    SetDefaultButton(a::cmdOK);
    SetFirstFocus(a::cmdOK);
}

void AboutFrame::OnEscape() {
    model_.Controls().cmdOK.Click();
}

void AboutFrame::OnCloseBox() {
    if (model_.onUnload) model_.onUnload();
}

}  // namespace cw::win32
