#include <gtest/gtest.h>

#include "errors/RuntimeError.h"
#include "ui/Controls.h"

namespace cw::ui {
namespace {

struct Recorder : ControlObserver {
    std::vector<std::pair<std::string, Property>> changes;
    void ControlChanged(Control& c, Property p) override { changes.emplace_back(c.Name(), p); }
};

TEST(ControlsTest, CheckBoxRaisesClickOnlyWhenItsValueChanges) {
    CheckBox box("chkCookies", "Cookies");
    Recorder view;
    box.SetObserver(&view);
    int clicks = 0;
    box.onClick = [&] { ++clicks; };
    box.SetValue(0);
    EXPECT_EQ(clicks, 0);
    box.SetValue(1);
    box.SetValue(1);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(view.changes.size(), 1u);
    box.SetValueFromUser(0);  // the view already shows it: no echo, but the event
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(view.changes.size(), 1u);
    try {
        box.SetValue(5);
        FAIL();
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number, 380);
    }
}

TEST(ControlsTest, ListSelectionRaisesClickAndOutOfRangeItemsRaise) {
    ListBox list("List1");
    int clicks = 0;
    list.onClick = [&] { ++clicks; };
    list.AddItem("a");
    list.AddItem("b");
    list.SetListIndex(1);
    EXPECT_EQ(list.Text(), "b");
    EXPECT_EQ(clicks, 1);
    list.RemoveItem(1);
    EXPECT_EQ(list.ListIndex(), -1);
    EXPECT_THROW(list.List(3), RuntimeError);
    list.Clear();
    EXPECT_EQ(list.ListCount(), 0);
}

TEST(ControlsTest, ComboTextSelectsTheMatchingItem) {
    ComboBox combo("cmbHour");
    for (const char* item : {"0", "1", "2"})
        combo.AddItem(item);
    combo.SetText("2");
    EXPECT_EQ(combo.ListIndex(), 2);
    combo.SetText("7");  // a typed value outside the list
    EXPECT_EQ(combo.ListIndex(), -1);
    EXPECT_EQ(combo.Text(), "7");
    ComboBox list("cmbOver", ComboStyle::DropDownList);
    list.AddItem("10");
    EXPECT_THROW(list.SetText("20"), RuntimeError);
}

}  // namespace
}  // namespace cw::ui
