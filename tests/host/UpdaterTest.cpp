// The update check, download and hand-over against a scripted server.

#include <gtest/gtest.h>

#include "host/UpdateTestWorld.h"
#include "update/Sha256.h"

namespace cw::update {
namespace {

using namespace testing;

class UpdaterTest : public ::testing::Test, public UpdateWorld {};

TEST_F(UpdaterTest, AFetchWithoutAnswerOrTakenOverIsNotReadAsReleaseZero) {
    internet.Serve(kVersionUrl, "6", 1);
    // The probe succeeds; then the server stops answering.
    dialogs.onDoEvents = [&] { internet.ServeRaw(kVersionUrl, {}); };
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "(missing)");

    // Another user of the control (an error report) starts its own request meanwhile.
    internet.Serve(kVersionUrl, "6", 1);
    internet.Serve("http://server.test/report", "", 1);
    int polls = 0;
    dialogs.onDoEvents = [&] {
        if (++polls == 2) transfer->Start("http://server.test/report");
    };
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "(missing)");
}

// A download is kept only as an executable of over 1000 bytes within 10 bytes of the size the
// probe announced, whose hash matches the one the version file publishes, if any.
TEST_F(UpdaterTest, TheDownloadMustMatchTheAnnouncedSizeAndAPublishedHash) {
    internet.Serve(kVersionUrl, "6", 1);
    EXPECT_FALSE(updater.CheckForUpdate("7"));
    EXPECT_EQ(Update("ver"), "6");

    const std::string right = Sha256Hex(Executable(1001));
    struct Case {
        std::size_t announced, size;
        std::string versionFile;
        bool kept;
        bool executable = true;
    };
    for (const Case& c :
         {Case{990, 1001, "6", true}, Case{989, 1001, "6", false}, Case{1010, 1001, "6", true},
          Case{1011, 1001, "6", false}, Case{1000, 1000, "6", false},
          Case{1001, 1001, "6 sha256=" + std::string(64, '0'), false},
          Case{1001, 1001, "6 sha256=" + right.substr(1), false},
          Case{1001, 1001, "6\r\nsha256=" + right + "\r\n", true},
          Case{1001, 1001, "6", false, false}}) {  // the right size, but no executable
        fs.AddFile(kDownloadPath, "an earlier download");
        internet.Serve(kVersionUrl, c.versionFile, 1);
        ASSERT_TRUE(updater.CheckForUpdate("5"));
        ServeExe(c.executable ? Executable(c.size) : std::string(c.size, 'x'), c.announced);
        EXPECT_EQ(updater.DownloadUpdate(), c.kept) << c.announced << "/" << c.size;
        EXPECT_EQ(fs.Content(kDownloadPath), c.kept ? Executable(c.size) : "an earlier download")
            << c.announced << "/" << c.size << " " << c.versionFile;
        EXPECT_FALSE(fs.Exists(std::string(kFolder) + "cwl.part"));
    }
}

TEST_F(UpdaterTest, TheRelayStateIsWrittenInOrderAndANewReleaseThatDoesNotStartIsLeft) {
    internet.Serve(kVersionUrl, "6", 1);
    ASSERT_TRUE(updater.CheckForUpdate("5"));
    ServeExe(Executable(1001), 1001);
    registry.written.clear();
    shell.startResult = false;
    EXPECT_EQ(updater.DownloadAndHandOver(), HandOver::Failed);
    EXPECT_EQ(registry.written, (std::vector<std::string>{"App", "ver", "Up", "donreq"}));
    EXPECT_EQ(std::tuple(Update("Up"), programEnds), std::tuple("b", 0)) << "left to the relay";
    EXPECT_EQ(fs.Content(kSignaturePath), fakes::FakeSignatureCheck::Sign(Executable(1001)));
}

