// The cleaning run through the real window: "Wipe Selected Items" with its two message
// boxes, the toolbar's "Panic Key", and the cleaning when Windows ends the session.

#include "ClearwellGui.h"
#include "demo/Traces.h"

namespace cw::gui {
namespace {

class CleaningGui : public ClearwellGui {
  protected:
    void SetUp() override {
        ClearwellGui::SetUp();
        registry_.DeleteValue(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
        traces::SeedTypedUrls();
        traces::SeedRunList();
        traces::SeedPrinterPorts();
        printerPorts_ = traces::CountPrinterPorts();
        ASSERT_TRUE(traces::CountTypedUrls() > 0 && traces::CountRunList() > 0 &&
                    printerPorts_ > 0);
    }
    std::string Marker() {
        return Read(kHkeyLocalMachine, settings::kMarkerKey, settings::kMarkerValue);
    }
    int printerPorts_ = 0;
};

TEST_F(CleaningGui, WipeSelectedItemsCleansTheTickedItemsAfterAskingAndSaysSo) {
    Start();
    ShowPage(1);
    W().SetChecked(m::chkUrls, true);
    W().SetChecked(m::chkRunMenu, true);
    W().SetChecked(m::chkCookies, true);
    W().Screenshot("privacy-ticked");

    W().Click(m::cmdCleanSelectedItems);
    HWND question = WaitForMessageBox(App(), "Do you want to shred selected items now?");
    EXPECT_EQ(TextOf(question), "Clearwell");
    Answer(question, IDYES);
    HWND done = WaitForMessageBox(App(), "Your system has now been cleaned", 30000);
    EXPECT_EQ(TextOf(done), "Done....");
    Answer(done, IDOK);

    EXPECT_EQ(traces::CountTypedUrls(), 0);
    EXPECT_EQ(traces::CountRunList(), 0);
    EXPECT_EQ(traces::CountPrinterPorts(), printerPorts_) << "an item that was not ticked";
    // The interactive run marks that its cookie step ran.
    EXPECT_EQ(Marker(), "tt");
    EXPECT_TRUE(W().ControlEnabled(m::cmdCleanSelectedItems));
    Close();  // the user's close never stores the selection
    EXPECT_EQ(Setting("chkUrls"), "<none>");
}

TEST_F(CleaningGui, PanicKeyCleansEveryItemStoresEveryBoxAndEndsTheProgram) {
    Start();
    ShowPage(2);
    W().ClickToolbarButton(m::tlbMain, 7);
    ASSERT_TRUE(App().WaitForExit(60000)) << "the panic run did not end the program";
    EXPECT_EQ(App().ExitCode(), 0u);
    for (const char* box : settings::kCleaningBoxes)
        EXPECT_EQ(Setting(box), "1") << box;
    EXPECT_EQ(traces::CountTypedUrls(), 0);
    EXPECT_EQ(traces::CountRunList(), 0);
    EXPECT_EQ(traces::CountPrinterPorts(), 0);
    EXPECT_EQ(Marker(), "<none>") << "only the interactive run writes the marker";
}

// "Shred files when shutting down": Windows asks the program whether the session may end,
// the user agrees to the exit question, and the ticked items are cleaned before it ends.
TEST_F(CleaningGui, TheEndOfTheSessionCleansTheTickedItemsAfterTheUsersYes) {
    StoreSetting("chkRunMenu", "1");
    StoreSetting(settings::kRunOnExit, "True");
    Start();
    W().Post(WM_QUERYENDSESSION, 0, 0);
    Answer(WaitForMessageBox(App(), kExitQuestion), IDYES);
    WaitUntil([] { return traces::CountRunList() == 0; }, "the Run list cleaned");
    W().Post(WM_ENDSESSION, TRUE, 0);
    EXPECT_TRUE(App().WaitForExit(10000)) << "the program did not end with the session";
    EXPECT_GT(traces::CountTypedUrls(), 0) << "an item that was not ticked";
    EXPECT_EQ(traces::CountPrinterPorts(), printerPorts_);
}

}  // namespace
}  // namespace cw::gui
