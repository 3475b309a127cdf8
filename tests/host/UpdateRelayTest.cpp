// The replacement relay's states and legs, with the installed program and the download as
// files of a fake disk.

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"
#include "update/UpdateRelay.h"

namespace cw::update {
namespace {

using namespace testing;

class UpdateRelayTest : public ::testing::Test, public UpdateWorld {
  protected:
    UpdateRelay relay{settings, fs, guard, signatures, shell, clock, dialogs, {kServer, 1000}};
    const std::string newRelease = Executable(3000, 'n');

    UpdateRelayTest() {
        fs.AddFile(kDownloadPath, newRelease);
        fs.AddFile(kSignaturePath, fakes::FakeSignatureCheck::Sign(newRelease));
    }
    void RunAs(const std::string& exe) { shell.modulePath = std::string(kFolder) + exe; }
};

TEST_F(UpdateRelayTest, IdleAndUnknownStatesDoNothing) {
    RunAs("Clearwell.exe");
    for (const char* up : {"(missing)", "", "a", "A", "xa", "ab", "ac", "x", "d"}) {
        if (std::string(up) != "(missing)") SetUpdate("Up", up);
        SetUpdate("donreq", "z");
        auto registryBefore = registry.Dump();
        auto diskBefore = fs.Snapshot();
        EXPECT_FALSE(relay.LegPending()) << up;
        EXPECT_FALSE(relay.ProcessUpdateState()) << up;
        EXPECT_TRUE(registry.Dump() == registryBefore && fs.Snapshot() == diskBefore &&
                    shell.processes.empty() && shell.executions.empty() && dialogs.shown.empty() &&
                    clock.sleptMs == 0)
            << up;
    }
}

TEST_F(UpdateRelayTest, Leg1ReplacesTheInstalledProgramAndStartsIt) {
    for (const char* up : {"b", "B", "bc"}) {  // "b" is tested before "c", case ignored
        fs.AddFile(kInstalledPath, "installed program");
        SetUpdate("Up", up);
        SetUpdate("donreq", "z");
        shell.processes.clear();
        clock.sleptMs = 0;
        RunAs("cwl.exe");
        EXPECT_TRUE(relay.LegPending() && relay.ProcessUpdateState()) << up;
        EXPECT_EQ(fs.Content(kInstalledPath), newRelease);
        EXPECT_FALSE(fs.Exists(std::string(kFolder) + "Clearwell.part"));
        // Waits of 10, 4 and 4 seconds.
        EXPECT_EQ(std::tuple(Update("Up"), Update("donreq"), clock.sleptMs, dialogs.shown.size()),
                  std::tuple("c", "z", 18000u, 0u));
        ASSERT_EQ(shell.processes.size(), 1u);
        EXPECT_EQ(std::tuple(shell.processes[0].commandLine, shell.processes[0].showCommand),
                  std::tuple("\"C:\\Program Files\\Clearwell\\Clearwell.exe\"", 2));
    }
    // No installed program at all: it is created.
    fs.Delete(kInstalledPath);
    SetUpdate("Up", "b");
    EXPECT_TRUE(relay.ProcessUpdateState());
    EXPECT_EQ(fs.Content(kInstalledPath), newRelease);
}

// The installed program cannot replace itself: an interrupted relay it finds goes on in the
// download, which it starts and ends for.
TEST_F(UpdateRelayTest, TheInstalledProgramHandsLeg1ToTheDownload) {
    RunAs("CLEARWELL.EXE");
    SetUpdate("Up", "B");
    EXPECT_TRUE(relay.ProcessUpdateState());
    ASSERT_EQ(shell.processes.size(), 1u);
    EXPECT_EQ(
        std::tuple(shell.processes[0].commandLine, fs.Content(kInstalledPath), Update("Up"),
                   dialogs.shown.size()),
        std::tuple("\"C:\\Program Files\\Clearwell\\cwl.exe\"", "installed program", "B", 0u));
}

TEST_F(UpdateRelayTest, AFailedCopyOrStartKeepsThisCopyRunning) {
    RunAs("cwl.exe");
    SetUpdate("Up", "b");
    fs.Lock(kInstalledPath);  // it cannot be replaced
    EXPECT_FALSE(relay.ProcessUpdateState());
    EXPECT_EQ(std::tuple(fs.Content(kInstalledPath), Update("Up")),
              std::tuple("installed program", "b"));
    EXPECT_FALSE(fs.Exists(std::string(kFolder) + "Clearwell.part"));

    fs.Lock(kInstalledPath, false);
    shell.startResult = false;  // the new program does not start
    EXPECT_FALSE(relay.ProcessUpdateState());
    EXPECT_EQ(std::tuple(fs.Content(kInstalledPath), Update("Up")), std::tuple(newRelease, "c"));

    // Another name with nothing left to install ends the relay.
    SetUpdate("Up", "b");
    fs.Delete(kDownloadPath);
    RunAs("Renamed.exe");
    EXPECT_FALSE(relay.ProcessUpdateState());
    EXPECT_EQ(Update("Up"), "a");

    // A program without a path touches no file.
    shell.modulePath = "";
    SetUpdate("Up", "b");
    fs.AddFile(kDownloadPath, newRelease);
    auto diskBefore = fs.Snapshot();
    EXPECT_FALSE(relay.ProcessUpdateState());
    EXPECT_TRUE(fs.Snapshot() == diskBefore && shell.processes.size() == 1u)
        << "only the failed start above";
}

TEST_F(UpdateRelayTest, ADownloadWithoutTheMakersSignatureIsNeitherStartedNorInstalled) {
    struct Case {
        const char* what;
        const char* signature;  // nullptr: no "cwl.sig"
        std::string download;
    };
    const std::string good = fakes::FakeSignatureCheck::Sign(newRelease);
    for (const Case& c : {Case{"no signature", nullptr, newRelease},
                          Case{"changed since", good.c_str(), newRelease + "!"}}) {
        for (const char* running : {"Clearwell.exe", "cwl.exe"}) {
            fs.AddFile(kDownloadPath, c.download);
            fs.Delete(kSignaturePath);
            if (c.signature) fs.AddFile(kSignaturePath, c.signature);
            SetUpdate("Up", "b");
            RunAs(running);
            EXPECT_FALSE(relay.ProcessUpdateState()) << c.what << " in " << running;
            // The download left alone, nothing installed or started, the relay ended.
            EXPECT_EQ(std::tuple(fs.Content(kInstalledPath), fs.Content(kDownloadPath),
                                 Update("Up"), shell.processes.size()),
                      std::tuple("installed program", c.download, "a", 0u))
                << c.what << " in " << running;
        }
    }
}

// Thanks only when "donreq" holds a "z", once: the next start shows nothing.
TEST_F(UpdateRelayTest, Leg2RemovesTheDownloadAndThanksTheUserOnceWhenDonreqHoldsZ) {
    RunAs("Clearwell.exe");
    struct Case {
        const char* up;
        const char* donreq;  // nullptr: missing
        const char* after;
        std::size_t thanks;
    } cases[] = {{"C", "z", "(missing)", 1},  {"c", nullptr, "(missing)", 1},
                 {"c", "", "(missing)", 1},   {"c", "y", "y", 1},
                 {"c", "yZ", "(missing)", 2}, {"a", nullptr, "(missing)", 2}};
    for (const Case& k : cases) {
        SetUpdate("Up", k.up);
        if (k.donreq) SetUpdate("donreq", k.donreq);
        EXPECT_EQ(relay.LegPending(), k.up[0] != 'a');
        EXPECT_FALSE(relay.ProcessUpdateState() || relay.LegPending());
        // (The thanks' text: gui UpdateRelayGuiTest.)
        EXPECT_EQ(std::tuple(Update("Up"), Update("donreq"), dialogs.shown.size(),
                             shell.executions.size()),
                  std::tuple("a", k.after, k.thanks, k.thanks));
    }
    EXPECT_FALSE(fs.Exists(kDownloadPath) || fs.Exists(kSignaturePath));
    EXPECT_EQ(std::tuple(clock.sleptMs, shell.executions[0], shell.processes.size()),
              std::tuple(5u * 5000u, "http://server.test/upgrade.php", 0u));
}

TEST_F(UpdateRelayTest, WaitsLetMessagesThroughAndScaleWithTheBuild) {
    UpdateRelay quick{settings, fs, guard, signatures, shell, clock, dialogs, {kServer, 100}};
    std::uint32_t before = clock.TickCount();
    quick.Wait(10);
    const std::uint32_t took = clock.TickCount() - before;
    EXPECT_TRUE(took >= 1000u && took < 1100u) << took;
    EXPECT_GT(dialogs.doEventsCalls, 10);
}

}  // namespace
}  // namespace cw::update