TEST_F(UpdaterTest, ADownloadWithoutTheMakersSignatureIsNeitherKeptNorStartedNorRetried) {
    const std::string release = Executable(1001);
    const std::string good = fakes::FakeSignatureCheck::Sign(release);
    struct Case {
        const char* what;
        int status;  // of the signature's request
        std::string signature;
        bool checkerAvailable = true;
    };
    for (const Case& c : {Case{"unsigned", 404, ""},
                          Case{"changed after signing", 200,
                               fakes::FakeSignatureCheck::Sign(Executable(1001, 'y'))},
                          Case{"no CryptoAPI", 200, good, false}}) {
        fs.AddFile(kDownloadPath, "an earlier download");
        fs.Delete(kSignaturePath);
        registry.written.clear();
        internet.requests.clear();
        signatures.available = c.checkerAvailable;
        internet.Serve(kVersionUrl, "6", 1);
        ASSERT_TRUE(updater.CheckForUpdate("5"));
        ServeExe(release, 1001);
        internet.ServeRaw(kSignatureUrl,
                          {"HTTP/1.1 " + std::to_string(c.status) + " X\r\n\r\n", c.signature, 1});
        EXPECT_EQ(updater.DownloadAndHandOver(), HandOver::Unverified) << c.what;
        // Retried once; nothing kept, stored, installed or started.
        const bool kept = fs.Exists(kSignaturePath) || fs.Exists(std::string(kFolder) + "cwl.part");
        EXPECT_EQ(
            std::tuple(RequestsOf(kExeUrl), fs.Content(kDownloadPath), fs.Content(kInstalledPath),
                       kept, registry.written.size(), shell.processes.size(), programEnds),
            std::tuple(2, "an earlier download", "installed program", false, 0u, 0u, 0))
            << c.what;
    }
}

TEST_F(UpdaterTest, CancelReachesOnlyTheUpdatesOwnRequestAndLastsOneOperation) {
    internet.Serve(kVersionUrl, "6", 1);
    internet.Serve("http://server.test/report", "", 5);
    transfer->Start("http://server.test/report");  // an error report in flight
    updater.CancelTransfer();
    EXPECT_TRUE(transfer->StillExecuting() && !updater.Cancelled());

    dialogs.onDoEvents = [&] { updater.CancelTransfer(); };
    EXPECT_TRUE(!updater.CheckForUpdate("5") && updater.Cancelled() &&
                RequestsOf(kVersionUrl) == 1);
    dialogs.onDoEvents = nullptr;
    EXPECT_TRUE(updater.CheckForUpdate("5") && !updater.Cancelled()) << "the next starts afresh";
}

TEST_F(UpdaterTest, ARequestThatNeverEndsIsBoundedAndANestedCheckIsRefused) {
    Updater quick{connection, *transfer, settings,        fs,   guard, signatures, shell,
                  clock,      dialogs,   {kServer, 2000}, [] {}};
    internet.Serve(kVersionUrl, "6", 1000000);
    std::uint32_t before = clock.TickCount();
    EXPECT_FALSE(quick.CheckForUpdate("5"));
    EXPECT_LT(clock.TickCount() - before, 3000u);
    EXPECT_FALSE(transfer->StillExecuting());

    internet.Serve(kVersionUrl, "6", 3);
    bool nested = true;
    int nestedRequests = -1;
    dialogs.onDoEvents = [&] {
        std::size_t requests = internet.requests.size();
        nested = updater.CheckForUpdate("5");
        nestedRequests = static_cast<int>(internet.requests.size() - requests);
    };
    EXPECT_TRUE(updater.CheckForUpdate("5") && !nested && nestedRequests == 0);
}

TEST_F(UpdaterTest, AnHttpsServerWithATrailingSlashIsAskedForTheSamePaths) {
    Updater secure{connection, *transfer, settings, fs,      guard,
                   signatures, shell,     clock,    dialogs, {"https://secure.test/"},
                   [] {}};
    internet.Serve("https://secure.test/cwl.txt", "6", 1);
    internet.Serve("https://secure.test/cwlupdate.exe", Executable(1001), 1);
    internet.Serve("https://secure.test/cwlupdate.sig",
                   fakes::FakeSignatureCheck::Sign(Executable(1001)), 1);
    EXPECT_TRUE(secure.CheckForUpdate("5") && secure.DownloadUpdate());
    EXPECT_EQ(internet.requests,
              (std::vector<std::string>{
                  "https://secure.test/cwl.txt", "https://secure.test/cwl.txt",
                  "https://secure.test/cwlupdate.exe", "https://secure.test/cwlupdate.exe",
                  "https://secure.test/cwlupdate.sig"}));
}

}  // namespace
}  // namespace cw::update
