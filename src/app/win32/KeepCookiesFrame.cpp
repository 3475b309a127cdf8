#include "app/win32/KeepCookiesFrame.h"

#include "app/ControlIds.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace k = ids::frmKeepCookies;

KeepCookiesFrame::KeepCookiesFrame(CookieKeepWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellKeepCookies", model.Caption(), {0, 0, 240, 196}, errors,
                    "frmKeepCookies,WindowProc"),
      model_(model) {
    // The list of domains with "Remove" beside it, the field for a new domain with "Add"
    // beside it, and Close at the bottom right.
    CookieKeepControls& c = model_.Controls();
    const LayoutRow layout[] = {
        {&c.lblDomains, k::lblDomains, {8, 7, 224, 18}},
        {&c.lstDomains, k::lstDomains, {8, 28, 157, 100}},
        {&c.cmdRemove, k::cmdRemove, {171, 28, 61, 16}},
        {&c.lblDomain, k::lblDomain, {8, 136, 157, 11}},
        {&c.txtDomain, k::txtDomain, {8, 148, 157, 15}},
        {&c.cmdAdd, k::cmdAdd, {171, 147, 61, 16}},
        {&c.cmdClose, k::cmdClose, {171, 172, 61, 16}},
    };
    BindAll(host(), layout);
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
