#include "app/win32/SettingsFrame.h"

#include "ResourceIds.h"
#include "app/ControlIds.h"
#include "app/win32/SettingsLayout.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace s = ids::frmSettings;

namespace {

Place At(int id, std::string_view name) {
    return PlaceOf(kSettingsLayout, name, id);
}

// A drop-down list is given the height of its opened list.
Place Dropped(Place place) {
    place.rect.h = kSettingsDropHeight;
    return place;
}

int TextWidth(HWND control, const std::string& text) {
    HDC dc = GetDC(control);
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageA(control, WM_GETFONT, 0, 0)));
    SIZE size = {};
    GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return size.cx;
}

}  // namespace

SettingsFrame::SettingsFrame(SettingsWindow& model, SettingsHost& host, ErrorSink& errors)
    : ModelessFrame("ClearwellSettings", kSettingsCaption, kSettingsClientWidth,
                    kSettingsClientHeight, errors, "frmSettings,WindowProc"),
      model_(model),
      settingsHost_(host) {
    BuildControls();
    SetDefaultButton(s::cmdOK);
}

void SettingsFrame::BuildControls() {
    ControlHost& h = host();
    SettingsControls& c = model_.Controls();
    BindFrame(h, c.Frame1, At(s::Frame1, "Frame1"));
    BindLabel(h, c.Label2, At(s::Label2, "Label2"));
    BindComboBox(h, c.cmbScheduleType, Dropped(At(s::cmbScheduleType, "cmbScheduleType")), 0);
    BindLabel(h, c.lblHour, At(s::lblHour, "lblHour"));
    BindComboBox(h, c.cmbHour, Dropped(At(s::cmbHour, "cmbHour")), 0);
    BindLabel(h, c.lblWeekDays, At(s::lblWeekDays, "lblWeekDays"));
    BindComboBox(h, c.cmbWeekDays, Dropped(At(s::cmbWeekDays, "cmbWeekDays")), 0);
    BindLabel(h, c.lblStartTime, At(s::lblStartTime, "lblStartTime"));
    BindTimePicker(h, c.dtStartTime, At(s::dtStartTime, "dtStartTime"));
    BindCheckBox(h, c.chkCloseBrowser, At(s::chkCloseBrowser, "chkCloseBrowser"));
    BindButton(h, c.cmdScheduleSet, At(s::cmdScheduleSet, "cmdScheduleSet"));
    BindButton(h, c.cmdDisableSchedule, At(s::cmdDisableSchedule, "cmdDisableSchedule"));
    BindFrame(h, c.fraGeneral, At(s::fraGeneral, "fraGeneral"));
    BindCheckBox(h, c.Check1, At(s::Check1, "Check1"));
    BindCheckBox(h, c.Check2, At(s::Check2, "Check2"));
    BindFrame(h, c.fraAutoCheck, At(s::fraAutoCheck, "fraAutoCheck"));
    BindLabel(h, c.Label1, At(s::Label1, "Label1"));
    BindButton(h, c.cmdEnable, At(s::cmdEnable, "cmdEnable"));
    BindButton(h, c.cmdDisable, At(s::cmdDisable, "cmdDisable"));
    BindImage(h, c.Image1, At(s::Image1, "Image1"),
              ResourceIcon(IDI_UPDATE, GetSystemMetrics(SM_CXICON)));
    BindButton(h, c.cmdOK, At(s::cmdOK, "cmdOK"));
    BindButton(h, c.cmdCancel, At(s::cmdCancel, "cmdCancel"));
    FitHourList();
}

// cmbHour fills the gap of blanks in "Every                 hour", wherever the font puts
// the words. It lies above the label, so that clicks reach it (the label is no tab stop, so
// the tab order stays), and the label paints only its letters (OnMessage), not over it.
void SettingsFrame::FitHourList() {
    HWND label = host().Control(s::lblHour);
    HWND list = host().Control(s::cmbHour);
    if (!label || !list) return;
    const std::string caption = model_.Controls().lblHour.Caption();
    std::string::size_type gap = caption.find(' ');
    std::string::size_type word = caption.find_first_not_of(' ', gap);
    if (gap == std::string::npos || word == std::string::npos) return;
    RECT labelRect = {}, listRect = {};
    GetWindowRect(label, &labelRect);
    GetWindowRect(list, &listRect);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&labelRect), 2);
    MapWindowPoints(nullptr, hwnd(), reinterpret_cast<POINT*>(&listRect), 2);
    int space = TextWidth(label, " ");
    int left = labelRect.left + TextWidth(label, caption.substr(0, gap)) + space;
    int right = labelRect.left + TextWidth(label, caption.substr(0, word)) - space;
    if (right - left < 24) return;  // no room: the list stays where the layout put it
    // The height given to a drop-down list is that of its opened list.
    int dropped = font().DesignPixels({0, 0, 0, kSettingsDropHeight}).bottom;
    SetWindowPos(list, GetWindow(label, GW_HWNDPREV), left, listRect.top, right - left, dropped,
                 SWP_NOACTIVATE);
}

std::optional<LRESULT> SettingsFrame::OnControlColour(HDC dc, HWND control) {
    if (control != host().Control(s::lblHour)) return std::nullopt;
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
}

void SettingsFrame::OnEscape() {
    model_.Controls().cmdCancel.Click();
}

void SettingsFrame::OnCloseBox() {
    settingsHost_.UnloadSettingsWindow();
}

}  // namespace cw::win32
