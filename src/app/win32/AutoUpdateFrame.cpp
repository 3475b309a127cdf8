#include "app/win32/AutoUpdateFrame.h"

#include "ResourceIds.h"
#include "app/ControlIds.h"
#include "app/win32/AutoUpdateLayout.h"
#include "ui/win32/Bindings.h"

namespace cw::win32 {

namespace u = ids::frmAutoUpdate;

namespace {

Place At(int id, std::string_view name) {
    return PlaceOf(update::kAutoUpdateLayout, name, id);
}

// ImageList1: image 1 for progress and good news, image 2 for bad news.
HIMAGELIST LineImages() {
    const int size = update::kAutoUpdateImageSize;
    HIMAGELIST list = ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 2, 0);
    if (!list) list = ImageList_Create(size, size, ILC_COLOR8 | ILC_MASK, 2, 0);
    for (int id : {IDI_LINE_POSITIVE, IDI_LINE_NEGATIVE})
        ImageList_ReplaceIcon(list, -1, ResourceIcon(id, size));
    return list;
}

}  // namespace

AutoUpdateFrame::AutoUpdateFrame(update::AutoUpdateWindow& model, ErrorSink& errors)
    : ModelessFrame("ClearwellAutoUpdate", update::kAutoUpdateCaption,
                    update::kAutoUpdateClientWidth, update::kAutoUpdateClientHeight, errors,
                    "frmAutoUpdate,WindowProc"),
      model_(model) {
    ControlHost& h = host();
    images_.reset(LineImages());
    BindImage(h, model_.imgCatchUp, At(u::imgCatchUp, "imgCatchUp"),
              ResourceIcon(IDI_UPDATE, GetSystemMetrics(SM_CXICON)));
    BindLabel(h, model_.Label1, At(u::Label1, "Label1"));
    BindListView(h, model_.ListView1, At(u::ListView1, "ListView1"), images_.get());
    BindButton(h, model_.cmdProceed, At(u::cmdProceed, "cmdProceed"));
    BindButton(h, model_.cmdCancel, At(u::cmdCancel, "cmdCancel"));
    BindStatusBar(h, model_.StatusBar1, u::StatusBar1);
    SetDefaultButton(u::cmdProceed);
}

void AutoUpdateFrame::OnEscape() {
    model_.cmdCancel.Click();
}

void AutoUpdateFrame::OnCloseBox() {
    model_.Form_Unload();
}

}  // namespace cw::win32
