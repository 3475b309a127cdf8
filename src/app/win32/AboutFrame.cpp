#include "app/win32/AboutFrame.h"

#include "app/ControlIds.h"
#include "app/win32/AboutLayout.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace a = ids::frmAbout;

namespace {

Place At(int id, std::string_view name) {
    return PlaceOf(kAboutLayout, name, id);
}

}  // namespace

AboutFrame::AboutFrame(AboutWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAbout", model.Caption(), kAboutClientWidth, kAboutClientHeight,
                    errors, "frmAbout,WindowProc"),
      model_(model) {
    ControlHost& h = host();
    AboutControls& c = model_.Controls();
    BindImage(h, c.Image1, At(a::Image1, "Image1"), BigIcon());
    BindTextBox(h, c.Text1, At(a::Text1, "Text1"), {true, true});
    BindLinkLabel(h, c.Label5, At(a::Label5, "Label5"));
    h.CreateChild("STATIC", "", WS_VISIBLE | SS_ETCHEDHORZ, 0, At(a::linSeparator, "linSeparator"));
    BindButton(h, c.cmdOK, At(a::cmdOK, "cmdOK"));
    BindButton(h, c.cmdSysInfo, At(a::cmdSysInfo, "cmdSysInfo"));
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
