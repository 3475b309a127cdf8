#include "app/win32/AutoUpdateFrame.h"

#include "ResourceIds.h"
#include "app/ControlIds.h"
#include "ui/win32/LayoutTable.h"

namespace cw::win32 {

namespace u = ids::frmAutoUpdate;

namespace {

// The progress list shows small icons; ImageList1 holds two of this size in pixels.
constexpr int kImageSize = 16;

// ImageList1: image 1 for progress and good news, image 2 for bad news.
HIMAGELIST LineImages() {
    HIMAGELIST list = ImageList_Create(kImageSize, kImageSize, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (!list) list = ImageList_Create(kImageSize, kImageSize, ILC_COLOR8 | ILC_MASK, 2, 0);
    for (int id : {IDI_LINE_POSITIVE, IDI_LINE_NEGATIVE})
        ImageList_ReplaceIcon(list, -1, ResourceIcon(id, kImageSize));
    return list;
}

}  // namespace

AutoUpdateFrame::AutoUpdateFrame(update::AutoUpdateWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAutoUpdate", update::kAutoUpdateCaption, {0, 0, 267, 191}, errors,
                    "frmAutoUpdate,WindowProc"),
      model_(model) {
    images_.reset(LineImages());
    // The picture beside the explanation, the progress list below, the two buttons under it,
    // the status bar along the bottom edge.
    const LayoutRow layout[] = {
        {&model_.imgCatchUp,
         u::imgCatchUp,
         {8, 8, 21, 21},
         {.icon = ResourceIcon(IDI_UPDATE, GetSystemMetrics(SM_CXICON))}},
        {&model_.Label1, u::Label1, {37, 8, 221, 37}},
        {&model_.ListView1, u::ListView1, {8, 51, 251, 97}, {.images = images_.get()}},
        {&model_.cmdProceed, u::cmdProceed, {147, 155, 53, 15}},
        {&model_.cmdCancel, u::cmdCancel, {205, 155, 53, 15}},
    };
    BindAll(host(), layout);
    BindStatusBar(host(), model_.StatusBar1, u::StatusBar1);
    SetDefaultButton(u::cmdProceed);
}

void AutoUpdateFrame::OnEscape() {
    model_.cmdCancel.Click();
}

void AutoUpdateFrame::OnCloseBox() {
    model_.Form_Unload();
}

}  // namespace cw::win32
