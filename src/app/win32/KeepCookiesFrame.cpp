#include "app/win32/KeepCookiesFrame.h"

#include "app/ControlIds.h"
#include "app/win32/KeepCookiesLayout.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace k = ids::frmKeepCookies;

namespace {

Place At(int id, std::string_view name) {
    return PlaceOf(kKeepCookiesLayout, name, id);
}

}  // namespace

KeepCookiesFrame::KeepCookiesFrame(CookieKeepWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellKeepCookies", model.Caption(), kKeepCookiesClientWidth,
                    kKeepCookiesClientHeight, errors, "frmKeepCookies,WindowProc"),
      model_(model) {
    ControlHost& h = host();
    CookieKeepControls& c = model_.Controls();
    BindLabel(h, c.lblDomains, At(k::lblDomains, "lblDomains"));
    BindListBox(h, c.lstDomains, At(k::lstDomains, "lstDomains"));
    BindButton(h, c.cmdRemove, At(k::cmdRemove, "cmdRemove"));
    BindLabel(h, c.lblDomain, At(k::lblDomain, "lblDomain"));
    BindTextBox(h, c.txtDomain, At(k::txtDomain, "txtDomain"));
    BindButton(h, c.cmdAdd, At(k::cmdAdd, "cmdAdd"));
    BindButton(h, c.cmdClose, At(k::cmdClose, "cmdClose"));
    SetDefaultButton(k::cmdAdd);
    SetFirstFocus(k::txtDomain);
}

void KeepCookiesFrame::OnEscape() {
    model_.Controls().cmdClose.Click();
}

void KeepCookiesFrame::OnCloseBox() {
    model_.Controls().cmdClose.Click();
}

}  // namespace cw::win32
