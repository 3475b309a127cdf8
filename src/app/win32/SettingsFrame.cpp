#include "app/win32/SettingsFrame.h"

#include "ResourceIds.h"
#include "app/ControlIds.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace s = ids::frmSettings;

namespace {

// The height of an opened drop-down list, in dialog units.
constexpr int kDropHeight = 93;

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
    : ModelessFrame("ClearwellSettings", kSettingsCaption, {0, 0, 287, 253}, errors,
                    "frmSettings,WindowProc"),
      model_(model),
      settingsHost_(host) {
    BuildControls();
    SetDefaultButton(s::cmdOK);
}

// In tab order, as SettingsControls::All() lists them; the frames are group boxes beside,
// not around, their controls. A drop-down list is given the height of its opened list.
// cmbHour sits over the blanks of lblHour's caption, until FitHourList measures them.
void SettingsFrame::BuildControls() {
    SettingsControls& c = model_.Controls();
    const RowOptions kDropped = {.dropRows = 0};
    const LayoutRow layout[] = {
        {GroupBox{&c.Frame1}, s::Frame1, {7, 5, 273, 88}},
        {&c.Label2, s::Label2, {15, 22, 100, 9}},
        {&c.cmbScheduleType, s::cmbScheduleType, {120, 19, 80, kDropHeight}, kDropped},
        {&c.lblHour, s::lblHour, {15, 43, 93, 8}},
        {&c.cmbHour, s::cmbHour, {37, 40, 28, kDropHeight}, kDropped},
        {&c.lblWeekDays, s::lblWeekDays, {15, 43, 100, 8}},
        {&c.cmbWeekDays, s::cmbWeekDays, {120, 40, 80, kDropHeight}, kDropped},
        {&c.lblStartTime, s::lblStartTime, {15, 63, 100, 9}},
        {&c.dtStartTime, s::dtStartTime, {120, 61, 40, 14}},
        {&c.chkCloseBrowser, s::chkCloseBrowser, {15, 77, 146, 12}},
        {&c.cmdScheduleSet, s::cmdScheduleSet, {217, 19, 53, 15}},
        {&c.cmdDisableSchedule, s::cmdDisableSchedule, {217, 39, 53, 15}},
        {GroupBox{&c.fraGeneral}, s::fraGeneral, {7, 99, 273, 45}},
        {&c.Check1, s::Check1, {15, 112, 253, 11}},
        {&c.Check2, s::Check2, {15, 127, 253, 11}},
        {GroupBox{&c.fraAutoCheck}, s::fraAutoCheck, {7, 149, 273, 75}},
        {&c.Label1, s::Label1, {44, 164, 227, 36}},
        {&c.cmdEnable, s::cmdEnable, {160, 201, 53, 15}},
        {&c.cmdDisable, s::cmdDisable, {219, 201, 53, 15}},
        {&c.Image1,
         s::Image1,
         {15, 164, 21, 21},
         {.icon = ResourceIcon(IDI_UPDATE, GetSystemMetrics(SM_CXICON))}},
        {&c.cmdOK, s::cmdOK, {168, 231, 53, 15}},
        {&c.cmdCancel, s::cmdCancel, {227, 231, 53, 15}},
    };
    BindAll(host(), layout);
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
    int dropped = font().Y(kDropHeight);
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
