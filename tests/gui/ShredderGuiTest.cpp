// The "Shredder" page of the real window: files dropped on the list or chosen in the Open
// dialog are shredded, and the scheduled shredder shows what was stored.

#include "ClearwellGui.h"

namespace cw::gui {
namespace {

class ShredderGui : public ClearwellGui {
  protected:
    void ShredTheList(const std::string& gone) {
        W().Click(m::cmdShredDelete);
        WaitUntil([&] { return !PathExists(gone); }, gone + " shredded");
        WaitUntil([&] { return W().Items(m::lstFiles).empty(); }, "the list emptied");
        EXPECT_EQ(W().Text(m::lStat), "Waiting...");
        EXPECT_FALSE(W().ControlEnabled(m::cmdShredDelete));
        EXPECT_FALSE(W().ControlVisible(m::pb1));
    }
};

TEST_F(ShredderGui, AFileDroppedOnTheListIsShredded) {
    const std::string dir = testing::MakeScratchFolder("gui-drop");
    const std::string first = dir + "\\tax return 2004.doc", second = dir + "\\notes.txt";
    WriteFile(first, std::string(3000, 'x'));
    WriteFile(second, "notes");
    Start();
    ShowPage(5);
    EXPECT_FALSE(W().ControlVisible(m::pb1));
    EXPECT_EQ(W().Text(m::lStat), "Waiting...");
    // Two items dropped: the list takes the first.
    W().DropFiles(m::lstFiles, {first, second});
    WaitUntil([&] { return W().Items(m::lstFiles) == std::vector<std::string>{first}; },
              "the dropped file listed");
    EXPECT_EQ(W().Text(m::lStat), "Ready...");
    EXPECT_EQ(W().Text(m::lFC), "There are 1 files ready for deleting!");
    W().Select(m::lstFiles, 0);
    W().WaitForText(m::txtFileName, first);
    W().Screenshot("shredder-list");

    ShredTheList(first);
    EXPECT_TRUE(PathExists(second)) << "only the first dropped item is taken";
}

TEST_F(ShredderGui, AFileChosenInTheOpenDialogIsShredded) {
    const std::string file = testing::MakeScratchFolder("gui-open") + "\\old letter.txt";
    WriteFile(file, "Dear bank");
    Start();
    ShowPage(5);
    W().Click(m::cmdFileBrowse);
    ChooseFile(WaitForDialog(App(), "Open"), file);
    WaitUntil([&] { return W().Items(m::lstFiles) == std::vector<std::string>{file}; },
              "the chosen file listed");
    EXPECT_EQ(W().Text(m::lStat), "Ready...");
    ShredTheList(file);
}

TEST_F(ShredderGui, TheScheduledShredderShowsTheStoredValues) {
    StoreSetting(settings::kShredFolder, "C:\\cwtest\\scratch\\downloads");
    StoreSetting(settings::kShredFolderHour, "2");
    StoreSetting(settings::kShredFolderMinute, "30");
    Start();
    ShowPage(5);
    for (auto [id, text] : {std::pair{m::txtShredFolder, "C:\\cwtest\\scratch\\downloads"},
                            {m::cmbHour, "2"},
                            {m::cmbMinute, "30"}})
        EXPECT_EQ(W().Text(id), text);
}

}  // namespace
}  // namespace cw::gui
